#include "PomocUi.h"
#include "cli/Cli.h"
#include "zaklad/Soubor.h"
#include "ui/CiselnePole.h"
#include "ui/DialogRoviny.h"
#include "ui/OknoNahledu.h"
#include "ui/OknoPsanehoProfilu.h"
#include "ui/OknoSeznamuSouradnic.h"
#include "ui/TabulkaRadku.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include <sstream>

using namespace lineon;

namespace {

QString U(const char* text) { return QString::fromUtf8(text); }

const char* const Vystupy[] = {"podprof.csv", "situace.dxf", "podprof.dxf"};

/// The messages as the batch program prints them.
std::string JakoCli(const std::vector<test::ZaznamZprav::Zprava>& zpravy)
{
    std::ostringstream text;
    for (const auto& zprava : zpravy)
        text << (zprava.druh == DruhZpravy::Chyba ? "error: " : zprava.druh == DruhZpravy::Varovani ? "warning: " : "information: ")
             << zprava.text << '\n';
    return text.str();
}

} // namespace

class VypocetTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::SpustenyProgram> p_;

    ui::Aplikace& Program() { return *p_->program; }
    ui::DialogRoviny& Rovina() { return Program().Rovina(); }
    TStav& Stav() { return p_->Stav(); }

    /// "Import" of the example survey, copied under a Czech name into the program's directory.
    void ImportovatZamereni()
    {
        const std::string cesta = p_->adresar / "zaměření.txt";
        test::ZapsatBajty(cesta, test::PrecistBajty(test::ZdrojovyAdresar() + "examples/zamereni_kanalizace.txt"));
        p_->volba.zamereni = ui::TVolbaZamereni{cesta, TypZamereni::Textovy};
        p_->Okno().Akce().Import->trigger();
    }

    void Vypocitat() { p_->Okno().Akce().Vypocet->trigger(); }

    QStringList Polozky()
    {
        QStringList polozky;
        for (int i = 0; i < Rovina().poscombo()->count(); ++i) {
            const QListWidgetItem* polozka = Rovina().poscombo()->item(i);
            polozky << polozka->text() + (polozka->checkState() == Qt::Checked ? U(" ✓") : QString());
        }
        return polozky;
    }

