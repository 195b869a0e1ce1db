#include "PomocUi.h"
#include "data/Stav.h"
#include "ui/Aplikace.h"
#include "ui/DialogBodu.h"
#include "ui/DialogPripojky.h"
#include "ui/DialogRoviny.h"
#include "ui/HlavniOkno.h"
#include "ui/ModelBodu.h"
#include "ui/TabulkaRadku.h"

#include "zaklad/Soubor.h"

#include <QActionGroup>
#include <QLineEdit>
#include <QtTest>

using namespace lineon;

namespace {

QString U(const char* text) { return QString::fromUtf8(text); }

QStringList Nadpisy(const QAbstractItemModel& model)
{
    QStringList nadpisy;
    for (int s = 1; s < model.columnCount(); ++s)
        nadpisy << model.headerData(s, Qt::Horizontal, Qt::DisplayRole).toString();
    return nadpisy;
}

QString Bunka(const QAbstractItemModel& model, int radek, int sloupec)
{
    return model.data(model.index(radek - 1, sloupec), Qt::DisplayRole).toString();
}

} // namespace

class HlavniOknoTest : public QObject {
    Q_OBJECT

    // Every test starts the program afresh, without a settings file.
    test::DocasnyAdresar adresar_;
    test::ZaznamZprav zpravy_;
    test::VolbaSouboruTestem volba_;
    std::unique_ptr<ui::Aplikace> program_;

    ui::HlavniOkno& Okno() { return program_->Okno(); }
    TStav& Stav() { return program_->Stav(); }
    QAbstractItemModel& Body() { return *Okno().TabulkaBodu().model(); }
    QAbstractItemModel& Pripojky() { return *Okno().TabulkaPripojek().model(); }

    void OtevritUkazku()
    {
        const std::string cesta = adresar_ / "ukázka.csv";
        ZapsatProjekt(test::UkazkovyProjekt(), cesta, FormatProjektu::Tabulka);
        volba_.odpoved = TVolbaSouboru{cesta, FormatProjektu::Tabulka};
        Okno().Akce().Otevrit->trigger();
    }

private slots:
    void init()
    {
        zpravy_ = {};
        volba_ = {};
        program_ = std::make_unique<ui::Aplikace>(zpravy_, volba_, adresar_ / "$nastav");
        program_->Spustit();
    }

    void cleanup()
    {
        Stav().Projekt.Zmeneno = false;
        program_.reset();
    }

    void titulekNovehoProjektu()
    {
        QCOMPARE(Okno().windowTitle(), U("Lineon 2.11 - CZ - Kanalizace - Bezejména"));
        QCOMPARE(Body().rowCount(), 1);
        QVERIFY(QTest::qWaitForWindowActive(&Okno()));
        QVERIFY(Okno().Akce().Cestina->isChecked());
        QVERIFY(Okno().Akce().Kanalizace->isChecked());
        QVERIFY(zpravy_.zpravy.empty());
    }

