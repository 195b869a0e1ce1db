#include "gis/GeoPackage.h"

#include "zaklad/Chyba.h"
#include "zaklad/Soubor.h"
#include "data/Stav.h"

#include <cpl_error.h>
#include <gdal.h>
#include <ogr_api.h>
#include <ogr_srs_api.h>

#include <memory>
#include <mutex>
#include <type_traits>
#include <variant>

namespace lineon {

namespace {

constexpr int SJtskKrovakEastNorth = 5514;

/// GDAL's messages are kept instead of printed; the first failure is told to the user.
class ChybyGdal {
public:
    ChybyGdal() { CPLPushErrorHandlerEx(&ChybyGdal::Zachytit, this); }
    ~ChybyGdal() { CPLPopErrorHandler(); }
    ChybyGdal(const ChybyGdal&) = delete;
    ChybyGdal& operator=(const ChybyGdal&) = delete;

    bool Nastala() const { return nastala_; }
    const std::string& Text() const { return text_; }

private:
    static void CPL_STDCALL Zachytit(CPLErr druh, CPLErrorNum, const char* text)
    {
        auto* chyby = static_cast<ChybyGdal*>(CPLGetErrorHandlerUserData());
        if (druh < CE_Failure || chyby->nastala_)
            return;
        chyby->nastala_ = true;
        chyby->text_ = text ? text : "";
    }

    bool nastala_ = false;
    std::string text_;
};

struct ZavritDataset {
    void operator()(GDALDatasetH ds) const { GDALClose(ds); }
};
struct UvolnitSouradnice {
    void operator()(OGRSpatialReferenceH srs) const { OSRRelease(srs); }
};
struct ZnicitPrvek {
    void operator()(OGRFeatureH prvek) const { OGR_F_Destroy(prvek); }
};
using Dataset = std::unique_ptr<std::remove_pointer_t<GDALDatasetH>, ZavritDataset>;
using Souradnice = std::unique_ptr<std::remove_pointer_t<OGRSpatialReferenceH>, UvolnitSouradnice>;
using Prvek = std::unique_ptr<std::remove_pointer_t<OGRFeatureH>, ZnicitPrvek>;

class ZapisGeoPackage {
public:
    ZapisGeoPackage(const std::string& cesta, const soubor::Disk& disk) : cesta_(cesta), disk_(disk) {}

    void Zapsat(const std::vector<TVrstvaGis>& vrstvy)
    {
        static std::once_flag registrace;
        std::call_once(registrace, [] { GDALAllRegister(); });
        soubor::NahradaSouboru nahrada(cesta_, disk_);
        {
            GDALDriverH ovladac = GDALGetDriverByName("GPKG");
            if (!ovladac)
                Selhat("knihovna GDAL nemá ovladač GPKG");
            const Dataset ds(GDALCreate(ovladac, nahrada.Docasny().c_str(), 0, 0, 0, GDT_Unknown, nullptr));
            if (!ds)
                Selhat();
            const Souradnice srs(OSRNewSpatialReference(nullptr));
            if (OSRImportFromEPSG(srs.get(), SJtskKrovakEastNorth) != OGRERR_NONE)
                Selhat("knihovna GDAL nezná souřadnicový systém EPSG:5514");
            OSRSetAxisMappingStrategy(srs.get(), OAMS_TRADITIONAL_GIS_ORDER);
            // One transaction: thousands of rows would otherwise each wait for the disk.
            if (GDALDatasetStartTransaction(ds.get(), FALSE) != OGRERR_NONE)
                Selhat();
            for (const TVrstvaGis& vrstva : vrstvy)
                ZapsatVrstvu(ds.get(), srs.get(), vrstva);
            if (GDALDatasetCommitTransaction(ds.get()) != OGRERR_NONE)
                Selhat();
        }
        // Closing writes what the library still holds; a failure there is reported to the handler.
        if (chyby_.Nastala())
            Selhat();
        nahrada.Nahradit();
    }

private:
    /// One message: the reason given, else the library's first failure.
    [[noreturn]] void Selhat(const std::string& duvod = {}) const
    {
        throw Chyba("Soubor „" + cesta_ + "“ nelze zapsat: "
                    + (duvod.empty() ? "knihovna GDAL ohlásila „" + chyby_.Text() + "“" : duvod) + ".");
    }