private slots:
    void init() { p_ = std::make_unique<test::SpustenyProgram>(); }
    void cleanup() { p_.reset(); }

    void celaPraceDavaStejneSouboryJakoDavkovyProgram()
    {
        ImportovatZamereni();
        QVERIFY(Program().Seznam().isVisible());
        Program().Seznam().Spustit()->trigger();
        QCOMPARE(Stav().Projekt.PocetBodu(), 12);
        QCOMPARE(Stav().Projekt.PocetPripojek(), 7);
        const std::string projekt = p_->adresar / "stoka.csv";
        p_->volba.odpoved = TVolbaSouboru{projekt, FormatProjektu::Tabulka};
        p_->Okno().Akce().UlozitJako->trigger();
        Vypocitat();
        QVERIFY(Rovina().isVisible());
        QVERIFY(!p_->Okno().isEnabled());
        QCOMPARE(Rovina().windowTitle(), U("Informace o srovnávací rovině"));
        QTest::mouseClick(Rovina().OKButton(), Qt::LeftButton);
        QVERIFY(!Rovina().isVisible());
        QVERIFY(p_->Okno().isEnabled());
        QVERIFY(Program().Nahled().isVisible());
        QVERIFY(!Stav().SeznamKresby.empty());
        // "na obrazovku" of the written profile is off at start.
        QVERIFY(!Program().Psany().isVisible());

        test::DocasnyAdresar cli;
        const auto import = test::SpustitCli({"import", p_->adresar / "zaměření.txt", "--save", cli / "stoka.csv"});
        QCOMPARE(import.status, cli::Uspech);
        const auto vypocet = test::SpustitCli({"compute", cli / "stoka.csv", "--out", cli.Cesta()});
        QCOMPARE(vypocet.status, cli::Uspech);
        QCOMPARE(JakoCli(p_->zpravy.zpravy), import.chyby + vypocet.chyby);
        QVERIFY(test::PrecistBajty(projekt) == test::PrecistBajty(cli / "stoka.csv"));
        for (const char* soubor : Vystupy)
            QVERIFY2(test::PrecistBajty(p_->adresar / soubor) == test::PrecistBajty(cli / soubor), soubor);
    }

    void gisSeZapiseJakoDavkou()
    {
        p_->OtevritPriklad("kanalizace.csv");
        Vypocitat();
        Rovina().close();
        QVERIFY(!soubor::Existuje(p_->adresar / "situace.gpkg"));
        Stav().Doplnky.gpkgcheck = true;
        Vypocitat();
        Rovina().close();
        QVERIFY(soubor::Existuje(p_->adresar / "situace.gpkg"));
    }

    void odskrtnutyBodANapsanaRovinaKresliJakoDavka()
    {
        p_->OtevritPriklad("kanalizace.csv");
        Stav().Nastaveni.LimitSR = 80;
        Stav().Nastaveni.PosunSR = 1;
        Vypocitat();
        QCOMPARE(Rovina().srovField()->text(), U("240"));
        QCOMPARE(Rovina().posSRField()->text(), U("1"));
        QCOMPARE(Polozky(), (QStringList{U("Š2"), U("Š3"), U("Š4"), U("Š5 ✓"), U("Š6"), U("Š7-Dvůr"), U("Š8"),
                                         U("Š9 ✓"), U("Š10"), U("Š11")}));
        Rovina().poscombo()->item(7)->setCheckState(Qt::Unchecked);
        Rovina().srovField()->selectAll();
        QTest::keyClicks(Rovina().srovField(), QStringLiteral("238"));
        QTest::mouseClick(Rovina().OKButton(), Qt::LeftButton);
        QVERIFY(p_->Okno().isEnabled());
        QCOMPARE(Rovina().poscombo()->count(), 0);
        QCOMPARE(Stav().Rovina.SrovnavaciRovina, 238);
        QCOMPARE(Stav().Rovina.PosunyRoviny, (std::array<int, MistVSeznamuPosunu>{}));

        test::DocasnyAdresar cli;
        test::ZapsatBajty(cli / "volby.txt", "LimitSR=80\nPosunSR=1\n");
        const auto vypocet = test::SpustitCli({"compute", p_->adresar / "kanalizace.csv", "--options", cli / "volby.txt",
                                               "--plane", "238", "--shift-points", "5", "--out", cli.Cesta()});
        QCOMPARE(vypocet.status, cli::Uspech);
        for (const char* soubor : Vystupy)
            QVERIFY2(test::PrecistBajty(p_->adresar / soubor) == test::PrecistBajty(cli / soubor), soubor);
    }

    void zaviraciPoleNekresliAPovoliHlavniOkno()
    {
        p_->OtevritPriklad("kanalizace.csv");
        Vypocitat();
        QVERIFY(!p_->Okno().isEnabled());
        Rovina().close();
        QVERIFY(!Rovina().isVisible());
        QVERIFY(p_->Okno().isEnabled());
        QCOMPARE(Rovina().poscombo()->count(), 0);
        QVERIFY(!soubor::Existuje(p_->adresar / "podprof.dxf"));
        QVERIFY(!Program().Nahled().isVisible());
        QVERIFY(Stav().SeznamKresby.empty());
    }

    void viceBoduNezPojmeSeznamPosunuSeOdmitne()
    {
        // Fourteen points on a rising line: twelve of them can carry a shift.
        TProjekt projekt;
        for (int i = 1; i <= 14; ++i) {
            const TBod bod{.Oznaceni = "Ř" + std::to_string(i), .Y = 1000.0 + 10 * i, .X = 2000, .ZDna = 240.0 + i / 10.0,
                           .ZPoklopu = 243.0 + i / 10.0, .Prumer = 300};
            if (i == 1)
                projekt.Body[1] = bod;
            else
                projekt.Body.Pridat(bod);
        }
        Stav().Projekt = std::move(projekt);
        Stav().Nastaveni.AdresarProjektu = p_->adresar.Cesta();
        Vypocitat();
        QCOMPARE(Rovina().poscombo()->count(), 12);
        for (int i = 0; i < 11; ++i)
            Rovina().poscombo()->item(i)->setCheckState(Qt::Checked);
        QTest::mouseClick(Rovina().OKButton(), Qt::LeftButton);
        QCOMPARE(p_->zpravy.zpravy, (std::vector<test::ZaznamZprav::Zprava>{
                                        {DruhZpravy::Chyba, "Srovnávací rovinu lze posunout nejvýše u 10 bodů."}}));
        QVERIFY(Rovina().isVisible());
        QVERIFY(!p_->Okno().isEnabled());
        QVERIFY(!soubor::Existuje(p_->adresar / "podprof.dxf"));
        Rovina().poscombo()->item(10)->setCheckState(Qt::Unchecked);
        QTest::mouseClick(Rovina().OKButton(), Qt::LeftButton);
        QVERIFY(!Rovina().isVisible());
        QVERIFY(soubor::Existuje(p_->adresar / "podprof.dxf"));
    }

    void popisekPosunuPodleDruhuSite()
    {
        QCOMPARE(Rovina().Label2()->text(), U("Posun srovnávací roviny u šachty"));
        p_->Okno().Akce().Vodovod->trigger();
        QCOMPARE(Rovina().Label2()->text(), U("Posun srovnávací roviny u bodu"));
        p_->Okno().Akce().OsaKomunikace->trigger();
        QCOMPARE(Rovina().Label2()->text(), U("Posun srovnávací roviny u bodu"));
        p_->Okno().Akce().Kanalizace->trigger();
        QCOMPARE(Rovina().Label2()->text(), U("Posun srovnávací roviny u šachty"));
    }

    void jedinyBodSeOhlasiChybouAVypocetKonci()
    {
        Vypocitat();
        QCOMPARE(p_->zpravy.zpravy,
                 (std::vector<test::ZaznamZprav::Zprava>{
                     {DruhZpravy::Chyba, "Špatné vstupní údaje! - projekt má méně než 2 body."}}));
        QVERIFY(!Rovina().isVisible());
        QVERIFY(p_->Okno().isEnabled());
    }

    void nezapsanaSituaceUkonciPrikazBezDialoguRoviny()
    {
        p_->OtevritPriklad("kanalizace.csv");
        Stav().Vystupy.SouborSituace = "chybí/situace.dxf";
        Vypocitat();
        // The example's last connection is moved onto the line before the outputs start.
        QCOMPARE(p_->zpravy.zpravy.size(), std::size_t(2));
        QCOMPARE(p_->zpravy.zpravy[0].druh, DruhZpravy::Informace);
        QCOMPARE(p_->zpravy.zpravy[1].druh, DruhZpravy::Chyba);
        QVERIFY2(p_->zpravy.zpravy[1].text.find(p_->adresar / "chybí/situace.dxf") != std::string::npos,
                 p_->zpravy.zpravy[1].text.c_str());
        QVERIFY(soubor::Existuje(p_->adresar / "podprof.csv"));
        QVERIFY(!Rovina().isVisible());
        QVERIFY(p_->Okno().isEnabled());
    }

    void nezapsanyPsanyProfilNechaOknoJakByloAKonci()
    {
        p_->OtevritPriklad("kanalizace.csv");
        Stav().Vystupy.psanobrcheck = true;
        Stav().Vystupy.SouborPsanehoProfilu = "chybí/podprof.csv";
        Vypocitat();
        QCOMPARE(p_->zpravy.zpravy.size(), std::size_t(2));
        QCOMPARE(p_->zpravy.zpravy[1].druh, DruhZpravy::Chyba);
        QVERIFY(!Program().Psany().isVisible());
        QVERIFY(!soubor::Existuje(p_->adresar / "situace.dxf"));
        QVERIFY(!Rovina().isVisible());
    }

    void oknoPsanehoProfiluPodleNaObrazovku()
    {
        p_->OtevritPriklad("kanalizace.csv");
        Stav().Vystupy.psanobrcheck = true;
        Stav().Vystupy.profcheck = false;
        Vypocitat();
        QVERIFY(Program().Psany().isVisible());
        QCOMPARE(Program().Psany().Tabulka().model()->rowCount(), Stav().Projekt.PocetBodu());
        Stav().Vystupy.psanobrcheck = false;
        Vypocitat();
        QVERIFY(!Program().Psany().isVisible());
    }

    void kurzorVeSloupciDnoZustaneNaMiste()
    {
        p_->OtevritPriklad("kanalizace.csv");
        Stav().Vystupy.profcheck = false;
        p_->Okno().TabulkaBodu().NastavitKurzor(3, 9);
        Vypocitat();
        QCOMPARE(p_->Okno().TabulkaBodu().AktivniRadek(), 3);
        QCOMPARE(p_->Okno().TabulkaBodu().AktivniSloupec(), 9);
        QCOMPARE(p_->zpravy.zpravy.size(), std::size_t(1));
    }
};

QTEST_MAIN(VypocetTest)
#include "VypocetTest.moc"