    void otevrenyProjektUkazujeBunkySeDvemaDesetinami()
    {
        const std::string adresarPred = Stav().Nastaveni.AdresarProjektu;
        OtevritUkazku();
        QCOMPARE(volba_.adresare, std::vector<std::string>{adresarPred});
        QCOMPARE(Body().rowCount(), 3);
        QCOMPARE(Bunka(Body(), 1, 0), U("1"));
        QCOMPARE(Bunka(Body(), 1, 1), U("Šř1"));
        QCOMPARE(Bunka(Body(), 1, 2), U("745123.46"));
        QCOMPARE(Bunka(Body(), 1, 3), U("1043210.50"));
        QCOMPARE(Bunka(Body(), 1, 4), U("243.01"));
        QCOMPARE(Bunka(Body(), 1, 6), U("243.10"));
        QCOMPARE(Bunka(Body(), 1, 8), U("300"));
        QCOMPARE(Body().data(Body().index(0, 9), Qt::CheckStateRole).toInt(), int(Qt::Checked));
        QCOMPARE(Body().data(Body().index(1, 9), Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
        QCOMPARE(Bunka(Body(), 3, 0), U("3"));
        QCOMPARE(Pripojky().rowCount(), 2);
        QCOMPARE(Bunka(Pripojky(), 1, 2), U("Př1"));
        QCOMPARE(Bunka(Pripojky(), 1, 5), U("DŠ1"));
        QCOMPARE(Bunka(Pripojky(), 1, 9), U("244.80"));
        QCOMPARE(Bunka(Pripojky(), 2, 1), U("ka"));
        QCOMPARE(Nadpisy(Pripojky()), (QStringList{U("Typ"), U("Ozn. př."), U("Y příp., kříž."), U("X příp., kříž."),
                                                   U("Ozn. d.š."), U("Y dom. šachty"), U("X dom. šachy"),
                                                   U("Z pokl. d.š."), U("Z dna d.š. ")}));
        QCOMPARE(Okno().windowTitle(), QString::fromStdString("Lineon 2.11 - CZ - Kanalizace - " + (adresar_ / "ukázka.csv")));
        QCOMPARE(Stav().Nastaveni.AdresarProjektu, adresar_.Cesta());
    }

    void druhSiteMeniNadpisyASloupceAleZadnyRadek()
    {
        OtevritUkazku();
        QCOMPARE(Nadpisy(Body()), (QStringList{U("Označení"), U("Y"), U("X"), U("Z dna"), U("Z poklopu"), U("Z vtoku"),
                                               U("Z odtoku"), U("Průměr"), U("Dno")}));
        const TBod pred = Stav().Projekt.Body[1];
        Okno().Akce().Vodovod->trigger();
        QCOMPARE(Nadpisy(Body()), (QStringList{U("Číslo"), U("Y"), U("X"), U("Z potrubí"), U("Z terénu"), U(""), U(""),
                                               U("Průměr"), U("")}));
        QCOMPARE(Body().columnCount(), 10);
        QCOMPARE(Bunka(Body(), 1, 6), QString());
        QVERIFY(!Body().data(Body().index(0, 9), Qt::CheckStateRole).isValid());
        QVERIFY(!(Body().flags(Body().index(0, 9)) & Qt::ItemIsUserCheckable));
        QCOMPARE(Okno().windowTitle().section(U(" - "), 2, 2), U("Vodovod"));
        Okno().Akce().OsaKomunikace->trigger();
        QCOMPARE(Nadpisy(Body()), (QStringList{U("Číslo"), U("Y"), U("X"), U(""), U("Z osy"), U(""), U(""), U(""), U("")}));
        QCOMPARE(Bunka(Body(), 1, 4), QString());
        QCOMPARE(Bunka(Body(), 1, 5), U("245.00"));
        QVERIFY(Okno().Akce().OsaKomunikace->isChecked());
        QVERIFY(!Okno().Akce().Kanalizace->isChecked());
        Okno().Akce().Kanalizace->trigger();
        QCOMPARE(Stav().Nastaveni.NazevSite, std::string("Kanalizace"));
        QCOMPARE(Stav().Projekt.Body[1], pred);
        QVERIFY(!Stav().Projekt.Zmeneno);
    }

    void aktivaceOknaUplatniDruhSite()
    {
        Okno().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&Okno()));
        NastavitDruhSite(Stav().Nastaveni, TDruhSite::OsaKomunikace);
        QVERIFY(Okno().Akce().Kanalizace->isChecked());
        auto* jine = new QWidget;
        jine->show();
        jine->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(jine));
        Okno().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&Okno()));
        QVERIFY(Okno().Akce().OsaKomunikace->isChecked());
        QCOMPARE(Nadpisy(Body()).at(4), U("Z osy"));
        delete jine;
    }

    void jazykMeniJenTitulek()
    {
        Okno().Akce().Slovenstina->trigger();
        QCOMPARE(Okno().windowTitle(), U("Lineon 2.11 - SK - Kanalizace - Bezejména"));
        QVERIFY(Okno().Akce().Slovenstina->isChecked());
        QVERIFY(!Okno().Akce().Cestina->isChecked());
        QCOMPARE(Nadpisy(Body()).at(0), U("Označení"));
        QVERIFY(!Stav().Projekt.Zmeneno);
    }

    void menuMajiVsechnyPolozkyVPoradi()
    {
        QCOMPARE(test::Polozky(Okno().menuBar()->actions()),
                 (QStringList{U("Soubor >"), U("Úpravy >"), U("Nastavení >"), U("Výpočet >")}));
        const auto menu = [this](int i) { return test::Polozky(Okno().menuBar()->actions().at(i)->menu()->actions()); };
        QCOMPARE(menu(0), (QStringList{U("Nový"), U("Otevřít"), U("Naposledy otevřené >"), U("Uložit"), U("Uložit jako"), U("-"), U("Import"),
                                       U("-"), U("Konec")}));
        QCOMPARE(menu(1), (QStringList{U("Zpět"), U("Znovu"), U("-"), U("Seřadit podle Z dna"), U("-"), U("Vložit prázdný řádek před kurzor"),
                                       U("Vložit prázdný řádek za kurzor"), U("Odstranit řádek"), U("-"),
                                       U("Kopírovat řádek"), U("Vyjmout řádek"), U("Vložit řádek"), U("-"),
                                       U("Odstranit řádek - přípojky")}));
        QCOMPARE(menu(2), (QStringList{U("Nastavení"), U("Druh inženýrské sítě >"), U("Jazyk >")}));
        QCOMPARE(menu(3), QStringList{U("Výpočet")});
        QCOMPARE(test::Polozky(Okno().Akce().Kanalizace->actionGroup()->actions()),
                 (QStringList{U("Kanalizace"), U("Vodovod"), U("Osa komunikace")}));
        QCOMPARE(test::Polozky(Okno().Akce().Cestina->actionGroup()->actions()), (QStringList{U("Čeština"), U("Slovenština")}));
        QCOMPARE(test::Polozky(Okno().TabulkaBodu().actions()),
                 (QStringList{U("Vložit prázdný řádek před kurzor"), U("Vložit prázdný řádek za kurzor"),
                              U("Odstranit řádek"), U("-"), U("Kopírovat řádek"), U("Vyjmout řádek"), U("Vložit řádek"),
                              U("-"), U("Nastavení ...")}));
        QCOMPARE(test::Polozky(Okno().TabulkaPripojek().actions()),
                 (QStringList{U("Odstranit řádek - přípojky"), U("-"), U("Nastavení ...")}));
        QVERIFY(!Okno().Akce().VlozitZeSchranky->isEnabled());
    }

    void pismenaMenuSeVJednomMenuNeopakuji()
    {
        const auto menu = [this](int i) { return Okno().menuBar()->actions().at(i)->menu()->actions(); };
        const QStringList pismena = {test::Pismena(Okno().menuBar()->actions()),
                                     test::Pismena(menu(0)),
                                     test::Pismena(menu(1)),
                                     test::Pismena(menu(2)),
                                     test::Pismena(Okno().Akce().Kanalizace->actionGroup()->actions()),
                                     test::Pismena(Okno().Akce().Cestina->actionGroup()->actions()),
                                     test::Pismena(menu(3)),
                                     test::Pismena(Okno().TabulkaBodu().actions()),
                                     test::Pismena(Okno().TabulkaPripojek().actions())};
        QCOMPARE(pismena, (QStringList{U("spnv"), U("nopuaik"), U("znspaoktlj"), U("ndj"), U("kvo"), U("es"), U("v"),
                                       U("paoktln"), U("jn")}));
        for (const QString& p : pismena)
            QVERIFY2(test::BezOpakovani(p), qPrintable(p));
    }

    void klavesyOtevirajiMenuAPrikazy()
    {
        OtevritUkazku();
        Okno().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&Okno()));
        // F10 opens the first menu; Alt and the letter open theirs.
        QTest::keyClick(&Okno(), Qt::Key_F10);
        QCOMPARE(QApplication::activePopupWidget(), Okno().menuBar()->actions().at(0)->menu());
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        QVERIFY(!QApplication::activePopupWidget());
        QTest::keyClick(&Okno(), Qt::Key_P, Qt::AltModifier);
        QCOMPARE(QApplication::activePopupWidget(), Okno().menuBar()->actions().at(1)->menu());
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        QVERIFY(!QApplication::activePopupWidget());

        // The row commands on the focused point table: copy row 1, paste it over row 3.
        auto& tabulka = Okno().TabulkaBodu();
        tabulka.setFocus();
        tabulka.NastavitKurzor(1, 1);
        QTest::keyClick(&tabulka, Qt::Key_C, Qt::ControlModifier);
        QVERIFY(Okno().Akce().VlozitZeSchranky->isEnabled());
        tabulka.NastavitKurzor(3, 1);
        zpravy_.odpovediOkStorno = {true};
        QTest::keyClick(&tabulka, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(Stav().Projekt.Body[3], Stav().Projekt.Body[1]);
        QTest::keyClick(&tabulka, Qt::Key_Insert);
        QCOMPARE(Stav().Projekt.PocetBodu(), 4);
        QCOMPARE(Stav().Projekt.Body[3].Oznaceni, std::string());
        QTest::keyClick(&tabulka, Qt::Key_Delete);
        QCOMPARE(Stav().Projekt.PocetBodu(), 3);
        QTest::keyClick(&tabulka, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(Stav().Projekt.Body[3].Oznaceni, std::string());
        // Delete in the connection table deletes the connection row, not a point row.
        Okno().TabulkaPripojek().setFocus();
        Okno().TabulkaPripojek().NastavitKurzor(2, 1);
        zpravy_.odpovediOkStorno = {true};
        QTest::keyClick(&Okno().TabulkaPripojek(), Qt::Key_Delete);
        QCOMPARE(Stav().Projekt.PocetPripojek(), 1);
        QCOMPARE(Stav().Projekt.PocetBodu(), 3);

        // The file commands and the calculation anywhere in the window.
        Stav().Projekt.Zmeneno = false;
        volba_.adresare.clear();
        volba_.odpoved.reset();
        QTest::keyClick(&tabulka, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(volba_.adresare.size(), std::size_t(1));
        QTest::keyClick(&tabulka, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(volba_.nabidnuteNazvy.size(), std::size_t(1));
        QTest::keyClick(&tabulka, Qt::Key_F9);
        QVERIFY(program_->Rovina().isVisible());
        program_->Rovina().reject();
        Stav().Projekt.Zmeneno = false;
        QTest::keyClick(&tabulka, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(Stav().Projekt.PocetPripojek(), 1);
        QCOMPARE(Stav().Projekt.Pripojky[1].Typ, std::string());
    }

    void zaskrtnutiDnaOznaciProjektJakoZmeneny()
    {
        QVERIFY(Body().flags(Body().index(0, 9)) & Qt::ItemIsUserCheckable);
        QVERIFY(!(Body().flags(Body().index(0, 1)) & Qt::ItemIsEditable));
        QVERIFY(Body().setData(Body().index(0, 9), Qt::Checked, Qt::CheckStateRole));
        QVERIFY(Stav().Projekt.Body[1].Dno);
        QVERIFY(Stav().Projekt.Zmeneno);
    }

    void enterOteviraDialogRadkuKromeSloupceDno()
    {
        OtevritUkazku();
        Okno().TabulkaBodu().NastavitKurzor(2, ui::ModelBodu::SloupecDno);
        QTest::keyClick(&Okno().TabulkaBodu(), Qt::Key_Return);
        QVERIFY(!program_->Bod().isVisible());
        Okno().TabulkaBodu().NastavitKurzor(2, 3);
        QTest::keyClick(&Okno().TabulkaBodu(), Qt::Key_Return);
        QVERIFY(program_->Bod().isVisible());
        QCOMPARE(program_->Bod().windowTitle(), U("Záznam č. 2"));
        // The main window takes no input, but no window is modal: the side windows stay usable.
        QVERIFY(!Okno().isEnabled());
        QVERIFY(!QGuiApplication::modalWindow());
        QVERIFY(test::NadHlavnimOknem(program_->Bod(), Okno()));
        QVERIFY(!(program_->Bod().windowFlags() & Qt::WindowCloseButtonHint));
        // Escape cancels.
        const TBod pred = Stav().Projekt.Body[2];
        program_->Bod().cField()->setText(U("jiné"));
        QTest::keyClick(&program_->Bod(), Qt::Key_Escape);
        QVERIFY(!program_->Bod().isVisible());
        QVERIFY(Okno().isEnabled());
        QCOMPARE(Stav().Projekt.Body[2], pred);
        Okno().TabulkaPripojek().NastavitKurzor(1, 0);
        QTest::keyClick(&Okno().TabulkaPripojek(), Qt::Key_Enter);
        QVERIFY(program_->Pripojka().isVisible());
        QCOMPARE(program_->Pripojka().windowTitle(), U("Záznam č. 1"));
        QVERIFY(!Okno().isEnabled());
        QVERIFY(!(program_->Pripojka().windowFlags() & Qt::WindowCloseButtonHint));
        QTest::keyClick(&program_->Pripojka(), Qt::Key_Escape);
        QVERIFY(!program_->Pripojka().isVisible());
        QVERIFY(Okno().isEnabled());
    }

    void dvojklikOteviraDialogBodu()
    {
        OtevritUkazku();
        Okno().show();
        auto& tabulka = Okno().TabulkaBodu();
        const QRect bunka = tabulka.visualRect(Body().index(0, 2));
        QTest::mouseDClick(tabulka.viewport(), Qt::LeftButton, {}, bunka.center());
        QVERIFY(program_->Bod().isVisible());
        QCOMPARE(program_->Bod().windowTitle(), U("Záznam č. 1"));
        program_->Bod().reject();
    }

    void novyVyprazdniIMaleTabulky()
    {
        OtevritUkazku();
        Okno().Akce().Novy->trigger();
        QVERIFY(zpravy_.otazky.empty());
        QCOMPARE(Body().rowCount(), 1);
        QCOMPARE(Pripojky().rowCount(), 1);
        QCOMPARE(Bunka(Body(), 1, 1), QString());
        QCOMPARE(Bunka(Pripojky(), 1, 1), QString());
        QCOMPARE(Okno().windowTitle(), U("Lineon 2.11 - CZ - Kanalizace - Bezejména"));
    }

    void otevreniZmenenehoProjektuSeZepta()
    {
        OtevritUkazku();
        Stav().Projekt.Zmeneno = true;
        zpravy_.odpovediAnoNeStorno = {Odpoved::Storno};
        volba_.adresare.clear();
        Okno().Akce().Otevrit->trigger();
        QCOMPARE(zpravy_.otazky.back(),
                 "Soubor " + (adresar_ / "ukázka.csv") + " byl změněn.\n\nChcete uložit změny?");
        QVERIFY(volba_.adresare.empty());
        QVERIFY(Stav().Projekt.Zmeneno);
    }

    void chybaSouboruSeOznamiAProjektZustane()
    {
        OtevritUkazku();
        volba_.odpoved = TVolbaSouboru{adresar_ / "neexistuje.csv", FormatProjektu::Tabulka};
        Okno().Akce().Otevrit->trigger();
        QCOMPARE(zpravy_.zpravy.size(), std::size_t(1));
        QCOMPARE(zpravy_.zpravy[0].druh, DruhZpravy::Chyba);
        QVERIFY(QString::fromStdString(zpravy_.zpravy[0].text).contains(U("neexistuje.csv")));
        QCOMPARE(Body().rowCount(), 3);
    }

    void souborBezDatNenahradiProjektAniJehoNazev()
    {
        // A survey file chosen in the open dialog: 3 lines without one field separator.
        OtevritUkazku();
        const std::string titulek = Okno().windowTitle().toStdString();
        const std::string zamereni = adresar_ / "zaměření.csv";
        test::ZapsatBajty(zamereni, "1 745000.10 1040000.20 245.30 s1\r\n2 745010 1040010 245 s2\r\n\r\n");
        volba_.odpoved = TVolbaSouboru{zamereni, FormatProjektu::Tabulka};
        Okno().Akce().Otevrit->trigger();
        QCOMPARE(zpravy_.zpravy, (std::vector<test::ZaznamZprav::Zprava>{
                                     {DruhZpravy::Varovani,
                                      "Soubor „" + zamereni
                                          + "“: načteno 0 bodů a 0 přípojek z 3 řádků; neúplné řádky (chybějící pole "
                                            "se čtou jako prázdná): 1, 2, 3; jiný typ souboru?"}}));
        QCOMPARE(Body().rowCount(), 3);
        QCOMPARE(Stav().Projekt.SouborProjektu, adresar_ / "ukázka.csv");
        QCOMPARE(Okno().windowTitle().toStdString(), titulek);
        // "Uložit" then writes the project to its own file, not over the survey.
        Okno().Akce().Ulozit->trigger();
        QCOMPARE(test::PrecistBajty(zamereni), std::string("1 745000.10 1040000.20 245.30 s1\r\n2 745010 1040010 245 s2\r\n\r\n"));
    }

    void ulozitJakoSiPamatujeTypSouboru()
    {
        OtevritUkazku();
        volba_.odpoved = TVolbaSouboru{adresar_ / "kopie", FormatProjektu::Radky};
        Okno().Akce().UlozitJako->trigger();
        QCOMPARE(volba_.nabidnuteTypy.back(), FormatProjektu::Tabulka);
        QCOMPARE(volba_.nabidnuteNazvy.back(), adresar_ / "ukázka.csv");
        QVERIFY(soubor::Existuje(adresar_ / "kopie.dat"));
        QCOMPARE(Stav().Projekt.SouborProjektu, adresar_ / "kopie.dat");
        QVERIFY(Okno().windowTitle().endsWith(U("kopie.dat")));
        // A project from a .dat file is always saved through the dialog, which offers the last type.
        volba_.odpoved.reset();
        Okno().Akce().Ulozit->trigger();
        QCOMPARE(volba_.nabidnuteTypy.back(), FormatProjektu::Radky);
        QCOMPARE(volba_.nabidnuteNazvy.back(), adresar_ / "kopie.dat");
    }
};

QTEST_MAIN(HlavniOknoTest)
#include "HlavniOknoTest.moc"
