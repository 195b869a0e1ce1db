#include "prikazy/DialogVystupu.h"

#include "zaklad/Chyba.h"
#include "zaklad/Kodovani.h"
#include "zaklad/NazevSouboru.h"

#include <algorithm>
#include <type_traits>

namespace lineon {

namespace {

// The three objects a row's value can live in.
template <class Nastaveni, class Vystupy, class Doplnky>
struct THodnoty {
    Nastaveni& N;
    Vystupy& V;
    Doplnky& D;

    template <class X>
    auto& operator[](X TNastaveni::*clen) const
    {
        return N.*clen;
    }
    template <class X>
    auto& operator[](X TVystupy::*clen) const
    {
        return V.*clen;
    }
    template <class X>
    auto& operator[](X TDoplnky::*clen) const
    {
        return D.*clen;
    }
    template <class X>
    auto& operator[](X TLimityKontroly::*clen) const
    {
        return D.Kontrola.*clen;
    }
};

using TZdroj = THodnoty<const TNastaveni, const TVystupy, const TDoplnky>;
using TCil = THodnoty<TNastaveni, TVystupy, TDoplnky>;

// The values of the state or of the dialog.
template <class Objekt>
auto Hodnoty(Objekt& o)
{
    using std::remove_reference_t;
    return THodnoty<remove_reference_t<decltype((o.Nastaveni))>, remove_reference_t<decltype((o.Vystupy))>,
                    remove_reference_t<decltype((o.Doplnky))>>{o.Nastaveni, o.Vystupy, o.Doplnky};
}

void Kopirovat(const TPoleNastaveni& pole, TZdroj zdroj, TCil cil)
{
    std::visit([&](auto clen) { cil[clen] = zdroj[clen]; }, pole.Clen);
}

bool& Zaskrtnuti(TVystupy& v, const TPoleNastaveni& pole)
{
    return v.*std::get<bool TVystupy::*>(pole.Clen);
}

std::size_t Index(const TPoleNastaveni& pole)
{
    return static_cast<std::size_t>(&pole - TabulkaNastaveni.data());
}

} // namespace

TDialogVystupu VytvoritDialogVystupu(TStav& stav)
{
    const TVystupy vychozi;
    for (const auto& pole : TabulkaNastaveni)
        if (pole.Prevzeti == ZpusobPrevzeti::PriAktivaci && std::holds_alternative<std::string TVystupy::*>(pole.Clen))
            Kopirovat(pole, {stav.Nastaveni, vychozi, stav.Doplnky}, {stav.Nastaveni, stav.Vystupy, stav.Doplnky});
    TDialogVystupu dialog{stav.Nastaveni, stav.Vystupy, stav.Doplnky};
    for (const auto& pole : TabulkaNastaveni) {
        dialog.Povoleno[Index(pole)] = pole.Povolen;
        if (pole.Prevzeti == ZpusobPrevzeti::PriVytvoreni) {
            std::int32_t& volba = dialog.Nastaveni.*std::get<std::int32_t TNastaveni::*>(pole.Clen);
            if (!pole.Meze.Obsahuje(volba))
                volba = static_cast<std::int32_t>(pole.Meze.Od);
        }
    }
    return dialog;
}

void AktivovatDialogVystupu(TDialogVystupu& dialog, const TStav& stav)
{
    for (const auto& pole : TabulkaNastaveni)
        if (pole.Prevzeti == ZpusobPrevzeti::PriAktivaci)
            Kopirovat(pole, Hodnoty(stav), Hodnoty(dialog));
}

std::optional<std::string> ZavritDialogVystupu(const TDialogVystupu& dialog, TStav& stav)
{
    const std::string predchozi = stav.Nastaveni.AdresarProjektu;
    for (const auto& pole : TabulkaNastaveni)
        if (pole.Prevzeti != ZpusobPrevzeti::Hned)
            Kopirovat(pole, Hodnoty(dialog), Hodnoty(stav));
    const std::string& zvoleny = dialog.Nastaveni.AdresarProjektu;
    stav.Nastaveni.AdresarProjektu = AdresarSLomitkem(zvoleny);
    // The settings file keeps the directory on one line in code page 1250; one it cannot hold
    // would keep every setting from being written at the end.
    if (const auto vada = VadaNazvuSouboru(stav.Nastaveni.AdresarProjektu)) {
        stav.Nastaveni.AdresarProjektu = predchozi;
        return "Adresář „" + zvoleny + "“ " + *vada + "; platí dál adresář „" + predchozi + "“.";
    }
    return std::nullopt;
}

TCilOvladace CilOvladace(TDialogVystupu& dialog, TStav& stav, const TPoleNastaveni& pole)
{
    const TCil cil = pole.Prevzeti == ZpusobPrevzeti::Hned ? Hodnoty(stav) : Hodnoty(dialog);
    return std::visit([&](auto clen) -> TCilOvladace { return &cil[clen]; }, pole.Clen);
}

std::string AdresarSLomitkem(std::string adresar)
{
    if (adresar.empty() || adresar.back() != '/')
        adresar += '/';
    return adresar;
}

void PoKliknuti(TDialogVystupu& dialog, TVystupy& v, std::size_t i)
{
    const TPoleNastaveni& pole = TabulkaNastaveni[i];
    if (!std::holds_alternative<bool TVystupy::*>(pole.Clen))
        return;
    if (pole.Druh == DruhOvladace::Prepinac)
        Zaskrtnuti(v, pole) = true;
    const TPoleNastaveni* protejsek = NajitOvladac(pole.Protejsek);
    if (protejsek)
        Zaskrtnuti(v, *protejsek) = !Zaskrtnuti(v, pole);
    bool podrizenyZaskrtnut = false;
    for (const auto& jine : TabulkaNastaveni) {
        if (jine.Zavisi == pole.Ovladac)
            dialog.Povoleno[Index(jine)] = Zaskrtnuti(v, pole);
        else if (protejsek && jine.Zavisi == protejsek->Ovladac)
            dialog.Povoleno[Index(jine)] = Zaskrtnuti(v, *protejsek);
        else if (!pole.Zavisi.empty() && jine.Zavisi == pole.Zavisi && jine.Druh == DruhOvladace::Zaskrtavatko)
            podrizenyZaskrtnut = podrizenyZaskrtnut || Zaskrtnuti(v, jine);
    }
    if (pole.Druh == DruhOvladace::Zaskrtavatko && !pole.Zavisi.empty() && !podrizenyZaskrtnut) {
        const TPoleNastaveni& nadrazeny = *NajitOvladac(pole.Zavisi);
        Zaskrtnuti(v, nadrazeny) = false;
        PoKliknuti(dialog, v, Index(nadrazeny));
    }
}

bool OpustitPoleOsoby(TNastaveni& nastaveni, const std::string& jmeno)
{
    auto& osoby = nastaveni.Osoby;
    if (jmeno.empty() || std::find(osoby.begin(), osoby.end(), jmeno) != osoby.end())
        return false;
    if (nastaveni.PocetOsob() >= NejvicOsob)
        throw Chyba("Seznam osob už má " + std::to_string(NejvicOsob) + " jmen, víc jich pojmout nemůže; jméno „"
                    + jmeno + "“ se do něj nepřidá.");
    if (const auto znak = kodovani::PrvniNekodovatelnyZnak(jmeno))
        throw Chyba("Jméno „" + jmeno + "“ obsahuje znak „" + *znak
                    + "“, který kódová stránka 1250 nemá; do seznamu osob se nepřidá.");
    osoby.push_back(jmeno);
    return true;
}

} // namespace lineon
