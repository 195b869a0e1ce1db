#include "malba/PdfVykresu.h"

#include "malba/MalbaVykresu.h"
#include "zaklad/Chyba.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace lineon::malba {

namespace {

constexpr double PrekryvMm = 10;
const QSizeF A3NaSirku(420, 297);

/// How many sheets of `papir` mm with the overlap cover `delka` mm.
int PocetListu(double delka, double papir)
{
    if (delka <= papir)
        return 1;
    return static_cast<int>(std::ceil((delka - PrekryvMm) / (papir - PrekryvMm)));
}

double SirkaMm(const TVykres& v) { return (v.maxX - v.minX) * v.mmNaJednotku; }
double VyskaMm(const TVykres& v) { return (v.maxY - v.minY) * v.mmNaJednotku; }

void CisloListu(QPainter& malir, const QString& text, QSizeF stranka, double bodyNaMm)
{
    QFont pismo(PismoVykresu());
    pismo.setPixelSize(std::max(1, static_cast<int>(std::lround(3.5 * bodyNaMm))));
    malir.setFont(pismo);
    malir.setPen(Qt::black);
    const QRectF okraj(0, 0, (stranka.width() - 4) * bodyNaMm, (stranka.height() - 3) * bodyNaMm);
    malir.drawText(okraj, Qt::AlignRight | Qt::AlignBottom, text);
}

/// Fonts need an application of Qt Gui; the batch program has none until its first PDF, and no
/// display: it paints off screen unless told otherwise.
void ZajistitAplikaci()
{
    if (QCoreApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Its remarks about the environment (no runtime directory, no display) are no concern of a
    // batch run.
    qInstallMessageHandler([](QtMsgType druh, const QMessageLogContext&, const QString& zprava) {
        if (druh == QtCriticalMsg || druh == QtFatalMsg)
            std::fprintf(stderr, "%s\n", qPrintable(zprava));
    });
    static int argc = 1;
    static char nazev[] = "lineon-cli";
    static char* argv[] = {nazev, nullptr};
    static QGuiApplication aplikace(argc, argv);
}

} // namespace

std::vector<TList> Listy(const TVykres& vykres, QSizeF papirMm)
{
    const int sloupcu = PocetListu(SirkaMm(vykres), papirMm.width());
    const int radku = PocetListu(VyskaMm(vykres), papirMm.height());
    const double krokX = (papirMm.width() - PrekryvMm) / vykres.mmNaJednotku;
    const double krokY = (papirMm.height() - PrekryvMm) / vykres.mmNaJednotku;
    // A sheet on which nothing is drawn stays out, as it would go blank into the report.
    std::vector<bool> obsazeny(static_cast<std::size_t>(sloupcu) * static_cast<std::size_t>(radku), sloupcu * radku == 1);
    const auto sloupec = [&](double x) { return std::clamp(static_cast<int>(std::floor((x - vykres.minX) / krokX)), 0, sloupcu - 1); };
    const auto radek = [&](double y) { return std::clamp(static_cast<int>(std::floor((vykres.maxY - y) / krokY)), 0, radku - 1); };
    for (const TPrvekVykresu& p : vykres.prvky) {
        const double okraj = p.druh == TPrvekVykresu::Druh::Kruh ? p.polomer : 0;
        const double x2 = p.druh == TPrvekVykresu::Druh::Cara ? p.x2 : p.x1;
        const double y2 = p.druh == TPrvekVykresu::Druh::Cara ? p.y2 : p.y1;
        for (int r = radek(std::max(p.y1, y2) + okraj); r <= radek(std::min(p.y1, y2) - okraj); ++r)
            for (int c = sloupec(std::min(p.x1, x2) - okraj); c <= sloupec(std::max(p.x1, x2) + okraj); ++c)
                obsazeny[static_cast<std::size_t>(r * sloupcu + c)] = true;
    }
    std::vector<TList> listy;
    for (int r = 0; r < radku; ++r)
        for (int c = 0; c < sloupcu; ++c)
            if (obsazeny[static_cast<std::size_t>(r * sloupcu + c)])
                listy.push_back({vykres.minX + c * krokX, vykres.maxY - r * krokY, static_cast<int>(listy.size()) + 1});
    return listy;
}

void MalovatNaListy(QPainter& malir, QPagedPaintDevice& zarizeni, const TVykres& vykres, QSizeF papirMm)
{
    const double bodyNaMm = zarizeni.logicalDpiX() / 25.4;
    const std::vector<TList> listy = Listy(vykres, papirMm);
    for (const TList& list : listy) {
        if (list.cislo > 1)
            zarizeni.newPage();
        malir.fillRect(QRectF(0, 0, papirMm.width() * bodyNaMm, papirMm.height() * bodyNaMm), Qt::white);
        Malovat(malir, vykres, {vykres.mmNaJednotku * bodyNaMm, list.x0, list.y0}, Pozadi::Svetle, 0.18 * bodyNaMm);
        if (listy.size() > 1)
            CisloListu(malir, QString::fromUtf8("list %1/%2").arg(list.cislo).arg(listy.size()), papirMm, bodyNaMm);
    }
}

void VystupPdf::Ulozit(const TVykres& vykres, const std::string& cesta, bool naListyA3,
                       const soubor::Disk& disk) const
{
    ZajistitAplikaci();
    soubor::NahradaSouboru nahrada(cesta, disk);
    const QSizeF papir = naListyA3 ? A3NaSirku : QSizeF(SirkaMm(vykres), VyskaMm(vykres));
    {
        QPdfWriter pdf(QString::fromStdString(nahrada.Docasny()));
        pdf.setCreator(QStringLiteral("Lineon"));
        pdf.setTitle(QFileInfo(QString::fromStdString(cesta)).fileName());
        pdf.setResolution(1200);
        pdf.setPageLayout(QPageLayout(QPageSize(papir, QPageSize::Millimeter, QString(), QPageSize::ExactMatch), QPageLayout::Portrait, QMarginsF()));
        QPainter malir;
        if (!malir.begin(&pdf))
            throw Chyba("Soubor „" + cesta + "“ nelze zapsat.");
        MalovatNaListy(malir, pdf, vykres, papir);
        if (!malir.end())
            throw Chyba("Soubor „" + cesta + "“ nelze zapsat.");
    }
    nahrada.Nahradit();
}

} // namespace lineon::malba
