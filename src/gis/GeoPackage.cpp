#include "gis/GeoPackage.h"

#include "gis/KnihovnaGdal.h"
#include "zaklad/Chyba.h"
#include "zaklad/Soubor.h"
#include "data/Stav.h"

#include <memory>
#include <type_traits>
#include <variant>

namespace lineon {

namespace {

constexpr int SJtskKrovakEastNorth = 5514;

/// GDAL's messages are kept instead of printed; the first failure is told to the user.
class ChybyGdal {
public:
    explicit ChybyGdal(const TKnihovnaGdal& gdal) : gdal_(gdal)
    {
        gdal_.CPLPushErrorHandlerEx(&ChybyGdal::Zachytit, this);
    }
    ~ChybyGdal() { gdal_.CPLPopErrorHandler(); }
    ChybyGdal(const ChybyGdal&) = delete;
    ChybyGdal& operator=(const ChybyGdal&) = delete;

    bool Nastala() const { return nastala_; }
    const std::string& Text() const { return text_; }

private:
    static void CPL_STDCALL Zachytit(CPLErr druh, CPLErrorNum, const char* text)
    {
        // The library is loaded (the handler was pushed through it), and the handler is called on
        // the thread that pushed it, so the user data is this object.
        auto* chyby = static_cast<ChybyGdal*>(KnihovnaGdal(std::string()).CPLGetErrorHandlerUserData());
        if (druh < CE_Failure || chyby->nastala_)
            return;
        chyby->nastala_ = true;
        chyby->text_ = text ? text : "";
    }

    const TKnihovnaGdal& gdal_;
    bool nastala_ = false;
    std::string text_;
};

struct ZavritDataset {
    decltype(&::GDALClose) zavrit;
    void operator()(GDALDatasetH ds) const { zavrit(ds); }
};
struct UvolnitSouradnice {
    decltype(&::OSRRelease) uvolnit;
    void operator()(OGRSpatialReferenceH srs) const { uvolnit(srs); }
};
struct ZnicitPrvek {
    decltype(&::OGR_F_Destroy) znicit;
    void operator()(OGRFeatureH prvek) const { znicit(prvek); }
};
using Dataset = std::unique_ptr<std::remove_pointer_t<GDALDatasetH>, ZavritDataset>;
using Souradnice = std::unique_ptr<std::remove_pointer_t<OGRSpatialReferenceH>, UvolnitSouradnice>;
using Prvek = std::unique_ptr<std::remove_pointer_t<OGRFeatureH>, ZnicitPrvek>;

class ZapisGeoPackage {
public:
    ZapisGeoPackage(const std::string& cesta, const soubor::Disk& disk)
        : cesta_(cesta), disk_(disk), gdal_(KnihovnaGdal(cesta)), chyby_(gdal_)
    {
    }

    void Zapsat(const std::vector<TVrstvaGis>& vrstvy)
    {
        soubor::NahradaSouboru nahrada(cesta_, disk_);
        {
            GDALDriverH ovladac = gdal_.GDALGetDriverByName("GPKG");
            if (!ovladac)
                Selhat("knihovna GDAL nemá ovladač GPKG");
            const Dataset ds(gdal_.GDALCreate(ovladac, nahrada.Docasny().c_str(), 0, 0, 0, GDT_Unknown, nullptr),
                             {gdal_.GDALClose});
            if (!ds)
                Selhat();
            const Souradnice srs(gdal_.OSRNewSpatialReference(nullptr), {gdal_.OSRRelease});
            if (gdal_.OSRImportFromEPSG(srs.get(), SJtskKrovakEastNorth) != OGRERR_NONE)
                Selhat("knihovna GDAL nezná souřadnicový systém EPSG:5514");
            gdal_.OSRSetAxisMappingStrategy(srs.get(), OAMS_TRADITIONAL_GIS_ORDER);
            // One transaction: thousands of rows would otherwise each wait for the disk.
            if (gdal_.GDALDatasetStartTransaction(ds.get(), FALSE) != OGRERR_NONE)
                Selhat();
            for (const TVrstvaGis& vrstva : vrstvy)
                ZapsatVrstvu(ds.get(), srs.get(), vrstva);
            if (gdal_.GDALDatasetCommitTransaction(ds.get()) != OGRERR_NONE)
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
        OGRLayerH vrstvaGdal = gdal_.GDALDatasetCreateLayer(
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
        OGRFieldDefnH definice = gdal_.OGR_Fld_Create(nazev.c_str(), typ);
        if (pole.Typ == TypPoleGis::Logicke)
            gdal_.OGR_Fld_SetSubType(definice, OFSTBoolean);
        const OGRErr vysledek = gdal_.OGR_L_CreateField(vrstva, definice, TRUE);
        gdal_.OGR_Fld_Destroy(definice);
        if (vysledek != OGRERR_NONE)
            Selhat();
    }

    void ZapsatPrvek(OGRLayerH vrstva, GeometrieGis geometrie, const TPrvekGis& prvek) const
    {
        const Prvek f(gdal_.OGR_F_Create(gdal_.OGR_L_GetLayerDefn(vrstva)), {gdal_.OGR_F_Destroy});
        OGRGeometryH g = gdal_.OGR_G_CreateGeometry(geometrie == GeometrieGis::Bod ? wkbPoint : wkbLineString);
        for (const TPolohaGis& poloha : prvek.Polohy)
            gdal_.OGR_G_AddPoint_2D(g, -poloha.Y, -poloha.X);
        gdal_.OGR_F_SetGeometryDirectly(f.get(), g);
        for (std::size_t k = 0; k < prvek.Hodnoty.size(); ++k) {
            const int i = static_cast<int>(k);
            std::visit(
                [&](const auto& h) {
                    using H = std::decay_t<decltype(h)>;
                    if constexpr (std::is_same_v<H, std::monostate>)
                        gdal_.OGR_F_SetFieldNull(f.get(), i);
                    else if constexpr (std::is_same_v<H, std::string>)
                        gdal_.OGR_F_SetFieldString(f.get(), i, h.c_str());
                    else if constexpr (std::is_same_v<H, double>)
                        gdal_.OGR_F_SetFieldDouble(f.get(), i, h);
                    else
                        gdal_.OGR_F_SetFieldInteger(f.get(), i, static_cast<int>(h));
                },
                prvek.Hodnoty[k]);
        }
        if (gdal_.OGR_L_CreateFeature(vrstva, f.get()) != OGRERR_NONE)
            Selhat();
    }

    const std::string& cesta_;
    const soubor::Disk& disk_;
    const TKnihovnaGdal& gdal_;
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
