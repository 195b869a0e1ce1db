#include "prikazy/DialogVystupu.h"

#include "zaklad/Chyba.h"
#include "zaklad/Kodovani.h"
#include "zaklad/NazevSouboru.h"
#include "prikazy/OvladaceVystupu.h"

#include <algorithm>

namespace lineon {

namespace {

// Every mirrored control with the value it mirrors, in the order of the activation; `krok` copies
// one way or the other.
template <class Dialog, class Stav, class Krok>
void ProZrcadlene(Dialog& d, Stav& stav, Krok krok)
{
    auto& n = stav.Nastaveni;
    auto& v = stav.Vystupy;
    krok(d.hydrantF, n.KodHydrant);
    krok(d.soupeF, n.KodSoupe);
    krok(d.dField, n.PrumerPriImportu);
    krok(d.dmField, n.DelkoveMeritko);
    krok(d.vmField, n.VyskoveMeritko);
    krok(d.merfield, n.MeritkoSituace);
    krok(d.vyskyField, n.VyskaKot);
    krok(d.vypocField, n.VyskaPopisu);
    krok(d.oznacField, n.VyskaOznaceni);
    krok(d.posSRField, n.PosunSR);
    krok(d.lhSRField, n.LimitSR);
    krok(d.dxField, n.Dx);
    krok(d.dyField, n.Dy);
    krok(d.vsXField, n.UmisteniX);
    krok(d.vsYField, n.UmisteniY);
    krok(d.sitField, v.SouborSituace);
    krok(d.gpkgField, stav.Doplnky.SouborGpkg);
    krok(d.profField, v.SouborProfilu);
    krok(d.psanField, v.SouborPsanehoProfilu);
    krok(d.FolderField, n.AdresarProjektu);
    krok(d.popdelcheck, n.LegendaDelka);
    krok(d.Stanbez, n.StaniceniDo100);
}

int VRozsahu(int hodnota, int nejvic)
{
    return hodnota >= 0 && hodnota <= nejvic ? hodnota : 0;
}

} // namespace

TDialogVystupu VytvoritDialogVystupu(TStav& stav)
{
    const TVystupy vychozi;
    stav.Vystupy.SouborSituace = vychozi.SouborSituace;
    stav.Vystupy.SouborProfilu = vychozi.SouborProfilu;
    stav.Vystupy.SouborPsanehoProfilu = vychozi.SouborPsanehoProfilu;
    TDialogVystupu dialog;
    dialog.Krytiradio = VRozsahu(stav.Nastaveni.ZobrazeniKryti, 2);
    dialog.Delkaradio = VRozsahu(stav.Nastaveni.ZobrazeniDelek, 1);
    return dialog;
}

void AktivovatDialogVystupu(TDialogVystupu& dialog, const TStav& stav)
{
    ProZrcadlene(dialog, stav, [](auto& ovladac, const auto& hodnota) { ovladac = hodnota; });
}

std::optional<std::string> ZavritDialogVystupu(const TDialogVystupu& dialog, TStav& stav)
{
    const std::string predchozi = stav.Nastaveni.AdresarProjektu;
    ProZrcadlene(dialog, stav, [](const auto& ovladac, auto& hodnota) { hodnota = ovladac; });
    stav.Nastaveni.AdresarProjektu = AdresarSLomitkem(dialog.FolderField);
    stav.Nastaveni.ZobrazeniKryti = dialog.Krytiradio;
    stav.Nastaveni.ZobrazeniDelek = dialog.Delkaradio;
    // The settings file keeps the directory on one line in code page 1250; one it cannot hold
    // would keep every setting from being written at the end.
    if (const auto vada = VadaNazvuSouboru(stav.Nastaveni.AdresarProjektu)) {
        stav.Nastaveni.AdresarProjektu = predchozi;
        return "Adresář „" + dialog.FolderField + "“ " + *vada + "; platí dál adresář „" + predchozi + "“.";
    }
    return std::nullopt;
}

std::string AdresarSLomitkem(std::string adresar)
{
    if (adresar.empty() || adresar.back() != '/')
        adresar += '/';
    return adresar;
}

void PoKliknuti(TDialogVystupu& dialog, TVystupy& v, std::string_view ovladac)
{
    TPovoleniVystupu& p = dialog.Povoleno;
    if (ovladac == "profcheck") {
        p.profobrcheck = p.profdxfcheck = p.profField = v.profcheck;
    } else if (ovladac == "profobrcheck" || ovladac == "profdxfcheck") {
        if (!v.profobrcheck && !v.profdxfcheck) {
            v.profcheck = false;
            PoKliknuti(dialog, v, "profcheck");
        }
    } else if (ovladac == "psancheck") {
        p.psanobrcheck = p.psantxtcheck = p.psanField = v.psancheck;
    } else if (ovladac == "psanobrcheck" || ovladac == "psantxtcheck") {
        if (!v.psanobrcheck && !v.psantxtcheck) {
            v.psancheck = false;
            PoKliknuti(dialog, v, "psancheck");
        }
    } else if (ovladac == "stocKcheck") {
        v.stocRcheck = !v.stocKcheck;
    } else if (ovladac == "stocRcheck") {
        v.stocKcheck = !v.stocRcheck;
    } else if (ovladac == "RadioButton1" || ovladac == "RadioButton2") {
        v.RadioButton1 = ovladac == "RadioButton1";
        v.RadioButton2 = !v.RadioButton1;
        p.dxField = p.dyField = v.RadioButton1;
        p.vsXField = p.vsYField = v.RadioButton2;
    } else if (ovladac == "tabcheck") {
        p.datumEdit = p.zakEdit = p.mercombo = p.vypcombo = p.koncombo = p.soucombo = p.vyscombo = v.tabcheck;
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

TMeze MezeOvladace(std::string_view ovladac)
{
    const auto* pole = NajitPodleOvladace(ovladac);
    return pole ? pole->Meze : TMeze();
}

int DelkaOvladace(std::string_view ovladac)
{
    if (const auto* pole = NajitPodleOvladace(ovladac))
        return pole->MaxZnaku;
    const auto* vlastni = NajitOvladacVystupu(ovladac);
    return vlastni ? vlastni->MaxZnaku : 0;
}

} // namespace lineon
