#include "DxfPomoc.h"

#include "TestPomoc.h"
#include "zaklad/Kodovani.h"

#include <stdexcept>

namespace lineon::test {

std::string Radky(std::initializer_list<std::string> radky)
{
    std::string text;
    for (const std::string& radek : radky)
        text += kodovani::DoCp1250(radek) + "\r\n";
    return text;
}

std::string OcekavanaHlavicka()
{
    return Radky({
        "  0", "SECTION",
        "  2", "HEADER",
        "  9", "$ACADVER",
        "  1", "AC1009",
        "  9", "$DWGCODEPAGE",
        "  3", "ANSI_1250",
        "  9", "$INSBASE",
        " 10", "0.0",
        " 20", "0.0",
        " 30", "0.0",
    });
}

std::string OcekavanyRozsah(const std::string& x1, const std::string& y1, const std::string& x2,
                            const std::string& y2)
{
    return Radky({
        "9", "$EXTMIN", "10", x1, "20", y1,
        "9", "$EXTMAX", "10", x2, "20", y2,
        "9", "$LIMMIN", "10", x1, "20", y1,
        "9", "$LIMMAX", "10", x2, "20", y2,
    });
}

std::string OcekavaneTabulky(const std::vector<std::pair<std::string, int>>& vrstvy)
{
    std::string text = Radky({
        "  9", "$LUNITS", " 70", "     2",
        "  9", "$LUPREC", " 70", "     3",
        "  9", "$AUNITS", " 70", "     2",
        "  9", "$AUPREC", " 70", "     4",
        "  9", "$ANGBASE", " 50", "90.0",
        "  9", "$ANGDIR", " 70", "     1",
        "  9", "$UCSNAME", "  2", " ",
        "  9", "$UCSORG", " 10", "0.0", " 20", "0.0", " 30", "0.0",
        "  9", "$UCSXDIR", " 10", "-1.0", " 20", "0.0", " 30", "0.0",
        "  9", "$UCSYDIR", " 10", "0.0", " 20", "-1.0", " 30", "0.0",
        "  9", "$WORLDVIEW", " 70", "     0",
        "  0", "ENDSEC",
        "  0", "SECTION",
        "  2", "TABLES",
        "  0", "TABLE", "  2", "LTYPE", " 70", "     1",
        "  0", "LTYPE", "  2", "CONTINUOUS", " 70", "    64", "  3", " Solid line",
        " 72", "    65", " 73", "     0", " 40", "0.000",
        "  0", "ENDTAB",
        "  0", "TABLE", "  2", "LAYER", " 70", "     3",
    });
    for (const auto& [nazev, barva] : vrstvy) {
        const std::string hodnotaBarvy = "     " + std::to_string(barva);
        text += Radky({"  0", "LAYER", "  2", nazev, " 70", "     0", " 62", hodnotaBarvy, "  6", "CONTINUOUS"});
    }
    text += Radky({
        "  0", "ENDTAB",
        "  0", "TABLE", "  2", "STYLE", " 70", "     2",
        "  0", "STYLE", "  2", "STANDARD", " 70", "     0", " 40", "0.0", " 41", "1.0", " 50", "0.0",
        " 71", "     0", " 42", "0.2", "  3", "ces", "  4", " ",
        "  0", "STYLE", "  2", "KOMPLEX", " 70", "    64", " 40", "0.0", " 41", "1.0", " 50", "0.0",
        " 71", "     0", " 42", "0.233235", "  3", "komplex", "  4", " ",
        "  0", "ENDTAB",
        "  0", "TABLE", "  2", "VIEW", " 70", "     0",
        "  0", "ENDTAB",
        "  0", "TABLE", "  2", "UCS", " 70", "     1",
        "  0", "UCS", "  2", "KROVAK", " 70", "     0",
        " 10", "0.0", " 20", "0.0", " 30", "0.0",
        " 11", "-1.0", " 21", "0.0", " 31", "0.0",
        " 12", "0.0", " 22", "-1.0", " 32", "0.0",
        "  0", "ENDTAB",
        "  0", "ENDSEC",
    });
    return text;
}

std::vector<std::pair<std::string, int>> VrstvyProfilu()
{
    return {{"CARY", 1}, {"POTRUBI", 2}, {"TEREN", 3}, {"ROVINA", 4}, {"REZ", 5}, {"KOTOVACI_CARY", 6},
            {"SIPKA", 7}, {"KRIZENI1", 31}, {"KRIZENI2", 32}, {"KRIZENI3", 33}, {"KRIZENI4", 34},
            {"KRIZENI5", 35}, {"PRIPOJKA", 36}, {"CISLA", 21}, {"KOTY", 22}, {"STANICENI", 23},
            {"DELKA", 24}, {"ROVINA", 25}, {"KOTA_KRIZENI1", 31}, {"KOTA_KRIZENI2", 32},
            {"KOTA_KRIZENI3", 33}, {"KOTA_KRIZENI4", 34}, {"KOTA_KRIZENI5", 35}, {"KOTA_PRIPOJKY", 36},
            {"TEXTY", 11}, {"OZNACENI", 12}, {"POPIS_POTRUBI", 13}, {"POPIS_TABULKY", 14}};
}

std::vector<std::pair<std::string, int>> VrstvySituace()
{
    return {{" ", 0}, {"STOKA", 6}, {"PRIPOJKA", 7}, {"SACHTA", 4}, {"DSACHTA", 5}, {"POPIS", 1},
            {"PRIPOJKAP", 6}, {"OZNACENI", 2}, {"TEREN", 3}, {"POTRUBI", 4}, {"HYDRANT", 8}, {"SOUPE", 9}};
}

std::string OcekavaneBloky()
{
    return Radky({
        "  0", "SECTION",
        "  2", "BLOCKS",
        "  0", "BLOCK", "  6", "CONTINUOUS", "  2", "6$12", " 10", "0.0", " 20", "0.0",
        "  0", "CIRCLE", "  6", "CONTINUOUS", " 10", "0.0", " 20", "0.0", " 30", "0.0", " 40", "0.75",
        "210", "0.0", "220", "0.0", "230", "1.0",
        "  0", "LINE", "  6", "CONTINUOUS", " 10", "0.0", " 20", "1.75", " 30", "0.0",
        " 11", "0.0", " 21", "0.75", " 31", "0.0",
        "  0", "LINE", "  6", "CONTINUOUS", " 10", "-0.5", " 20", "1.75", " 30", "0.0",
        " 11", "0.5", " 21", "1.75", " 31", "0.0",
        "  0", "ENDBLK",
        "  0", "BLOCK", "  6", "CONTINUOUS", "  2", "6$14", " 10", "0.0", " 20", "0.0",
        "  0", "CIRCLE", "  6", "CONTINUOUS", " 10", "0.0", " 20", "0.0", " 30", "0.0", " 40", "0.5",
        "210", "0.0", "220", "0.0", "230", "1.0",
        "  0", "ENDBLK",
        "  0", "BLOCK", "  6", "CONTINUOUS", "  2", "6$20", " 10", "0.0", " 20", "0.0",
        "  0", "CIRCLE", "  6", "CONTINUOUS", " 10", "0.0", " 20", "0.0", " 30", "0.0", " 40", "1.0",
        "210", "0.0", "220", "0.0", "230", "1.0",
        "  0", "ENDBLK",
        "  0", "ENDSEC",
    });
}

std::size_t PocetVyskytu(const std::string& text, const std::string& co)
{
    std::size_t pocet = 0;
    for (std::size_t i = text.find(co); i != std::string::npos; i = text.find(co, i + 1))
        ++pocet;
    return pocet;
}

std::string Entita::Typ() const
{
    return Hodnota("0");
}

std::string Entita::Vrstva() const
{
    return Hodnota("8");
}

std::string Entita::Hodnota(const std::string& kod) const
{
    for (const auto& [k, hodnota] : skupiny)
        if (k == kod)
            return hodnota;
    return "";
}

bool Entita::Ma(const std::string& kod) const
{
    for (const auto& skupina : skupiny)
        if (skupina.first == kod)
            return true;
    return false;
}

std::vector<Entita> EntitySouboru(const std::string& cesta)
{
    const std::string bajty = PrecistBajty(cesta);
    std::vector<std::string> radky;
    for (std::size_t zacatek = 0; zacatek < bajty.size();) {
        const std::size_t konec = bajty.find("\r\n", zacatek);
        if (konec == std::string::npos)
            throw std::runtime_error("a line without CR LF in " + cesta);
        std::string radek;
        if (kodovani::ZCp1250(std::string_view(bajty).substr(zacatek, konec - zacatek), radek))
            throw std::runtime_error("a byte without a character in " + cesta);
        radky.push_back(std::move(radek));
        zacatek = konec + 2;
    }
    std::size_t i = 0;
    while (i < radky.size() && radky[i] != "ENTITIES")
        ++i;
    std::vector<Entita> entity;
    for (++i; i + 1 < radky.size(); i += 2) {
        const std::string& kod = radky[i];
        const std::string& hodnota = radky[i + 1];
        if (kod == "0" && hodnota == "ENDSEC")
            break;
        if (kod == "0")
            entity.emplace_back();
        entity.back().skupiny.emplace_back(kod, hodnota);
    }
    return entity;
}

std::vector<Entita> Vyber(const std::vector<Entita>& entity, const std::string& typ, const std::string& vrstva)
{
    std::vector<Entita> vyber;
    for (const Entita& entita : entity)
        if (entita.Typ() == typ && entita.Vrstva() == vrstva)
            vyber.push_back(entita);
    return vyber;
}

} // namespace lineon::test
