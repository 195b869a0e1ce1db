#include "PomocUi.h"
#include "ui/DialogRoviny.h"
#include "profile/VyskaNahledu.h"
#include "ui/OknoNahledu.h"
#include "ui/PlatnoNahledu.h"
#include "profile/CteniProfilu.h"
#include "profile/KresbaProfilu.h"

#include <QAction>
#include <QPrinter>
#include <QWheelEvent>

#include <QPushButton>
#include <QtTest>

using namespace lineon;

class NahledTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::SpustenyProgram> p_;

    ui::OknoNahledu& Nahled() { return p_->program->Nahled(); }
    TStav& Stav() { return p_->Stav(); }

    /// The example sewer computed, and the plane dialog confirmed as proposed.
    void NakreslitPriklad()
    {
        p_->OtevritPriklad("kanalizace.csv");
        p_->Okno().Akce().Vypocet->trigger();
        QTest::mouseClick(p_->program->Rovina().OKButton(), Qt::LeftButton);
    }

private slots:
    void init() { p_ = std::make_unique<test::SpustenyProgram>(); }
    void cleanup() { p_.reset(); }

    void vykresMaVyskuPodleRozsahuAZavreniVyprazdniSeznam()
    {
        NakreslitPriklad();
        QVERIFY(Nahled().isVisible());
        QCOMPARE(Nahled().windowTitle(), QString::fromUtf8("Podélný profil"));
        QVERIFY(!Stav().SeznamKresby.empty());
        QCOMPARE(Nahled().height(), VyskaNahledu(Stav().RozsahProfilu, Nahled().width()));
        Nahled().resize(1000, 100);
        QCOMPARE(Nahled().height(), VyskaNahledu(Stav().RozsahProfilu, 1000));
        QVERIFY(!Stav().VykresProfilu.prvky.empty());
        Nahled().close();
        QVERIFY(Stav().SeznamKresby.empty());
        QVERIFY(Stav().VykresProfilu.prvky.empty());
    }

    void bezNaObrazovkuSeNahledSkryje()
    {
        NakreslitPriklad();
        QVERIFY(Nahled().isVisible());
        Stav().Vystupy.profobrcheck = false;
        p_->Okno().Akce().Vypocet->trigger();
        QTest::mouseClick(p_->program->Rovina().OKButton(), Qt::LeftButton);
        QVERIFY(!Nahled().isVisible());
    }

    void malujeVrstvyVBarvachSTextySDiakritikou()
    {
        // Extents twice as wide as high, fitted into the surface: a red line, a cyan circle and a
        // text on a layer of colour 7, white on the dark background and black on the light one.
        Stav().RozsahProfilu = {.Vlevo = 0, .Vpravo = 200, .Dole = 0, .Nahore = 100};
        Stav().VykresProfilu = {.minX = 0, .minY = 0, .maxX = 200, .maxY = 100, .mmNaJednotku = 5, .prvky = {
            {.barva = 1, .x1 = 10, .y1 = 10, .x2 = 10, .y2 = 90},
            {.druh = TPrvekVykresu::Druh::Kruh, .barva = 4, .x1 = 100, .y1 = 50, .polomer = 20},
            {.druh = TPrvekVykresu::Druh::Text, .barva = 7, .x1 = 140, .y1 = 20, .vyska = 12, .text = "Šř1"},
        }};
        Nahled().resize(650, 100);
        Nahled().Prekreslit();
        QCOMPARE(Nahled().height(), VyskaNahledu(Stav().RozsahProfilu, 650));
        ui::PlatnoNahledu& platno = Nahled().Platno();
        const auto bod = [&](double x, double y) { return platno.Zobrazeni().Na(x, y).toPoint(); };
        QImage obraz = platno.grab().toImage();
        const QColor pozadi = malba::BarvaPozadi(malba::Pozadi::Tmave);
        QCOMPARE(obraz.pixelColor(bod(50, 50)), pozadi);
        const auto nejvic = [&](QPoint b, auto slozka) {
            int n = 0;
            for (int dx = -1; dx <= 1; ++dx)
                n = std::max(n, slozka(obraz.pixelColor(b + QPoint(dx, 0))));
            return n;
        };
        QVERIFY(nejvic(bod(10, 50), [](QColor c) { return c.red() - c.green(); }) > 80);
        QVERIFY(nejvic(bod(120, 50), [](QColor c) { return c.blue() - c.red(); }) > 60);
        const auto svetlych = [&](const QImage& o, auto podminka) {
            int n = 0;
            for (int x = bod(140, 20).x(); x < bod(180, 20).x(); ++x)
                for (int y = bod(0, 33).y(); y < bod(0, 19).y(); ++y)
                    n += podminka(o.pixelColor(x, y)) ? 1 : 0;
            return n;
        };
        QVERIFY(svetlych(obraz, [](QColor c) { return c.lightness() > 200; }) > 20);
        Nahled().SvetlePozadi()->trigger();
        obraz = platno.grab().toImage();
        QCOMPARE(obraz.pixelColor(bod(50, 50)), QColor(Qt::white));
        QVERIFY(svetlych(obraz, [](QColor c) { return c.lightness() < 60; }) > 20);
    }

    void priblizeniKolemKurzoruPosunACelyVykres()
    {
        NakreslitPriklad();
        ui::PlatnoNahledu& platno = Nahled().Platno();
        const malba::TZobrazeni cely = platno.Zobrazeni();
        const QPointF kurzor(200, 40);
        const QPointF svet(cely.X(kurzor.x()), cely.Y(kurzor.y()));
        QWheelEvent kolecko(kurzor, platno.mapToGlobal(kurzor), {}, {0, 240}, Qt::NoButton, Qt::NoModifier,
                            Qt::NoScrollPhase, false);
        QApplication::sendEvent(&platno, &kolecko);
        QCOMPARE(platno.Zobrazeni().meritko, cely.meritko * 1.5625);
        QVERIFY((platno.Zobrazeni().Na(svet.x(), svet.y()) - kurzor).manhattanLength() < 1e-6);
        QTest::mousePress(&platno, Qt::LeftButton, {}, QPoint(300, 50));
        QTest::mouseMove(&platno, QPoint(340, 60));
        QTest::mouseRelease(&platno, Qt::LeftButton, {}, QPoint(340, 60));
        QVERIFY((platno.Zobrazeni().Na(svet.x(), svet.y()) - kurzor - QPointF(40, 10)).manhattanLength() < 1e-6);
        Nahled().CelyVykresAkce()->trigger();
        QCOMPARE(platno.Zobrazeni().meritko, cely.meritko);
        // Two zoom levels of the example, for the README.
        Nahled().grab().save(QString::fromUtf8(LINEON_TEST_OUTPUT_DIR "/nahled-cely.png"));
        const QPointF pasy(platno.width() * 0.3, platno.height() * 0.8);
        QWheelEvent blize(pasy, platno.mapToGlobal(pasy), {}, {0, 120 * 11}, Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(&platno, &blize);
        Nahled().grab().save(QString::fromUtf8(LINEON_TEST_OUTPUT_DIR "/nahled-priblizeny.png"));
    }

    void stavovyRadekCteStaniceniAKotu()
    {
        NakreslitPriklad();
        // The plane line near the first point: 2 m along it, at the plane R0.
        const auto [bx, by] = KresbaProfilu::ZakladniBod(Stav());
        ui::PlatnoNahledu& platno = Nahled().Platno();
        const QPoint zacatek = platno.Zobrazeni().Na(2 - static_cast<double>(by), -static_cast<double>(bx)).toPoint();
        const malba::TZobrazeni& z = platno.Zobrazeni();
        const auto bod = CistBodProfilu(Stav(), z.X(zacatek.x()), z.Y(zacatek.y()));
        const auto mys = [&](QPoint kde) {
            QMouseEvent pohyb(QEvent::MouseMove, kde, platno.mapToGlobal(kde), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(&platno, &pohyb);
        };
        mys(zacatek);
        QVERIFY(bod);
        QCOMPARE(Nahled().TextPolohy(), QString::fromStdString(TextBoduProfilu(*bod)));
        QVERIFY(Nahled().TextPolohy().startsWith(QString::fromUtf8("staničení 0.0 km + ")));
        QVERIFY(std::abs(bod->Staniceni - 2) < 1 / z.meritko);
        QVERIFY(std::abs(bod->Kota - Stav().Rovina.SrovnavaciRovina) < 1 / z.meritko / Stav().Rovina.PomerMeritek);
        // Left of the line nothing is read.
        mys(zacatek - QPoint(static_cast<int>(4 * z.meritko), 0));
        QCOMPARE(Nahled().TextPolohy(), QString());
    }

    void pdfATiskVeSkutecnemMeritku()
    {
        NakreslitPriklad();
        const std::string pdf = p_->adresar / "profil.pdf";
        QVERIFY(Nahled().UlozitPdf(pdf));
        QVERIFY(test::PrecistBajty(pdf).starts_with("%PDF"));
        Nahled().NaListyA3()->setChecked(true);
        QVERIFY(Nahled().UlozitPdf(pdf));
        QVERIFY(!Nahled().UlozitPdf(p_->adresar / "chybi/profil.pdf"));
        QCOMPARE(p_->zpravy.zpravy.back().druh, DruhZpravy::Chyba);

        QPrinter tiskarna(QPrinter::HighResolution);
        tiskarna.setOutputFormat(QPrinter::PdfFormat);
        tiskarna.setOutputFileName(QString::fromStdString(p_->adresar / "tisk.pdf"));
        tiskarna.setPageSize(QPageSize(QPageSize::A4));
        QVERIFY(Nahled().Tisknout(tiskarna));
        QVERIFY(test::PrecistBajty(p_->adresar / "tisk.pdf").starts_with("%PDF"));
    }
};

QTEST_MAIN(NahledTest)
#include "NahledTest.moc"
