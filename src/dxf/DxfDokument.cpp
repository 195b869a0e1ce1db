#include "dxf/DxfDokument.h"

#include "dxf/VrstvySituace.h"
#include "zaklad/Cisla.h"

#include <string>

namespace lineon::dxf {

namespace {

void Promenna(DxfZapis& zapis, std::string_view nazev)
{
    zapis.Skupina(9, nazev);
}

/// A point or a direction in three groups (x, x + 10, x + 20).
void Bod(DxfZapis& zapis, int kodX, std::string_view x, std::string_view y, std::string_view z = "0.0")
{
    zapis.Skupina(kodX, x);
    zapis.Skupina(kodX + 10, y);
    zapis.Skupina(kodX + 20, z);
}

void ZacatekTabulky(DxfZapis& zapis, std::string_view nazev, std::string_view pocet)
{
    zapis.Skupina(0, "TABLE");
    zapis.Skupina(2, nazev);
    zapis.Skupina(70, pocet);
}

void TabulkaTypuCar(DxfZapis& zapis)
{
    ZacatekTabulky(zapis, "LTYPE", "     1");
    zapis.Skupina(0, "LTYPE");
    zapis.Skupina(2, "CONTINUOUS");
    zapis.Skupina(70, "    64");
    zapis.Skupina(3, " Solid line");
    zapis.Skupina(72, "    65");
    zapis.Skupina(73, "     0");
    zapis.Skupina(40, "0.000");
    zapis.Skupina(0, "ENDTAB");
}

void TabulkaVrstev(DxfZapis& zapis, std::span<const TVrstva> vrstvy)
{
    // The head says 3 whatever the number of entries.
    ZacatekTabulky(zapis, "LAYER", "     3");
    for (const TVrstva& vrstva : vrstvy) {
        zapis.Skupina(0, "LAYER");
        zapis.Skupina(2, vrstva.Nazev);
        zapis.Skupina(70, "     0");
        zapis.Skupina(62, "     " + std::to_string(vrstva.Barva));
        zapis.Skupina(6, "CONTINUOUS");
    }
    zapis.Skupina(0, "ENDTAB");
}

void StylPisma(DxfZapis& zapis, std::string_view nazev, std::string_view priznaky, std::string_view sklon,
               std::string_view pismo)
{
    zapis.Skupina(0, "STYLE");
    zapis.Skupina(2, nazev);
    zapis.Skupina(70, priznaky);
    zapis.Skupina(40, "0.0");
    zapis.Skupina(41, "1.0");
    zapis.Skupina(50, "0.0");
    zapis.Skupina(71, "     0");
    zapis.Skupina(42, sklon);
    zapis.Skupina(3, pismo);
    zapis.Skupina(4, " ");
}

void TabulkaStylu(DxfZapis& zapis)
{
    ZacatekTabulky(zapis, "STYLE", "     2");
    StylPisma(zapis, "STANDARD", "     0", "0.2", "ces");
    StylPisma(zapis, "KOMPLEX", "    64", "0.233235", "komplex");
    zapis.Skupina(0, "ENDTAB");
}

void TabulkaPohledu(DxfZapis& zapis)
{
    ZacatekTabulky(zapis, "VIEW", "     0");
    zapis.Skupina(0, "ENDTAB");
}

void TabulkaSouradnicovychSystemu(DxfZapis& zapis)
{
    ZacatekTabulky(zapis, "UCS", "     1");
    zapis.Skupina(0, "UCS");
    zapis.Skupina(2, "KROVAK");
    zapis.Skupina(70, "     0");
    Bod(zapis, 10, "0.0", "0.0");
    Bod(zapis, 11, "-1.0", "0.0");
    Bod(zapis, 12, "0.0", "-1.0");
    zapis.Skupina(0, "ENDTAB");
}

void ZacatekBloku(DxfZapis& zapis, std::string_view nazev)
{
    zapis.Skupina(0, "BLOCK");
    zapis.Skupina(6, "CONTINUOUS");
    zapis.Skupina(2, nazev);
    zapis.Skupina(10, "0.0");
    zapis.Skupina(20, "0.0");
}

void KruhBloku(DxfZapis& zapis, std::string_view polomer)
{
    zapis.Skupina(0, "CIRCLE");
    zapis.Skupina(6, "CONTINUOUS");
    Bod(zapis, 10, "0.0", "0.0");
    zapis.Skupina(40, polomer);
    Bod(zapis, 210, "0.0", "0.0", "1.0");
}

void CaraBloku(DxfZapis& zapis, std::string_view x1, std::string_view y1, std::string_view x2, std::string_view y2)
{
    zapis.Skupina(0, "LINE");
    zapis.Skupina(6, "CONTINUOUS");
    Bod(zapis, 10, x1, y1);
    Bod(zapis, 11, x2, y2);
}

void KonecBloku(DxfZapis& zapis)
{
    zapis.Skupina(0, "ENDBLK");
}

} // namespace

void Hlavicka(DxfZapis& zapis)
{
    zapis.Skupina(0, "SECTION");
    zapis.Skupina(2, "HEADER");
    Promenna(zapis, "$ACADVER");
    zapis.Skupina(1, "AC1009");
    // Without the code page readers take the texts for Western European (or Latin-1) and garble
    // every Czech letter.
    Promenna(zapis, "$DWGCODEPAGE");
    zapis.Skupina(3, "ANSI_1250");
    Promenna(zapis, "$INSBASE");
    Bod(zapis, 10, "0.0", "0.0");
}

void Rozsah(DxfZapis& zapis, double x1, double y1, double x2, double y2)
{
    const auto roh = [&](std::string_view nazev, double x, double y) {
        zapis.HolaSkupina(9, nazev);
        zapis.HolaSkupinaF(10, -x, 7, 3);
        zapis.HolaSkupinaF(20, -y, 7, 3);
    };
    roh("$EXTMIN", x1, y1);
    roh("$EXTMAX", x2, y2);
    roh("$LIMMIN", x1, y1);
    roh("$LIMMAX", x2, y2);
}

void Tabulky(DxfZapis& zapis, std::span<const TVrstva> vrstvy)
{
    const auto promenna = [&](std::string_view nazev, int kod, std::string_view hodnota) {
        Promenna(zapis, nazev);
        zapis.Skupina(kod, hodnota);
    };
    promenna("$LUNITS", 70, "     2");
    promenna("$LUPREC", 70, "     3");
    promenna("$AUNITS", 70, "     2");
    promenna("$AUPREC", 70, "     4");
    promenna("$ANGBASE", 50, "90.0");
    promenna("$ANGDIR", 70, "     1");
    promenna("$UCSNAME", 2, " ");
    Promenna(zapis, "$UCSORG");
    Bod(zapis, 10, "0.0", "0.0");
    Promenna(zapis, "$UCSXDIR");
    Bod(zapis, 10, "-1.0", "0.0");
    Promenna(zapis, "$UCSYDIR");
    Bod(zapis, 10, "0.0", "-1.0");
    promenna("$WORLDVIEW", 70, "     0");
    zapis.Skupina(0, "ENDSEC");

    zapis.Skupina(0, "SECTION");
    zapis.Skupina(2, "TABLES");
    TabulkaTypuCar(zapis);
    TabulkaVrstev(zapis, vrstvy);
    TabulkaStylu(zapis);
    TabulkaPohledu(zapis);
    TabulkaSouradnicovychSystemu(zapis);
    zapis.Skupina(0, "ENDSEC");
}

void BlokySituace(DxfZapis& zapis)
{
    // Block coordinates are written as they are, not negated.
    zapis.Skupina(0, "SECTION");
    zapis.Skupina(2, "BLOCKS");

    for (const TBlokZnacky& blok : BlokyZnacek) {
        ZacatekBloku(zapis, blok.Nazev);
        KruhBloku(zapis, blok.Polomer);
        for (std::size_t i = 0; i < blok.PocetCar; ++i)
            CaraBloku(zapis, blok.Cary[i].x1, blok.Cary[i].y1, blok.Cary[i].x2, blok.Cary[i].y2);
        KonecBloku(zapis);
    }

    zapis.Skupina(0, "ENDSEC");
}

void ZacatekEntit(DxfZapis& zapis)
{
    zapis.Skupina(0, "SECTION");
    zapis.Skupina(2, "ENTITIES");
}

void Konec(DxfZapis& zapis)
{
    zapis.HolaSkupina(0, "ENDSEC");
    zapis.HolaSkupina(0, "EOF");
}

} // namespace lineon::dxf
