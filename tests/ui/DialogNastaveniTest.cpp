#include "PomocUi.h"
#include "ui/CiselnePole.h"
#include "ui/DialogNastaveni.h"
#include "ui/PoleData.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

using namespace lineon;

class DialogNastaveniTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::SpustenyProgram> p_;

    ui::DialogNastaveni& Dialog() { return p_->program->Nastaveni(); }
    template <class W = QWidget>
    W* Ovladac(const char* nazev)
    {
        W* w = Dialog().findChild<W*>(QString::fromUtf8(nazev));
        if (!w)
            qFatal("no control %s", nazev);
        return w;
    }
    QLabel* PopisPole(const char* nazev)
    {
        for (QLabel* popis : Dialog().findChildren<QLabel*>())
            if (popis->buddy() == Ovladac(nazev))
                return popis;
        return nullptr;
    }
    TVystupy& Vystupy() { return p_->Stav().Vystupy; }

    void Otevrit()
    {
        p_->Okno().Akce().Nastaveni->trigger();
        QVERIFY(QTest::qWaitForWindowActive(&Dialog()));
    }

    void Zavrit()
    {
        Dialog().close();
        QVERIFY(!Dialog().isVisible());
    }

private slots:
    void init() { p_ = std::make_unique<test::SpustenyProgram>(); }
    void cleanup()
    {
        Dialog().close();
        p_.reset();
    }

    void sestStranekVPoradiBezTlacitek()
    {
        QStringList nazvy;
        for (int i = 0; i < Dialog().Stranky().count(); ++i)
            nazvy << Dialog().Stranky().tabText(i);
        QCOMPARE(nazvy, (QStringList{QString::fromUtf8("Výstupy"), QString::fromUtf8("Situace"),
                                     QString::fromUtf8("Podélný profil"), QString::fromUtf8("Srovnávací rovina"),
                                     QString::fromUtf8("Umístění"), QString::fromUtf8("Obsah kresby"),
                                     QString::fromUtf8("Kontrola")}));
        QCOMPARE(Dialog().windowTitle(), QString::fromUtf8("Nastavení"));
        QCOMPARE(Ovladac<QLineEdit>("sitField")->text(), QStringLiteral("situace.dxf"));
        QCOMPARE(Ovladac<QLineEdit>("psanField")->text(), QStringLiteral("podprof.csv"));
        QCOMPARE(Ovladac<QLineEdit>("psanField")->maxLength(), 16);
        QVERIFY(!Ovladac<QCheckBox>("psanobrcheck")->isChecked());
        QVERIFY(Ovladac<QCheckBox>("stocKcheck")->isChecked());
        QCOMPARE(Ovladac<QComboBox>("soucombo")->currentText(), QStringLiteral("JTSK"));
        QCOMPARE(Ovladac<QComboBox>("vyscombo")->currentText(), QStringLiteral("Bpv"));
        QCOMPARE(Ovladac<QComboBox>("mercombo")->currentText(), QString());
        QCOMPARE(Ovladac<QComboBox>("mercombo")->count(), 3);
        QVERIFY(Ovladac<QRadioButton>("Delkaradio1")->isChecked());
        QVERIFY(!Ovladac("vsXField")->isEnabled());
        QVERIFY(!PopisPole("vsXField")->isEnabled());
        QVERIFY(Ovladac("datumEdit")->isEnabled());
        QCOMPARE(PopisPole("dmField")->text(), QString::fromUtf8("Délkové měřítko:  1 : "));
    }

    void aktivaceZakazeHlavniOknoAZavreniHoPovoli()
    {
        Otevrit();
        QVERIFY(!p_->Okno().isEnabled());
        QCOMPARE(Ovladac<ui::CiselnePole>("merfield")->text(), QStringLiteral("100"));
        Zavrit();
        QVERIFY(p_->Okno().isEnabled());
    }

    void escapeZavreJakoKrizekAPovoliHlavniOkno()
    {
        Otevrit();
        Ovladac<ui::CiselnePole>("merfield")->setFocus();
        QTest::keyClick(&Dialog(), Qt::Key_Escape);
        QVERIFY(!Dialog().isVisible());
        QVERIFY(p_->Okno().isEnabled());
    }

    void zavreniPrevezmeZrcadleneHodnotyAAdresar()
    {
        Otevrit();
        auto* meritko = Ovladac<ui::CiselnePole>("merfield");
        meritko->selectAll();
        QTest::keyClicks(meritko, QStringLiteral("250"));
        Ovladac<QComboBox>("FolderField")->setCurrentText(QString::fromUtf8("/tmp/řeka"));
        Ovladac<QRadioButton>("Krytiradio2")->click();
        Zavrit();
        QCOMPARE(p_->Stav().Nastaveni.MeritkoSituace, 250);
        QCOMPARE(p_->Stav().Nastaveni.AdresarProjektu, std::string("/tmp/řeka/"));
        QCOMPARE(p_->Stav().Nastaveni.ZobrazeniKryti, 2);
        Otevrit();
        QCOMPARE(Ovladac<ui::CiselnePole>("merfield")->text(), QStringLiteral("250"));
    }

    void gisVedleSituaceVypnutySNazvemZDoplnku()
    {
        Otevrit();
        auto* gis = Ovladac<QCheckBox>("gpkgcheck");
        QCOMPARE(gis->text(), QString::fromUtf8("do GIS (GeoPackage)"));
        QVERIFY(!gis->isChecked());
        auto* nazev = Ovladac<QLineEdit>("gpkgField");
        QCOMPARE(nazev->text(), QStringLiteral("situace.gpkg"));
        gis->click();
        QVERIFY(p_->Stav().Doplnky.gpkgcheck);
        nazev->selectAll();
        QTest::keyClicks(nazev, QStringLiteral("stoka.gpkg"));
        Zavrit();
        QCOMPARE(p_->Stav().Doplnky.SouborGpkg, std::string("stoka.gpkg"));
    }

    void limityKontrolyZDoplnkuASpadyPodleDn()
    {
        Otevrit();
        auto* spady = Ovladac<QLineEdit>("minSpadField");
        QCOMPARE(spady->text(), QString());
        spady->setFocus();
        QTest::keyClicks(spady, QStringLiteral("300:4;400:3.5"));
        auto* kryti = Ovladac<ui::CiselnePole>("krytiVodField");
        kryti->selectAll();
        QTest::keyClicks(kryti, QStringLiteral("1.5"));
        Zavrit();
        const TLimityKontroly& limity = p_->Stav().Doplnky.Kontrola;
        QVERIFY((limity.MinSpadStoky == std::vector<TMinimalniSpad>{{300, 4}, {400, 3.5}}));
        QCOMPARE(limity.MinKrytiVodovodu, 1.5);

        // A text that is no table is reported when the field is left, and the table in force stays.
        Otevrit();
        spady->setFocus();
        spady->selectAll();
        QTest::keyClicks(spady, QStringLiteral("300-4"));
        kryti->setFocus();
        QCOMPARE(spady->text(), QStringLiteral("300:4;400:3.5"));
        QCOMPARE(p_->zpravy.zpravy.size(), std::size_t(1));
        QVERIFY(p_->zpravy.zpravy[0].text.find("„300-4“ není tabulka") != std::string::npos);
        Zavrit();
        QCOMPARE(p_->Stav().Doplnky.Kontrola.MinSpadStoky.size(), std::size_t(2));
    }

    void meritkoDesetANulovaVyskaTextuNejdouZadat()
    {
        Otevrit();
        auto* meritko = Ovladac<ui::CiselnePole>("merfield");
        meritko->selectAll();
        QTest::keyClicks(meritko, QStringLiteral("10"));
        QCOMPARE(meritko->Hodnota(), 100.0);
        auto* vyska = Ovladac<ui::CiselnePole>("vyskyField");
        vyska->selectAll();
        QTest::keyClicks(vyska, QStringLiteral("0.0"));
        QCOMPARE(vyska->Hodnota(), 1.0);
        QTest::keyClicks(vyska, QStringLiteral("5"));
        QCOMPARE(vyska->text(), QStringLiteral("0.0"));
        Zavrit();
        QCOMPARE(p_->Stav().Nastaveni.MeritkoSituace, 100);
        QCOMPARE(p_->Stav().Nastaveni.VyskaKot, 1.0);
    }

    void profilBezObouVystupuSeVypne()
    {
        Otevrit();
        Ovladac<QCheckBox>("profobrcheck")->click();
        QVERIFY(Vystupy().profcheck);
        Ovladac<QCheckBox>("profdxfcheck")->click();
        QVERIFY(!Vystupy().profcheck);
        QVERIFY(!Ovladac<QCheckBox>("profcheck")->isChecked());
        QVERIFY(!Ovladac("profobrcheck")->isEnabled());
        QVERIFY(!Ovladac("profdxfcheck")->isEnabled());
        QVERIFY(!Ovladac("profField")->isEnabled());
        Ovladac<QCheckBox>("profcheck")->click();
        QVERIFY(Ovladac("profField")->isEnabled());
        QVERIFY(!Ovladac<QCheckBox>("profdxfcheck")->isChecked());
        Ovladac<QCheckBox>("psancheck")->click();
        QVERIFY(!Ovladac("psanField")->isEnabled());
        QVERIFY(!Vystupy().psancheck);
    }

    void dvojiceKolmoRovnobezneAPrepinaceUmisteni()
    {
        Otevrit();
        Ovladac<QCheckBox>("stocKcheck")->click();
        QVERIFY(!Vystupy().stocKcheck);
        QVERIFY(Vystupy().stocRcheck);
        QVERIFY(Ovladac<QCheckBox>("stocRcheck")->isChecked());
        Ovladac<QRadioButton>("RadioButton2")->click();
        QVERIFY(Vystupy().RadioButton2);
        QVERIFY(!Vystupy().RadioButton1);
        QVERIFY(Ovladac("vsXField")->isEnabled());
        QVERIFY(PopisPole("vsYField")->isEnabled());
        QVERIFY(!Ovladac("dxField")->isEnabled());
        QVERIFY(!PopisPole("dyField")->isEnabled());
    }

    void tabulkaPovoliAZakazePopisovePole()
    {
        Otevrit();
        Ovladac<QCheckBox>("tabcheck")->click();
        QVERIFY(Vystupy().tabcheck);
        QVERIFY(Ovladac("mercombo")->isEnabled());
        Ovladac<QCheckBox>("tabcheck")->click();
        for (const char* nazev : {"datumEdit", "zakEdit", "mercombo", "vypcombo", "koncombo", "soucombo", "vyscombo"}) {
            QVERIFY(!Ovladac(nazev)->isEnabled());
            QVERIFY(!PopisPole(nazev)->isEnabled());
        }
    }

    void noveJmenoOsobyPribudeVeVsechTrechSeznamech()
    {
        Otevrit();
        Dialog().Stranky().setCurrentIndex(5);
        auto* meril = Ovladac<QComboBox>("mercombo");
        meril->setFocus();
        meril->lineEdit()->insert(QString::fromUtf8("Řehoř"));
        QCOMPARE(QString::fromStdString(Vystupy().mercombo), QString::fromUtf8("Řehoř"));
        Ovladac<QLineEdit>("zakEdit")->setFocus();
        QCOMPARE(p_->Stav().Nastaveni.PocetOsob(), 4);
        QCOMPARE(p_->Stav().Nastaveni.Osoby.back(), std::string("Řehoř"));
        for (const char* nazev : {"mercombo", "vypcombo", "koncombo"})
            QCOMPARE(Ovladac<QComboBox>(nazev)->itemText(3), QString::fromUtf8("Řehoř"));
        // An existing name or an empty field adds nothing.
        auto* vypracoval = Ovladac<QComboBox>("vypcombo");
        vypracoval->setFocus();
        vypracoval->lineEdit()->insert(QString::fromUtf8("Novák"));
        Ovladac<QLineEdit>("zakEdit")->setFocus();
        Ovladac<QComboBox>("koncombo")->setFocus();
        Ovladac<QLineEdit>("zakEdit")->setFocus();
        QCOMPARE(p_->Stav().Nastaveni.PocetOsob(), 4);
    }

    void teckaVDatuVloziDnesek()
    {
        Otevrit();
        Ovladac<QCheckBox>("tabcheck")->click();
        Dialog().Stranky().setCurrentIndex(5);
        auto* datum = Ovladac<ui::PoleData>("datumEdit");
        datum->setFocus();
        QTest::keyClicks(datum, QStringLiteral("."));
        QCOMPARE(datum->text(), QDate::currentDate().toString(QStringLiteral("d.M.yyyy")));
        Ovladac<QLineEdit>("zakEdit")->setFocus();
        QCOMPARE(QString::fromStdString(Vystupy().datumEdit), QDate::currentDate().toString(QStringLiteral("d.M.yyyy")));
        QCOMPARE(ui::PoleData::Normalizovat(QStringLiteral("5.3"), QDate(2026, 1, 1)), QStringLiteral("5.3.2026"));
        QCOMPARE(ui::PoleData::Normalizovat(QStringLiteral("31.2"), QDate(2026, 1, 1)), QString());
        QCOMPARE(ui::PoleData::Normalizovat(QStringLiteral("7"), QDate(2026, 1, 1)), QString());
    }

    void druhSiteSkryjeJednotnyPrumerAZnacky()
    {
        p_->Okno().Akce().Kanalizace->trigger();
        QVERIFY(!Ovladac("CheckBox1")->isHidden());
        QVERIFY(!Ovladac("CheckBox1")->isEnabled());
        QVERIFY(!Ovladac("znakcheck")->isHidden());
        p_->Okno().Akce().Vodovod->trigger();
        QVERIFY(!Ovladac("dField")->isHidden());
        QVERIFY(Ovladac("znakcheck")->isHidden());
        p_->Okno().Akce().OsaKomunikace->trigger();
        QVERIFY(Ovladac("CheckBox1")->isHidden());
        QVERIFY(Ovladac("dField")->isHidden());
        QVERIFY(Ovladac("Label1")->isHidden());
    }

    void znovuAktivaceNacteNastaveniZnovu()
    {
        Otevrit();
        auto* meritko = Ovladac<ui::CiselnePole>("dmField");
        meritko->selectAll();
        QTest::keyClicks(meritko, QStringLiteral("500"));
        auto* jine = new QWidget;
        jine->show();
        jine->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(jine));
        Dialog().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&Dialog()));
        QCOMPARE(meritko->text(), QStringLiteral("200"));
        delete jine;
    }
};

QTEST_MAIN(DialogNastaveniTest)
#include "DialogNastaveniTest.moc"
