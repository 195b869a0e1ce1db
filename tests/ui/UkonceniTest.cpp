#include "PomocUi.h"
#include "zaklad/CteniRadku.h"
#include "zaklad/Soubor.h"
#include "data/SouborNastaveni.h"
#include "ui/DialogNastaveni.h"

#include <QtTest>

using namespace lineon;

class UkonceniTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::SpustenyProgram> p_;

    std::string SouborNastaveni() { return p_->adresar / "$nastav"; }

    void ZmenitProjekt()
    {
        p_->OtevritUkazku();
        p_->Stav().Projekt.Body[1].Oznaceni = "změna";
        p_->Stav().Projekt.Zmeneno = true;
    }

private slots:
    void init() { p_ = std::make_unique<test::SpustenyProgram>(); }
    void cleanup() { p_.reset(); }

    void zavreniBezZmenUloziNastaveni()
    {
        p_->Stav().Nastaveni.DelkoveMeritko = 333;
        QVERIFY(p_->Okno().close());
        QVERIFY(p_->zpravy.otazky.empty());
        TNastaveni prectene;
        QVERIFY(NacistNastaveni(SouborNastaveni(), prectene).empty());
        QCOMPARE(prectene.DelkoveMeritko, 333);
        QCOMPARE(soubor::PrecistRadky(SouborNastaveni()).size(), std::size_t(46));
    }

    void otazkaNaZmenyStornoNechaOknoOtevrene()
    {
        ZmenitProjekt();
        p_->zpravy.odpovediAnoNeStorno = {Odpoved::Storno};
        QVERIFY(!p_->Okno().close());
        QCOMPARE(p_->zpravy.otazky,
                 std::vector<std::string>{"Soubor " + (p_->adresar / "ukázka.csv") + " byl změněn.\n\nChcete uložit změny?"});
        QVERIFY(p_->Okno().isVisible());
        QVERIFY(!soubor::Existuje(SouborNastaveni()));
    }

    void otazkaNaZmenyNeZavreBezUlozeni()
    {
        ZmenitProjekt();
        p_->zpravy.odpovediAnoNeStorno = {Odpoved::Ne};
        QVERIFY(p_->Okno().close());
        QVERIFY(soubor::Existuje(SouborNastaveni()));
        TStav stav;
        test::Otevrit(stav, p_->adresar / "ukázka.csv", FormatProjektu::Tabulka);
        QCOMPARE(stav.Projekt.Body[1].Oznaceni, std::string("Šř1"));
    }

    void otazkaNaZmenyAnoUloziAZavre()
    {
        ZmenitProjekt();
        p_->zpravy.odpovediAnoNeStorno = {Odpoved::Ano};
        QVERIFY(p_->Okno().close());
        TStav stav;
        test::Otevrit(stav, p_->adresar / "ukázka.csv", FormatProjektu::Tabulka);
        QCOMPARE(stav.Projekt.Body[1].Oznaceni, std::string("změna"));
    }

    void nepojmenovanyProjektAnoSeZrusenymDialogemZustaneOtevreny()
    {
        p_->Stav().Projekt.Zmeneno = true;
        p_->zpravy.odpovediAnoNeStorno = {Odpoved::Ano};
        QVERIFY(!p_->Okno().close());
        QCOMPARE(p_->zpravy.otazky.back(), std::string("Soubor  byl změněn.\n\nChcete uložit změny?"));
        QCOMPARE(p_->volba.nabidnuteNazvy.size(), std::size_t(1));
        QVERIFY(p_->Okno().isVisible());
    }

    void chybaZapisuProjektuNechaOknoOtevrene()
    {
        ZmenitProjekt();
        p_->zpravy.odpovediAnoNeStorno = {Odpoved::Ano};
        const test::PorouchanyDisk disk = test::PlnyDisk(10);
        p_->Stav().Disk = &disk;
        QVERIFY(!p_->Okno().close());
        p_->Stav().Disk = &soubor::SystemovyDisk();
        QCOMPARE(p_->zpravy.zpravy.size(), std::size_t(1));
        QCOMPARE(p_->zpravy.zpravy[0].druh, DruhZpravy::Chyba);
        QVERIFY(p_->Stav().Projekt.Zmeneno);
        QVERIFY(p_->Okno().isVisible());
    }

    void chybaZapisuNastaveniSeOznamiAProgramSkonci()
    {
        p_.reset();
        test::ZaznamZprav zpravy;
        test::VolbaSouboruTestem volba;
        test::DocasnyAdresar adresar;
        ui::Aplikace program(zpravy, volba, adresar / "chybí/$nastav");
        program.Spustit();
        QVERIFY(program.Okno().close());
        QCOMPARE(zpravy.zpravy.size(), std::size_t(1));
        QCOMPARE(zpravy.zpravy[0].druh, DruhZpravy::Chyba);
        QVERIFY(zpravy.zpravy[0].text.starts_with("Nastavení se nepodařilo uložit."));
        p_ = std::make_unique<test::SpustenyProgram>();
    }

    void nastaveniSeCteZeSouboruAVadneRadkySeOhlasiJednou()
    {
        p_.reset();
        test::ZaznamZprav zpravy;
        test::VolbaSouboruTestem volba;
        test::DocasnyAdresar adresar;
        TNastaveni nastaveni;
        nastaveni.DruhSite = TDruhSite::Vodovod;
        nastaveni.NazevSite = "Vodovod";
        nastaveni.Jazyk = "SK";
        UlozitNastaveni(adresar / "$nastav", nastaveni);
        std::string bajty = test::PrecistBajty(adresar / "$nastav");
        bajty.replace(0, bajty.find('\r'), "dvěstě");
        bajty.replace(bajty.find("100\r\n"), 3, "x");
        test::ZapsatBajty(adresar / "$nastav", bajty);
        ui::Aplikace program(zpravy, volba, adresar / "$nastav");
        program.Spustit();
        QCOMPARE(zpravy.zpravy.size(), std::size_t(1));
        QCOMPARE(zpravy.zpravy[0].druh, DruhZpravy::Varovani);
        QCOMPARE(std::count(zpravy.zpravy[0].text.begin(), zpravy.zpravy[0].text.end(), '\n'), 1L);
        QCOMPARE(program.Okno().windowTitle(), QString::fromUtf8("Lineon 2.11 - SK - Vodovod - Bezejména"));
        QVERIFY(program.Okno().Akce().Slovenstina->isChecked());
        QVERIFY(program.Okno().close());
        TNastaveni prectene;
        QVERIFY(NacistNastaveni(adresar / "$nastav", prectene).empty());
        QCOMPARE(prectene.DruhSite, TDruhSite::Vodovod);
        p_ = std::make_unique<test::SpustenyProgram>();
    }

    void doplnkySeCtouAZapisujiVedleNastaveni()
    {
        p_.reset();
        test::ZaznamZprav zpravy;
        test::VolbaSouboruTestem volba;
        test::DocasnyAdresar adresar;
        test::ZapsatBajty(adresar / "$doplnky", "gpkgcheck=1\r\nmez=5\r\nSouborGpkg=ano\r\ngpkgcheck=x\r\n");
        ui::Aplikace program(zpravy, volba, adresar / "$nastav");
        program.Spustit();
        QCOMPARE(zpravy.zpravy.size(), std::size_t(1));
        QCOMPARE(zpravy.zpravy[0].druh, DruhZpravy::Varovani);
        QVERIFY(!program.Stav().Doplnky.gpkgcheck);
        QCOMPARE(program.Stav().Doplnky.SouborGpkg, std::string("ano"));
        program.Stav().Doplnky.SouborGpkg = "linie ř.gpkg";
        QVERIFY(program.Okno().close());
        // The limits of the checks follow, as their names were missing.
        QVERIFY(test::PrecistBajty(adresar / "$doplnky")
                    .starts_with("gpkgcheck=0\r\nmez=5\r\nSouborGpkg=linie \xF8.gpkg\r\ngpkgcheck=0\r\nKontrolaMinSpadStoky=\r\n"));
        QCOMPARE(soubor::PrecistRadky(adresar / "$nastav").size(), std::size_t(46));
        p_ = std::make_unique<test::SpustenyProgram>();
    }

    void oknoNejdeZavritPriOtevrenemNastaveni()
    {
        p_->Okno().Akce().Nastaveni->trigger();
        QVERIFY(QTest::qWaitForWindowActive(&p_->program->Nastaveni()));
        QVERIFY(!p_->Okno().close());
        p_->program->Nastaveni().close();
        QVERIFY(p_->Okno().close());
    }
};

QTEST_MAIN(UkonceniTest)
#include "UkonceniTest.moc"