    void ZapsatVrstvu(GDALDatasetH ds, OGRSpatialReferenceH srs, const TVrstvaGis& vrstva) const
    {
        const std::string nazev(vrstva.Nazev);
        OGRLayerH vrstvaGdal = GDALDatasetCreateLayer(
            ds, nazev.c_str(), srs, vrstva.Geometrie == GeometrieGis::Bod ? wkbPoint : wkbLineString, nullptr);
        if (!vrstvaGdal)
            Selhat();
        for (const TPoleGis& pole : vrstva.Pole)
            VytvoritPole(vrstvaGdal, pole);
        for (const TPrvekGis& prvek : vrstva.Prvky)
            ZapsatPrvek(vrstvaGdal, vrstva.Geometrie, prvek);
    }

    void VytvoritPole(OGRLayerH vrstva, const TPoleGis& pole) const
    {
        const std::string nazev(pole.Nazev);
        OGRFieldType typ = OFTString;
        if (pole.Typ == TypPoleGis::Cele || pole.Typ == TypPoleGis::Logicke)
            typ = OFTInteger;
        else if (pole.Typ == TypPoleGis::Realne)
            typ = OFTReal;
        OGRFieldDefnH definice = OGR_Fld_Create(nazev.c_str(), typ);
        if (pole.Typ == TypPoleGis::Logicke)
            OGR_Fld_SetSubType(definice, OFSTBoolean);
        const OGRErr vysledek = OGR_L_CreateField(vrstva, definice, TRUE);
        OGR_Fld_Destroy(definice);
        if (vysledek != OGRERR_NONE)
            Selhat();
    }

    void ZapsatPrvek(OGRLayerH vrstva, GeometrieGis geometrie, const TPrvekGis& prvek) const
    {
        const Prvek f(OGR_F_Create(OGR_L_GetLayerDefn(vrstva)));
        OGRGeometryH g = OGR_G_CreateGeometry(geometrie == GeometrieGis::Bod ? wkbPoint : wkbLineString);
        for (const TPolohaGis& poloha : prvek.Polohy)
            OGR_G_AddPoint_2D(g, -poloha.Y, -poloha.X);
        OGR_F_SetGeometryDirectly(f.get(), g);
        for (std::size_t k = 0; k < prvek.Hodnoty.size(); ++k) {
            const int i = static_cast<int>(k);
            std::visit(
                [&](const auto& h) {
                    using H = std::decay_t<decltype(h)>;
                    if constexpr (std::is_same_v<H, std::monostate>)
                        OGR_F_SetFieldNull(f.get(), i);
                    else if constexpr (std::is_same_v<H, std::string>)
                        OGR_F_SetFieldString(f.get(), i, h.c_str());
                    else if constexpr (std::is_same_v<H, double>)
                        OGR_F_SetFieldDouble(f.get(), i, h);
                    else
                        OGR_F_SetFieldInteger(f.get(), i, static_cast<int>(h));
                },
                prvek.Hodnoty[k]);
        }
        if (OGR_L_CreateFeature(vrstva, f.get()) != OGRERR_NONE)
            Selhat();
    }

    const std::string& cesta_;
    const soubor::Disk& disk_;
    ChybyGdal chyby_;
};

} // namespace

void ZapsatGeoPackage(const std::vector<TVrstvaGis>& vrstvy, const std::string& cesta, const soubor::Disk& disk)
{
    ZapisGeoPackage(cesta, disk).Zapsat(vrstvy);
}

void VytvoritGeoPackage(const TStav& stav)
{
    if (!stav.Doplnky.gpkgcheck)
        return;
    ZapsatGeoPackage(VrstvyGis(stav), stav.Nastaveni.AdresarProjektu + stav.Doplnky.SouborGpkg, *stav.Disk);
}

} // namespace lineon
