#include "PomocUi.h"
#include "ui/CiselnePole.h"
#include "ui/DialogBodu.h"
#include "ui/TabulkaRadku.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace lineon;

class DialogBoduTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::SpustenyProgram> p_;

    ui::DialogBodu& Dialog() { return p_->program->Bod(); }
    ui::CiselnePole* Pole(PoleBodu pole) { return Dialog().Pole(pole); }
    const TBod& Bod(int r) { return p_->Stav().Projekt.Body[r]; }

    /// Opens the dialog as Enter in the point table does.
    void Otevrit(int radek, int sloupec)
    {
        p_->Okno().TabulkaBodu().NastavitKurzor(radek, sloupec);
        QTest::keyClick(&p_->Okno().TabulkaBodu(), Qt::Key_Return);
        QVERIFY(Dialog().isVisible());
    }

    void Napsat(PoleBodu pole, const char* text)
    {
        Pole(pole)->selectAll();
        QTest::keyClicks(Pole(pole), QString::fromUtf8(text));
    }

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

    void zpusob1PricitaVyskyKeDnu()
    {
        Otevrit(2, 4);
        QCOMPARE(Dialog().Popis(PoleBodu::pField)->text(), QStringLiteral("poklop"));
        Dialog().Zpusob(ZpusobEditace::ZDnaVyskyOdDna)->click();
        QVERIFY(Pole(PoleBodu::ZdField)->isEnabled());
        QVERIFY(!Pole(PoleBodu::ZpField)->isEnabled());
        QVERIFY(Pole(PoleBodu::pField)->isEnabled());
        Napsat(PoleBodu::ZdField, "250.00");
        Napsat(PoleBodu::pField, "2.50");
        Napsat(PoleBodu::vField, "0.10");
        Napsat(PoleBodu::oField, "0.00");
        QVERIFY(!p_->Stav().Projekt.Zmeneno);
        Dialog().TlacitkoOk()->click();
        QVERIFY(!Dialog().isVisible());
        QCOMPARE(Bod(2).ZPoklopu, 252.50);
        QCOMPARE(Bod(2).ZVtoku, 250.10);
        QCOMPARE(Bod(2).ZOdtoku, 250.00);
        QVERIFY(p_->Stav().Projekt.Zmeneno);
        const QAbstractItemModel& model = *p_->Okno().TabulkaBodu().model();
        QCOMPARE(model.data(model.index(1, 5)).toString(), QStringLiteral("252.50"));
    }

    void zpusob3MeriOdPoklopuAZustavaProDalsiPouziti()
    {
        Otevrit(2, 5);
        Dialog().Zpusob(ZpusobEditace::ZPoklopuHloubkaOdPoklopu)->click();
        QCOMPARE(Dialog().Popis(PoleBodu::pField)->text(), QStringLiteral("dno"));
        QCOMPARE(Pole(PoleBodu::pField)->text(), QStringLiteral("-2.50"));
        Napsat(PoleBodu::ZpField, "300.00");
        Napsat(PoleBodu::pField, "-2.40");
        Napsat(PoleBodu::vField, "-2.30");
        Napsat(PoleBodu::oField, "-2.40");
        Dialog().TlacitkoOk()->click();
        QCOMPARE(Bod(2).ZPoklopu, 300.00);
        QVERIFY(qAbs(Bod(2).ZDna - 297.60) < 1e-9);
        QVERIFY(qAbs(Bod(2).ZVtoku - 297.70) < 1e-9);
        QVERIFY(qAbs(Bod(2).ZOdtoku - 297.60) < 1e-9);
        Otevrit(1, 1);
        QVERIFY(Dialog().Zpusob(ZpusobEditace::ZPoklopuHloubkaOdPoklopu)->isChecked());
        QCOMPARE(Dialog().focusWidget(), Dialog().cField());
    }

    void posledniRadekNemaPrumerAOstatniHoMajiSPopisem()
    {
        Otevrit(3, 1);
        QVERIFY(!Pole(PoleBodu::PpField)->isVisible());
        QVERIFY(!Dialog().PopisPrumeru()->isVisible());
        QCOMPARE(Dialog().windowTitle(), QString::fromUtf8("Záznam č. 3"));
        Dialog().reject();
        Otevrit(1, 8);
        QVERIFY(Pole(PoleBodu::PpField)->isVisible());
        QCOMPARE(Dialog().PopisPrumeru()->text(), QString::fromUtf8("Průměr potrubí mezi Šř1 a Šě2 (mm)"));
        QCOMPARE(Pole(PoleBodu::PpField)->text(), QStringLiteral("300"));
        QCOMPARE(Dialog().focusWidget(), Pole(PoleBodu::PpField));
    }

    void okBezZmenyNechaRadekIPriznakBezeZmeny()
    {
        const TBod pred = Bod(1);
        Otevrit(1, 2);
        QCOMPARE(Pole(PoleBodu::YField)->text(), QStringLiteral("745123.46"));
        Dialog().TlacitkoOk()->click();
        QCOMPARE(Bod(1), pred);
        QVERIFY(!p_->Stav().Projekt.Zmeneno);
    }

    void cancelPoZmeneZpusobuNechaRadek()
    {
        const TBod pred = Bod(2);
        Otevrit(2, 2);
        Dialog().Zpusob(ZpusobEditace::ZPoklopuVyskyOdDna)->click();
        Napsat(PoleBodu::ZpField, "999");
        Dialog().TlacitkoCancel()->click();
        QCOMPARE(Bod(2), pred);
        QVERIFY(!p_->Stav().Projekt.Zmeneno);
    }

    void enterPrejdeNaDalsiPoleAOkNestiskne()
    {
        Otevrit(1, 1);
        QCOMPARE(Dialog().focusWidget(), Dialog().cField());
        QTest::keyClick(Dialog().cField(), Qt::Key_Return);
        QVERIFY(Dialog().isVisible());
        QVERIFY(Dialog().focusWidget() != Dialog().cField());
    }

    void popiskyPodleDruhuSite()
    {
        p_->Okno().Akce().Vodovod->trigger();
        Otevrit(1, 4);
        QVERIFY(Pole(PoleBodu::ZdField)->isVisible());
        QVERIFY(!Pole(PoleBodu::ZvField)->isVisible());
        QVERIFY(!Pole(PoleBodu::vField)->isVisible());
        QVERIFY(!Dialog().DnoBox()->isVisible());
        QCOMPARE(Dialog().Zpusob(ZpusobEditace::ZDnaVyskyOdDna)->text(), QString::fromUtf8("Z potrubí + výšky od potrubí"));
        Dialog().reject();
        p_->Okno().Akce().OsaKomunikace->trigger();
        Otevrit(1, 5);
        QVERIFY(!Pole(PoleBodu::ZdField)->isVisible());
        QVERIFY(!Pole(PoleBodu::pField)->isVisible());
        QVERIFY(!Pole(PoleBodu::PpField)->isVisible());
        QVERIFY(!Dialog().ZpusEdit()->isVisible());
        QCOMPARE(Dialog().focusWidget(), Pole(PoleBodu::ZpField));
    }

    void znakMimoKodovouStrankuOdmitneSeZpravou()
    {
        Otevrit(1, 1);
        Dialog().cField()->selectAll();
        QTest::keyClicks(Dialog().cField(), QString::fromUtf8("Aø"));
        QCOMPARE(Dialog().cField()->text(), QStringLiteral("A"));
        QTest::qWait(0);
        QCOMPARE(p_->zpravy.zpravy.size(), std::size_t(1));
        QVERIFY(p_->zpravy.zpravy[0].text.find("„ø“") != std::string::npos);
    }
};

QTEST_MAIN(DialogBoduTest)
#include "DialogBoduTest.moc"
