#include "data/SouborNastaveni.h"

#include "zaklad/Chyba.h"
#include "zaklad/Cisla.h"
#include "zaklad/CteniRadku.h"
#include "zaklad/Kodovani.h"
#include "data/PoleNastaveni.h"
#include "zaklad/Soubor.h"

#include <cstdint>

namespace lineon {

namespace {

constexpr std::size_t ZnakuKodu = 5;
constexpr std::size_t ZnakuText16 = 16;

// A number stands at the start of its line, blanks before it allowed; the rest of the line is skipped.
std::string_view CisloNaRadku(std::string_view radek)
{
    const auto zacatek = radek.find_first_not_of(" \t");
    if (zacatek == std::string_view::npos)
        return {};
    radek.remove_prefix(zacatek);
    return radek.substr(0, radek.find_first_of(" \t"));
}

class CteniNastaveni {
public:
    CteniNastaveni(soubor::CteniRadku& cteni, TNastaveni& nastaveni) : cteni_(cteni), nastaveni_(nastaveni) {}

    std::vector<TZprava> Precist()
    {
        nastaveni_ = TNastaveni();
        if (cteni_.Utf8())
            zpravy_.push_back({DruhZpravy::Informace, soubor::ZpravaOUtf8(cteni_.Cesta())});
        for (const auto& pole : PoleNastaveni())
            if (!PrecistPole(pole))
                break;
        return std::move(zpravy_);
    }

private:
    // Reads one setting; false when the lines after it can no longer be assigned.
    bool PrecistPole(const TPoleNastaveni& pole)
    {
        if (!DalsiRadek(pole.Nazev))
            return false;
        const std::string& radek = radek_.Text;
        if (radek_.Zkracen) {
            const bool osoby = pole.Typ == TypNastaveni::Osoby;
            Oznamit(pole.Nazev, soubor::PopisDlouhehoRadku()
                                    + (osoby ? "; jména osob a všechna další nastavení mají výchozí hodnoty."
                                             : "; platí výchozí hodnota."));
            return !osoby;
        }
        switch (pole.Typ) {
        case TypNastaveni::Zadny:
            return true;
        case TypNastaveni::Cele:
            if (const auto cislo = cisla::CtiCele(CisloNaRadku(radek)); !cislo)
                Oznamit(pole.Nazev, "„" + radek + "“ není celé číslo; platí výchozí hodnota.");
            else if (VRozsahu(pole, *cislo))
                NastavitCele(nastaveni_, pole, *cislo);
            return true;
        case TypNastaveni::Realne:
            if (const auto cislo = cisla::CtiDesetinne(CisloNaRadku(radek), cisla::Exponent::Povolen); !cislo)
                Oznamit(pole.Nazev, "„" + radek + "“ není číslo; platí výchozí hodnota.");
            else if (VRozsahu(pole, *cislo))
                nastaveni_.*std::get<double TNastaveni::*>(pole.Clen) = *cislo;
            return true;
        case TypNastaveni::Kod:
            nastaveni_.*std::get<std::string TNastaveni::*>(pole.Clen) = kodovani::PrvnichZnaku(radek, ZnakuKodu);
            return true;
        case TypNastaveni::Text16:
            nastaveni_.*std::get<std::string TNastaveni::*>(pole.Clen) = kodovani::PrvnichZnaku(radek, ZnakuText16);
            return true;
        case TypNastaveni::Radek:
            nastaveni_.*std::get<std::string TNastaveni::*>(pole.Clen) = radek;
            return true;
        case TypNastaveni::Logicke:
            if (radek == "TRUE" || radek == "FALSE")
                nastaveni_.*std::get<bool TNastaveni::*>(pole.Clen) = radek == "TRUE";
            else
                Oznamit(pole.Nazev, "„" + radek + "“ není TRUE ani FALSE; platí výchozí hodnota.");
            return true;
        case TypNastaveni::Osoby:
            return PrecistOsoby(pole, radek);
        }
        return true;
    }

    // A value the window could never have stored (a scale of 0 would divide by zero) keeps its default.
    bool VRozsahu(const TPoleNastaveni& pole, double hodnota)
    {
        if (pole.Meze.Obsahuje(hodnota))
            return true;
        Oznamit(pole.Nazev, "„" + radek_.Text + "“ leží mimo rozsah " + PopisMezi(pole.Meze)
                                + "; platí výchozí hodnota.");
        return false;
    }

