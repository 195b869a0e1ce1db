#include "PomocUi.h"
#include "ui/OknoKontroly.h"
#include "ui/TabulkaRadku.h"

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

        // A line that passes every check closes the list.
        p.Okno().PrepnoutDruhSite(2);
        p.OtevritPriklad("vodovod.csv");
        p.Okno().Akce().Vypocet->trigger();
        QVERIFY(!okno.isVisible());
    }
};

QTEST_MAIN(OknoKontrolyTest)
#include "OknoKontrolyTest.moc"
