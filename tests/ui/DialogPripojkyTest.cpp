#include "PomocUi.h"
#include "ui/CiselnePole.h"
#include "ui/DialogPripojky.h"
#include "ui/TabulkaRadku.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace lineon;

class DialogPripojkyTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::SpustenyProgram> p_;

    ui::DialogPripojky& Dialog() { return p_->program->Pripojka(); }
    const TPripojka& Pripojka(int r) { return p_->Stav().Projekt.Pripojky[r]; }

    void Otevrit(int radek, int sloupec)
    {
        p_->Okno().TabulkaPripojek().NastavitKurzor(radek, sloupec);
        QTest::keyClick(&p_->Okno().TabulkaPripojek(), Qt::Key_Return);
        QVERIFY(Dialog().isVisible());
    }

    void Napsat(int pole, const char* text)
    {
        Dialog().editprip(pole)->selectAll();
        QTest::keyClicks(Dialog().editprip(pole), QString::fromUtf8(text));
    }

    QString Text(int pole) { return Dialog().editprip(pole)->text(); }

private slots:
    void init()
    {
        p_ = std::make_unique<test::SpustenyProgram>();
        p_->OtevritUkazku();
    }
    void cleanup()
    {
        Dialog().reject();
        p_.reset();
    }

    void otevreniNactePoleAVysku()
    {
        Otevrit(1, 5);
        QCOMPARE(Dialog().windowTitle(), QString::fromUtf8("Záznam č. 1"));
        QCOMPARE(Text(1), QStringLiteral("p"));
        QCOMPARE(Text(5), QString::fromUtf8("DŠ1"));
        QCOMPARE(Text(10), QStringLiteral("1.20"));
        QCOMPARE(Dialog().focusWidget(), Dialog().editprip(5));
        QVERIFY(!Dialog().editprip(10)->isEnabled());
    }

    void zpusob0PrepocitaVyskuPriKazdemZnaku()
    {
        Otevrit(1, 9);
        Napsat(9, "245.3");
        QCOMPARE(Text(10), QStringLiteral("0.70"));
        QCOMPARE(Text(9), QStringLiteral("245.3"));
        QTest::keyClick(Dialog().editprip(9), Qt::Key_0);
        QCOMPARE(Text(9), QStringLiteral("245.30"));
        Napsat(9, "246.5");
        // A bottom above the cover shows as a negative height.
        QCOMPARE(Text(10), QStringLiteral("-0.50"));
    }

    void zpusob1AZpusob2DopocitajiUrovne()
    {
        Otevrit(1, 1);
        Dialog().Zpusob(ZpusobEditaceVysky::ZDnaVyska)->click();
        QVERIFY(!Dialog().editprip(8)->isEnabled());
        QVERIFY(Dialog().editprip(10)->isEnabled());
        Napsat(9, "245.30");
        Napsat(10, "1.20");
        QCOMPARE(Text(8), QStringLiteral("246.50"));
        Dialog().Zpusob(ZpusobEditaceVysky::ZPoklopuVyska)->click();
        // Choosing a way changes no value.
        QCOMPARE(Text(8), QStringLiteral("246.50"));
        Napsat(10, "1.50");
        QCOMPARE(Text(9), QStringLiteral("245.00"));
        Dialog().TlacitkoOk()->click();
        QVERIFY(qAbs(Pripojka(1).ZPoklopuDS - 246.5) < 1e-9);
        QVERIFY(qAbs(Pripojka(1).ZDnaDS - 245.0) < 1e-9);
        QVERIFY(p_->Stav().Projekt.Zmeneno);
        Otevrit(2, 1);
        QVERIFY(Dialog().Zpusob(ZpusobEditaceVysky::ZPoklopuVyska)->isChecked());
        QVERIFY(!Dialog().editprip(9)->isEnabled());
    }

    void cancelPoPsaniNechaRadek()
    {
        const TPripojka pred = Pripojka(1);
        Otevrit(1, 1);
        Napsat(1, "  ka ");
        Napsat(9, "100");
        Dialog().TlacitkoCancel()->click();
        QCOMPARE(Pripojka(1), pred);
        QVERIFY(!p_->Stav().Projekt.Zmeneno);
    }

    void okOrizneMezeryAZaporneCisloNeprijme()
    {
        Otevrit(2, 1);
        Napsat(1, " kb ");
        Napsat(3, "-5");
        QCOMPARE(Text(3), QStringLiteral("5"));
        Dialog().TlacitkoOk()->click();
        QCOMPARE(Pripojka(2).Typ, std::string("kb"));
        QCOMPARE(Pripojka(2).Y, 5.0);
        QCOMPARE(Pripojka(2).Poradi, 2);
    }

    void delsiOznaceniZeSouboruSeOkemNeorizne()
    {
        p_->Stav().Projekt.Pripojky[1].OznaceniDS = "dvanáctznaků";
        Otevrit(1, 1);
        QCOMPARE(Text(5), QString::fromUtf8("dvanáctznaků"));
        Dialog().TlacitkoOk()->click();
        QCOMPARE(Pripojka(1).OznaceniDS, std::string("dvanáctznaků"));
    }
};

QTEST_MAIN(DialogPripojkyTest)
#include "DialogPripojkyTest.moc"
