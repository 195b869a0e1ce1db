#include "data/Stav.h"
#include "ui/HlavniOkno.h"

#include <QtTest>

class HlavniOknoTest : public QObject {
    Q_OBJECT
private slots:
    void titulekNovehoProjektu()
    {
        lineon::TStav stav;
        lineon::ui::HlavniOkno okno(stav);
        QCOMPARE(okno.windowTitle(), QString::fromUtf8("Lineon 2.11 - CZ - Kanalizace - Bezejména"));
    }
};

QTEST_MAIN(HlavniOknoTest)
#include "HlavniOknoTest.moc"
