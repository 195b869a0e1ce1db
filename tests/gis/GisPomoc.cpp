#include "GisPomoc.h"

#include "TestPomoc.h"
#include "calc/Vypocet.h"

#include <gdal.h>
#include <ogr_api.h>
#include <ogr_srs_api.h>

#include <stdexcept>

namespace lineon::test {

namespace {

TypPoleGis TypPole(OGRFieldDefnH pole)
{
    switch (OGR_Fld_GetType(pole)) {
    case OFTInteger: return OGR_Fld_GetSubType(pole) == OFSTBoolean ? TypPoleGis::Logicke : TypPoleGis::Cele;
    case OFTReal: return TypPoleGis::Realne;
    case OFTString: return TypPoleGis::Text;
    default: throw std::runtime_error(std::string("unexpected field type of ") + OGR_Fld_GetNameRef(pole));
    }
}

HodnotaGis Hodnota(OGRFeatureH prvek, int i, TypPoleGis typ)
{
    if (OGR_F_IsFieldNull(prvek, i))
        return {};
    switch (typ) {
    case TypPoleGis::Cele: return OGR_F_GetFieldAsInteger(prvek, i);
    case TypPoleGis::Logicke: return OGR_F_GetFieldAsInteger(prvek, i) != 0;
    case TypPoleGis::Realne: return OGR_F_GetFieldAsDouble(prvek, i);
    case TypPoleGis::Text: return std::string(OGR_F_GetFieldAsString(prvek, i));
    }
    return {};
}

TPrectenaVrstva PrecistVrstvu(OGRLayerH vrstva)
{
    TPrectenaVrstva vysledek;
    OGRSpatialReferenceH srs = OGR_L_GetSpatialRef(vrstva);
    const char* kod = srs ? OSRGetAuthorityCode(srs, nullptr) : nullptr;
    vysledek.Epsg = kod ? kod : "";
    OGRFeatureDefnH definice = OGR_L_GetLayerDefn(vrstva);
    for (int i = 0; i < OGR_FD_GetFieldCount(definice); ++i) {
        OGRFieldDefnH pole = OGR_FD_GetFieldDefn(definice, i);
        vysledek.Pole.emplace_back(OGR_Fld_GetNameRef(pole), TypPole(pole));
    }
    OGR_L_ResetReading(vrstva);
    while (OGRFeatureH prvek = OGR_L_GetNextFeature(vrstva)) {
        TPrvekGis p;
        OGRGeometryH g = OGR_F_GetGeometryRef(prvek);
        for (int k = 0; g && k < OGR_G_GetPointCount(g); ++k)
            p.Polohy.push_back({OGR_G_GetX(g, k), OGR_G_GetY(g, k)});
        for (std::size_t i = 0; i < vysledek.Pole.size(); ++i)
            p.Hodnoty.push_back(Hodnota(prvek, static_cast<int>(i), vysledek.Pole[i].second));
        vysledek.Prvky.push_back(std::move(p));
        OGR_F_Destroy(prvek);
    }
    return vysledek;
}

} // namespace

std::unique_ptr<TStav> SpocitanyPriklad(const std::string& nazev, int druh)
{
    auto stav = std::make_unique<TStav>();
    NastavitDruhSite(stav->Nastaveni, static_cast<TDruhSite>(druh));
    Otevrit(*stav, ZdrojovyAdresar() + "examples/" + nazev, FormatProjektu::Tabulka);
    ZaznamZprav zpravy;
    ZadneVystupy vystupy;
    if (!Vypocet(*stav, zpravy, vystupy))
        throw std::runtime_error("the calculation of " + nazev + " stopped");
    return stav;
}

std::vector<std::pair<std::string, TPrectenaVrstva>> PrecistGeoPackage(const std::string& cesta)
{
    GDALAllRegister();
    const char* const ovladace[] = {"GPKG", nullptr};
    GDALDatasetH ds = GDALOpenEx(cesta.c_str(), GDAL_OF_VECTOR | GDAL_OF_READONLY, ovladace, nullptr, nullptr);
    if (!ds)
        throw std::runtime_error("GDAL cannot open " + cesta);
    std::vector<std::pair<std::string, TPrectenaVrstva>> vrstvy;
    for (int i = 0; i < GDALDatasetGetLayerCount(ds); ++i) {
        OGRLayerH vrstva = GDALDatasetGetLayer(ds, i);
        vrstvy.emplace_back(OGR_L_GetName(vrstva), PrecistVrstvu(vrstva));
    }
    GDALClose(ds);
    return vrstvy;
}

} // namespace lineon::test
