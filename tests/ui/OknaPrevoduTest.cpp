#include "PomocUi.h"
#include "ui/OknoAutomatickehoPrevodu.h"
#include "ui/OknoRucnihoPrevodu.h"
#include "ui/OknoSeznamuSouradnic.h"
#include "ui/Validator1250.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

using namespace lineon;

namespace {

QString U(const char* text) { return QString::fromUtf8(text); }

template <class W = QWidget>
W* Ovladac(const QWidget& okno, const char* nazev)
{
    W* w = okno.findChild<W*>(QString::fromUtf8(nazev));
    if (!w)
        qFatal("no control %s", nazev);
    return w;
}

QString Popis(const QWidget& okno, const char* nazev)
{
    for (const QLabel* popis : okno.findChildren<QLabel*>())
        if (popis->buddy() == Ovladac(okno, nazev))
            return popis->text();
    return QStringLiteral("(bez popisu)");
}

/// Types a text character by character, as from a keyboard that has them.
void Napsat(QWidget* pole, const QString& text)
{
    for (const QChar znak : text)
        QTest::sendKeyEvent(QTest::Click, pole, Qt::Key_unknown, QString(znak), Qt::NoModifier);
}

} // namespace

class OknaPrevoduTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::SpustenyProgram> p_;

    ui::OknoRucnihoPrevodu& Rucni() { return p_->program->RucniPrevod(); }
    ui::OknoAutomatickehoPrevodu& Automaticky() { return p_->program->AutomatickyPrevod(); }
    TStav& Stav() { return p_->Stav(); }

    void Zobrazit()
    {
        p_->program->Seznam().RucniPrevodDat()->trigger();
        p_->program->Seznam().AutomatickyPrevodDat()->trigger();
    }

    bool Povolen(const char* nazev) { return Ovladac(Rucni(), nazev)->isEnabled(); }

