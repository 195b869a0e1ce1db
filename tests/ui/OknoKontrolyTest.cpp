#include "PomocUi.h"
#include "ui/DialogRoviny.h"
#include "ui/OknoKontroly.h"
#include "ui/OknoNahledu.h"
#include "ui/PlatnoNahledu.h"
#include "ui/TabulkaRadku.h"

#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

using namespace lineon;

class OknoKontrolyTest : public QObject {
    Q_OBJECT

private slots:
    // The example sewer has a section below its minimum slope and a manhole whose outlet lies above
    // its inlet; a double-click on a finding puts the table cursor on its row.
    void nalezyPoVypoctuAPrechodNaRadek()
    {
        test::SpustenyProgram p;
        p.OtevritPriklad("kanalizace.csv");
        p.Okno().Akce().Vypocet->trigger();
        ui::OknoKontroly& okno = p.program->Kontrola();
        QVERIFY(okno.isVisible());
        QCOMPARE(okno.windowTitle(), QString::fromUtf8("Kontrola linie"));
        QTableWidget& seznam = okno.Seznam();
        QCOMPARE(seznam.rowCount(), 2);
        QCOMPARE(seznam.item(0, 0)->text(), QString::fromUtf8("Varování"));
        QCOMPARE(seznam.item(0, 1)->text(), QString::fromUtf8("úsek 6"));
        QCOMPARE(seznam.item(1, 0)->text(), QString::fromUtf8("Chyba"));
        QCOMPARE(seznam.item(1, 1)->text(), QString::fromUtf8("bod 8"));
        QVERIFY(seznam.item(1, 2)->text().startsWith(QString::fromUtf8("Šachta Š8: odtok")));
        emit seznam.cellDoubleClicked(1, 2);
        QCOMPARE(p.Okno().TabulkaBodu().currentIndex().row() + 1, 8);

        // The profile drawn after the plane is confirmed marks both in red at their stationings.
        QTest::mouseClick(p.program->Rovina().OKButton(), Qt::LeftButton);
        ui::OknoNahledu& nahled = p.program->Nahled();
        QCOMPARE(nahled.Znacky().size(), std::size_t(2));
        const QImage obraz = nahled.Platno().grab().toImage();
        for (const TZnackaNalezu& znacka : nahled.Znacky()) {
            QVERIFY(znacka.x > 0 && znacka.x < 1);
            const QColor barva =
                obraz.pixelColor(static_cast<int>(nahled.Platno().XZnacky(znacka.x)), nahled.Platno().height() / 2);
            QVERIFY2(barva.red() > 150 && barva.green() < 100, qPrintable(barva.name()));
        }

        // A line that passes every check closes the list.
        p.Okno().PrepnoutDruhSite(TDruhSite::Vodovod);
        p.OtevritPriklad("vodovod.csv");
        p.Okno().Akce().Vypocet->trigger();
        QVERIFY(!okno.isVisible());
        QVERIFY(nahled.Znacky().empty());
    }
};

QTEST_MAIN(OknoKontrolyTest)
#include "OknoKontrolyTest.moc"