    // The count P, then exactly P name lines, so that the lines after them keep their meaning.
    bool PrecistOsoby(const TPoleNastaveni& pole, const std::string& radek)
    {
        const auto pocet = cisla::CtiCele(CisloNaRadku(radek));
        if (!pocet || *pocet < 0) {
            Oznamit(pole.Nazev, "„" + radek
                                    + "“ není počet jmen osob, další řádky proto nelze přiřadit; jména osob a všechna "
                                      "další nastavení mají výchozí hodnoty.");
            return false;
        }
        if (*pocet > NejvicOsob)
            Oznamit(pole.Nazev, std::to_string(*pocet) + " jmen osob je víc než " + std::to_string(NejvicOsob)
                                    + "; ponechává se jich prvních " + std::to_string(NejvicOsob) + ".");
        std::vector<std::string> osoby;
        for (int k = 1; k <= *pocet; ++k) {
            if (!DalsiRadek("jméno osoby " + std::to_string(k))) {
                nastaveni_.Osoby = std::move(osoby);
                return false;
            }
            // Names beyond the list are read past, so that the lines after them keep their meaning.
            if (k <= NejvicOsob)
                osoby.push_back(radek_.Text);
        }
        nastaveni_.Osoby = std::move(osoby);
        return true;
    }

    // The next line, or a message that the file ends before the setting `co`.
    bool DalsiRadek(std::string_view co)
    {
        if (!cteni_.Dalsi(radek_)) {
            cisloRadku_ = cteni_.PocetRadku() + 1;
            Oznamit(co, "soubor zde končí; toto a všechna další nastavení mají výchozí hodnoty.");
            return false;
        }
        cisloRadku_ = radek_.Cislo;
        if (radek_.Vada)
            throw Chyba(soubor::ChybaRadku(cteni_.Cesta(), radek_.Cislo, radek_.Vada->Popis()));
        return true;
    }

    void Oznamit(std::string_view co, const std::string& text)
    {
        zpravy_.push_back({DruhZpravy::Varovani, "Soubor nastavení „" + cteni_.Cesta() + "“, řádek "
                                                     + std::to_string(cisloRadku_) + " (" + std::string(co)
                                                     + "): " + text});
    }

    soubor::CteniRadku& cteni_;
    soubor::TRadekSouboru radek_;
    TNastaveni& nastaveni_;
    std::size_t cisloRadku_ = 0; ///< number (from 1) of the line that messages name
    std::vector<TZprava> zpravy_;
};

// Every setting has its line: a text with a line break would shift all the lines after it.
const std::string& JedenRadek(const std::string& cesta, std::string_view nazev, const std::string& text)
{
    if (text.find('\n') != std::string::npos)
        throw Chyba("Soubor nastavení „" + cesta + "“ nelze zapsat: nastavení " + std::string(nazev) + " „" + text
                    + "“ obsahuje konec řádku.");
    return text;
}

} // namespace

std::vector<TZprava> NacistNastaveni(const std::string& cesta, TNastaveni& nastaveni)
{
    soubor::CteniRadku cteni(cesta);
    return NacistNastaveni(cteni, nastaveni);
}

std::vector<TZprava> NacistNastaveni(soubor::CteniRadku& cteni, TNastaveni& nastaveni)
{
    return CteniNastaveni(cteni, nastaveni).Precist();
}

void UlozitNastaveni(const std::string& cesta, const TNastaveni& nastaveni)
{
    soubor::ZapisTextu zapis(cesta);
    UlozitNastaveni(zapis, nastaveni);
}

void UlozitNastaveni(RadkovyVystup& vystup, const TNastaveni& nastaveni)
{
    const std::string& cesta = vystup.Nazev();
    std::string text;
    for (const auto& pole : PoleNastaveni()) {
        switch (pole.Typ) {
        case TypNastaveni::Zadny:
            break;
        case TypNastaveni::Cele:
            text += std::to_string(CeleCislo(nastaveni, pole));
            break;
        case TypNastaveni::Realne:
            text += cisla::FormatE23(nastaveni.*std::get<double TNastaveni::*>(pole.Clen));
            break;
        case TypNastaveni::Kod:
        case TypNastaveni::Text16:
        case TypNastaveni::Radek:
            text += JedenRadek(cesta, pole.Nazev, nastaveni.*std::get<std::string TNastaveni::*>(pole.Clen));
            break;
        case TypNastaveni::Logicke:
            text += nastaveni.*std::get<bool TNastaveni::*>(pole.Clen) ? "TRUE" : "FALSE";
            break;
        case TypNastaveni::Osoby:
            text += std::to_string(nastaveni.PocetOsob());
            for (const auto& osoba : nastaveni.Osoby)
                text += "\n" + JedenRadek(cesta, pole.Nazev, osoba);
            break;
        }
        text += "\n";
    }
    vystup.Text(text);
    vystup.Dokoncit();
}

} // namespace lineon