private slots:
    void init()
    {
        p_ = std::make_unique<test::SpustenyProgram>();
        Zobrazit();
    }
    void cleanup() { p_.reset(); }

    void rucniPrevodVychoziStav()
    {
        QCOMPARE(Rucni().windowTitle(), U("Ruční převod"));
        QVERIFY(test::NadHlavnimOknem(Rucni(), p_->Okno()));
        const char* boxy[][2] = {{"Ycheck", "Y --> Y"},
                                 {"Xcheck", "X --> X"},
                                 {"Zdcheck", "Z --> Z dna"},
                                 {"Zpcheck", "Z --> Z poklopu"},
                                 {"Zvcheck", "Z --> Z vtoku"},
                                 {"Zocheck", "Z --> Z odtoku"},
                                 {"pripcheck", "přípojka, křížení - Y, X --> Y, X"},
                                 {"dscheck", "domovní šachta - Y, X --> Y, X"},
                                 {"dspcheck", "domovní šachta - Z --> Z poklopu"},
                                 {"dsdcheck", "domovní šachta - Z --> Z dna"}};
        for (const auto& box : boxy) {
            QCOMPARE(Ovladac<QCheckBox>(Rucni(), box[0])->text(), U(box[1]));
            QVERIFY(Ovladac<QCheckBox>(Rucni(), box[0])->isChecked());
        }
        QCOMPARE(Ovladac<QGroupBox>(Rucni(), "RadioGroup1")->title(), U("Vkládat data na"));
        QCOMPARE(Ovladac<QRadioButton>(Rucni(), "RadioGroup12")->text(), U("konec"));
        QVERIFY(Ovladac<QRadioButton>(Rucni(), "RadioGroup10")->isChecked());
        QCOMPARE(Ovladac<QRadioButton>(Rucni(), "RadioGroup21")->text(), U("převzít kód"));
        QVERIFY(Ovladac<QRadioButton>(Rucni(), "RadioGroup20")->isChecked());
        QCOMPARE(Ovladac<QGroupBox>(Rucni(), "RadioGroup3")->title(), U("Typ"));
        QCOMPARE(Ovladac<QRadioButton>(Rucni(), "RadioGroup32")->text(), U("domovní šachta"));
        QVERIFY(Ovladac<QRadioButton>(Rucni(), "RadioGroup30")->isChecked());
    }

    void typPovoliJenSveOvladace()
    {
        QVERIFY(Povolen("Ycheck") && Povolen("Zocheck") && Povolen("RadioGroup2"));
        QVERIFY(!Povolen("pripcheck") && !Povolen("dscheck") && !Povolen("dsdcheck"));
        Ovladac<QRadioButton>(Rucni(), "RadioGroup31")->click();
        QCOMPARE(Stav().RucniPrevod.RadioGroup3, 1);
        QVERIFY(Povolen("pripcheck"));
        QVERIFY(!Povolen("Ycheck") && !Povolen("dscheck") && !Povolen("RadioGroup2"));
        Ovladac<QRadioButton>(Rucni(), "RadioGroup32")->click();
        QVERIFY(Povolen("dscheck") && Povolen("dspcheck") && Povolen("dsdcheck") && Povolen("RadioGroup2"));
        QVERIFY(!Povolen("pripcheck") && !Povolen("Xcheck"));
        QVERIFY(Povolen("RadioGroup1") && Povolen("RadioGroup3"));
    }

    void rucniPrevodUkladaHned()
    {
        Ovladac<QCheckBox>(Rucni(), "Zdcheck")->click();
        QVERIFY(!Stav().RucniPrevod.Zdcheck);
        Ovladac<QRadioButton>(Rucni(), "RadioGroup11")->click();
        QCOMPARE(Stav().RucniPrevod.RadioGroup1, 1);
        // Closed and opened again, the window shows what it was left with.
        Rucni().close();
        p_->program->Seznam().RucniPrevodDat()->trigger();
        QVERIFY(!Ovladac<QCheckBox>(Rucni(), "Zdcheck")->isChecked());
        QVERIFY(Ovladac<QRadioButton>(Rucni(), "RadioGroup11")->isChecked());
    }

    void oznaceniSachtySdileneObemaOknyHned()
    {
        QCOMPARE(Ovladac<QRadioButton>(Automaticky(), "RadioGroup21")->text(), U("převzít index z kódu"));
        Ovladac<QRadioButton>(Rucni(), "RadioGroup21")->click();
        QCOMPARE(Stav().Nastaveni.ZpusobOznaceni, 1);
        QVERIFY(Ovladac<QRadioButton>(Automaticky(), "RadioGroup21")->isChecked());
        Ovladac<QRadioButton>(Automaticky(), "RadioGroup22")->click();
        QCOMPARE(Stav().Nastaveni.ZpusobOznaceni, 2);
        QVERIFY(Ovladac<QRadioButton>(Rucni(), "RadioGroup22")->isChecked());
    }

    void rucniPrevodPodleDruhuSite()
    {
        p_->Okno().Akce().Vodovod->trigger();
        QCOMPARE(Ovladac<QCheckBox>(Rucni(), "Zdcheck")->text(), U("Z --> Z potrubí"));
        QVERIFY(Ovladac(Rucni(), "Zdcheck")->isVisible());
        QVERIFY(!Ovladac(Rucni(), "Zvcheck")->isVisible());
        QVERIFY(!Ovladac(Rucni(), "Zocheck")->isVisible());
        QCOMPARE(Ovladac<QCheckBox>(Rucni(), "Zpcheck")->text(), U("Z --> Z terénu"));
        QCOMPARE(Ovladac<QGroupBox>(Rucni(), "RadioGroup2")->title(), U("Označení bodu"));
        p_->Okno().Akce().OsaKomunikace->trigger();
        QVERIFY(!Ovladac(Rucni(), "Zdcheck")->isVisible());
        QCOMPARE(Ovladac<QCheckBox>(Rucni(), "Zpcheck")->text(), U("Z --> Z terénu"));
        p_->Okno().Akce().Kanalizace->trigger();
        QCOMPARE(Ovladac<QCheckBox>(Rucni(), "Zdcheck")->text(), U("Z --> Z dna"));
        QVERIFY(Ovladac(Rucni(), "Zvcheck")->isVisible());
        QCOMPARE(Ovladac<QCheckBox>(Rucni(), "Zpcheck")->text(), U("Z --> Z poklopu"));
        QCOMPARE(Ovladac<QGroupBox>(Rucni(), "RadioGroup2")->title(), U("Označení šachty"));
    }

    void automatickyPrevodPoleSPopisyADelkami()
    {
        QCOMPARE(Automaticky().windowTitle(), U("Automatický převod"));
        QVERIFY(test::NadHlavnimOknem(Automaticky(), p_->Okno()));
        const struct {
            const char* nazev;
            const char* popis;
            const char* text;
            int delka;
        } pole[] = {{"AsField", "[index] --> X, Y", "s", 5},
                    {"ApField", "[index] --> Z poklopu", "s", 5},
                    {"AdField", "[index] --> Z dna", "d", 5},
                    {"AvField", "[index] --> Z vtoku", "v", 5},
                    {"AoField", "[index] --> Z odtoku", "o", 5},
                    {"AcField", "Označení šachty", "Š", 6},
                    {"AprField1", "Křížení - 1", "ka", 6},
                    {"AprField5", "Křížení - 5", "ke", 6},
                    {"AprField6", "[index] --> X, Y přípojky", "p", 6},
                    {"AprField7", "[index] --> X, Y domovní šachty", "n", 6},
                    {"AprField8", "[index] --> Z poklopu d. š.", "n", 6},
                    {"AprField9", "[index] --> Z dna d. š.", "m", 6},
                    {"AprField10", "Označení domovní šachty", "DŠ", 6},
                    {"AprField11", "Označení přípojky", "P", 6}};
        for (const auto& p : pole) {
            QCOMPARE(Popis(Automaticky(), p.nazev), U(p.popis));
            QCOMPARE(Ovladac<QLineEdit>(Automaticky(), p.nazev)->text(), U(p.text));
            QCOMPARE(Ovladac<QLineEdit>(Automaticky(), p.nazev)->maxLength(), p.delka);
        }
        QCOMPARE(Ovladac<QCheckBox>(Automaticky(), "AvBox")->text(), U("Z dna --> Z vtoku"));
        QCOMPARE(Ovladac<QCheckBox>(Automaticky(), "AoBox")->text(), U("Z dna --> Z odtoku"));
        QVERIFY(Ovladac<QCheckBox>(Automaticky(), "AvBox")->isChecked());
    }

    void upravaPoleSeUloziHnedANacteSePriAktivaci()
    {
        auto* pole = Ovladac<QLineEdit>(Automaticky(), "AprField10");
        pole->selectAll();
        Napsat(pole, U("DŠř"));
        QCOMPARE(Stav().Nastaveni.KodOznaceniDS, std::string("DŠř"));
        Ovladac<QCheckBox>(Automaticky(), "AoBox")->click();
        QVERIFY(!Stav().AutomatickyPrevod.AoBox);
        Stav().Nastaveni.KodZDna = "dno";
        Automaticky().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&Automaticky()));
        QCOMPARE(Ovladac<QLineEdit>(Automaticky(), "AdField")->text(), U("dno"));
    }

    void znakMimoKodovouStrankuSeOdmitne()
    {
        auto* pole = Ovladac<QLineEdit>(Automaticky(), "AsField");
        Napsat(pole, U("ж"));
        QCoreApplication::processEvents();
        QCOMPARE(pole->text(), U("s"));
        QCOMPARE(Stav().Nastaveni.KodXY, std::string("s"));
        QCOMPARE(p_->zpravy.zpravy, (std::vector<test::ZaznamZprav::Zprava>{
                                        {DruhZpravy::Chyba, ui::Validator1250::Zprava("ж")}}));
    }

    void rozlozeniPodleDruhuSite_data()
    {
        QTest::addColumn<int>("druh");
        QTest::addColumn<int>("vyska");
        QTest::addColumn<int>("horniOkraj");
        QTest::addColumn<QStringList>("viditelne");
        QTest::addColumn<QStringList>("skryte");
        QTest::addColumn<QString>("zPoklopu");
        QTest::addColumn<QString>("oznaceni");
        QTest::newRow("Kanalizace") << 1 << 333 << 176
                                    << QStringList{"AdField", "AvField", "AoField", "AcField", "AvBox", "AoBox"}
                                    << QStringList{} << U("[index] --> Z poklopu") << U("Označení šachty");
        QTest::newRow("Vodovod") << 2 << 200 << 85 << QStringList{"AdField"}
                                 << QStringList{"AvField", "AoField", "AcField", "AvBox", "AoBox"}
                                 << U("[index] --> Z terénu") << U("Označení bodu");
        QTest::newRow("Osa komunikace") << 3 << 190 << 65 << QStringList{}
                                        << QStringList{"AdField", "AvField", "AoField", "AcField", "AvBox", "AoBox"}
                                        << U("[index] --> Z terénu") << U("Označení bodu");
    }

    void rozlozeniPodleDruhuSite()
    {
        QFETCH(int, druh);
        QFETCH(int, vyska);
        QFETCH(int, horniOkraj);
        QFETCH(QStringList, viditelne);
        QFETCH(QStringList, skryte);
        QFETCH(QString, zPoklopu);
        QFETCH(QString, oznaceni);
        p_->Okno().PrepnoutDruhSite(static_cast<TDruhSite>(druh));
        ui::OknoAutomatickehoPrevodu& okno = Automaticky();
        QCOMPARE(okno.height(), vyska);
        const auto* skupina = Ovladac<QGroupBox>(okno, "RadioGroup2");
        QCOMPARE(skupina->y(), horniOkraj);
        QCOMPARE(skupina->title(), oznaceni);
        QCOMPARE(Ovladac<QLabel>(okno, "Label1")->text(), zPoklopu);
        for (const QString& nazev : viditelne)
            QVERIFY2(okno.findChild<QWidget*>(nazev)->isVisible(), qPrintable(nazev));
        for (const QString& nazev : skryte)
            QVERIFY2(!okno.findChild<QWidget*>(nazev)->isVisible(), qPrintable(nazev));
        if (druh == 2)
            QCOMPARE(Ovladac<QLabel>(okno, "Label3")->text(), U("[index] --> Z potrubí"));
        // Every control shown lies inside the window, and none covers another.
        std::vector<const QWidget*> ovladace;
        for (const QWidget* w : okno.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (w->isVisible())
                ovladace.push_back(w);
        for (const QWidget* w : ovladace) {
            QVERIFY2(okno.rect().contains(w->geometry()), qPrintable(w->objectName()));
            for (const QWidget* jiny : ovladace)
                QVERIFY2(w == jiny || !w->geometry().intersects(jiny->geometry()),
                         qPrintable(w->objectName() + U(" / ") + jiny->objectName()));
        }
    }
};

QTEST_MAIN(OknaPrevoduTest)
#include "OknaPrevoduTest.moc"
