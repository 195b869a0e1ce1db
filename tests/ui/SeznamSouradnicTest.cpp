#include "PomocUi.h"
#include "zaklad/Kodovani.h"
#include "data/SouborNastaveni.h"
#include "ui/DialogNastaveni.h"
#include "ui/OknoAutomatickehoPrevodu.h"
#include "ui/OknoRucnihoPrevodu.h"
#include "ui/OknoSeznamuSouradnic.h"
#include "ui/TabulkaRadku.h"
#include "ui/VolbaSouboruDialogem.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QListWidget>
#include <QtTest>

using namespace lineon;

namespace {

QString U(const char* text) { return QString::fromUtf8(text); }

} // namespace

class SeznamSouradnicTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::SpustenyProgram> p_;

    ui::OknoSeznamuSouradnic& Seznam() { return p_->program->Seznam(); }
    TStav& Stav() { return p_->Stav(); }

    /// A survey file of three points (a heading line and a point without a level among them).
    std::string Zamereni()
    {
        const std::string cesta = p_->adresar / "zaměření.txt";
        test::ZapsatBajty(cesta, kodovani::DoCp1250("Číslo Y X Z kód\r\n"
                                                    "1 745001.5 1043001.25 241.1 s1\r\n"
                                                    "2 745011.5 1043011.25 sř2\r\n"
                                                    "3 745021.5 1043021.25 242.3 ka\r\n"));
        return cesta;
    }

    void Importovat(TypZamereni typ = TypZamereni::Textovy)
    {
        p_->volba.zamereni = ui::TVolbaZamereni{Zamereni(), typ};
        p_->Okno().Akce().Import->trigger();
    }

    QStringList Radky()
    {
        QStringList radky;
        for (int i = 0; i < Seznam().Seznam().count(); ++i)
            radky << Seznam().Seznam().item(i)->text();
        return radky;
    }

    QString BunkaBodu(int radek, int sloupec)
    {
        const QAbstractItemModel& model = *p_->Okno().TabulkaBodu().model();
        return model.data(model.index(radek - 1, sloupec), Qt::DisplayRole).toString();
    }

private slots:
    void init() { p_ = std::make_unique<test::SpustenyProgram>(); }
    void cleanup() { p_.reset(); }

    void importUkazeSeznamPoRadcich()
    {
        const std::string adresarPred = Stav().Nastaveni.AdresarProjektu;
        Importovat();
        QCOMPARE(p_->volba.adresare, std::vector<std::string>{adresarPred});
        QCOMPARE(p_->volba.nabidnuteTypyZamereni, std::vector<TypZamereni>{TypZamereni::Textovy});
        QVERIFY(Seznam().isVisible());
        QCOMPARE(Seznam().windowTitle(), U("Seznam souřadnic"));
        QVERIFY(test::NadHlavnimOknem(Seznam(), p_->Okno()));
        QCOMPARE(Radky(), (QStringList{U("1  745001.5  1043001.25  241.1  s1"), U("2  745011.5  1043011.25  0.000  sř2"),
                                       U("3  745021.5  1043021.25  242.3  ka")}));
        QCOMPARE(Stav().Nastaveni.AdresarProjektu, p_->adresar.Cesta());
        // The tables are not touched by the import.
        QCOMPARE(Stav().Projekt.PocetBodu(), 1);
        // The heading is a line left out, and the import says so.
        QCOMPARE(p_->zpravy.zpravy, (std::vector<test::ZaznamZprav::Zprava>{
                                        {DruhZpravy::Varovani, "Soubor „" + p_->adresar / "zaměření.txt"
                                                                   + "“: načteny 3 body z 4 řádků; vynechané řádky "
                                                                     "bez dvou číselných souřadnic: 1."}}));
    }

    void souborBezBoduSeOhlasiASeznamZustane()
    {
        Importovat();
        Seznam().close();
        test::ZapsatBajty(p_->adresar / "projekt.txt", "\x8a\x31;744210.350;1043785.620;244.120;246.853;0;0;400;Ano;\r\n");
        p_->volba.zamereni = ui::TVolbaZamereni{p_->adresar / "projekt.txt", TypZamereni::Textovy};
        p_->zpravy.zpravy.clear();
        p_->Okno().Akce().Import->trigger();
        QCOMPARE(p_->zpravy.zpravy, (std::vector<test::ZaznamZprav::Zprava>{
                                        {DruhZpravy::Varovani, "Soubor „" + p_->adresar / "projekt.txt"
                                                                   + "“: načteno 0 bodů z 1 řádku; jiný typ souboru?"}}));
        QVERIFY(!Seznam().isVisible());
        QCOMPARE(Stav().SeznamSouradnic.PocetZamerenychBodu(), 3);
    }

    void zrusenyImportNicNemeni()
    {
        p_->Okno().Akce().Import->trigger();
        QVERIFY(!Seznam().isVisible());
        QCOMPARE(Stav().SeznamSouradnic.PocetZamerenychBodu(), 0);
    }

    void nectitelnySouborSeOhlasiASeznamZustane()
    {
        Importovat();
        p_->zpravy.zpravy.clear();
        p_->volba.zamereni = ui::TVolbaZamereni{p_->adresar / "není.txt", TypZamereni::Textovy};
        p_->Okno().Akce().Import->trigger();
        QCOMPARE(p_->zpravy.zpravy.size(), std::size_t(1));
        QCOMPARE(p_->zpravy.zpravy[0].druh, DruhZpravy::Chyba);
        QCOMPARE(Seznam().Seznam().count(), 3);
        QCOMPARE(Stav().SeznamSouradnic.PocetZamerenychBodu(), 3);
    }

    void zvolenyTypSouboruSeNabidnePristeAZapiseNaKonci()
    {
        Importovat(TypZamereni::Specialni);
        QCOMPARE(Stav().Nastaveni.ImportFilterIndex, 2);
        p_->volba.zamereni.reset();
        p_->Okno().Akce().Import->trigger();
        QCOMPARE(p_->volba.nabidnuteTypyZamereni, (std::vector<TypZamereni>{TypZamereni::Textovy, TypZamereni::Specialni}));
        QVERIFY(p_->Okno().close());
        TNastaveni prectene;
        QVERIFY(NacistNastaveni(p_->adresar / "$nastav", prectene).empty());
        QCOMPARE(prectene.ImportFilterIndex, 2);
    }

    void dialogImportuUkazeSouboryZvolenehoTypu()
    {
        for (const char* nazev : {"a.txt", "b.stx", "c.csv"})
            test::ZapsatBajty(p_->adresar / nazev, "");
        const QStringList typy = ui::VolbaSouboruDialogem::TypyZamereni();
        QCOMPARE(typy, (QStringList{U("textový soubor (*.txt,*.stx)"), U("speciální textový soubor (*.txt)")}));
        QFileDialog dialog(nullptr, U("Importovat"), QString::fromStdString(p_->adresar.Cesta()));
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setNameFilters(typy);
        auto* model = dialog.findChild<QFileSystemModel*>();
        QVERIFY(model);
        const QModelIndex adresar = model->index(QString::fromStdString(p_->adresar.Cesta()));
        dialog.selectNameFilter(typy[0]);
        ui::VolbaSouboruDialogem::PouzitTypZamereni(dialog);
        QCOMPARE(model->nameFilters(), (QStringList{U("*.txt"), U("*.stx")}));
        QTRY_COMPARE(model->rowCount(adresar), 2);
        dialog.selectNameFilter(typy[1]);
        ui::VolbaSouboruDialogem::PouzitTypZamereni(dialog);
        QTRY_COMPARE(model->rowCount(adresar), 1);
    }

    void menuAKontextoveMenu()
    {
        QCOMPARE(test::Polozky(Seznam().menuBar()->actions()),
                 (QStringList{U("Nastavení >"), U("!Spustit automatický převod!"), U("!Převést celý seznam!")}));
        QCOMPARE(test::Polozky(Seznam().menuBar()->actions()[0]->menu()->actions()),
                 (QStringList{U("Automatický převod dat"), U("Ruční převod dat")}));
        QVERIFY(!Seznam().PrevestCelySeznam()->isEnabled());
        QCOMPARE(test::Polozky(Seznam().Seznam().actions()),
                 (QStringList{U("!Spustit automatický převod!"), U("Převod aktuálního řádku"),
                              U("Nastavení automatického převodu dat"), U("Nastavení ručního převodu dat")}));
        QCOMPARE(Seznam().Seznam().contextMenuPolicy(), Qt::ActionsContextMenu);
        QCOMPARE(test::Pismena(Seznam().menuBar()->actions()), U("nsp"));
        QCOMPARE(test::Pismena(Seznam().menuBar()->actions()[0]->menu()->actions()), U("ar"));
        QCOMPARE(test::Pismena(Seznam().Seznam().actions()), U("spar"));
    }

    void dvojklikPrevedeZaznamDoZamerenehoRadku()
    {
        Importovat();
        QListWidget& seznam = Seznam().Seznam();
        const QRect radek = seznam.visualItemRect(seznam.item(1));
        QTest::mouseClick(seznam.viewport(), Qt::LeftButton, {}, radek.center());
        QTest::mouseDClick(seznam.viewport(), Qt::LeftButton, {}, radek.center());
        QCOMPARE(Stav().Projekt.PocetBodu(), 1);
        QCOMPARE(Stav().Projekt.Body[1].Oznaceni, std::string("2"));
        QCOMPARE(Stav().Projekt.Body[1].Y, 745011.5);
        QCOMPARE(BunkaBodu(1, 2), U("745011.50"));
        QVERIFY(Stav().Projekt.Zmeneno);
    }

    void enterAPolozkaMenuPrevadejiVybranyRadek()
    {
        Importovat();
        Seznam().NastaveniRucnihoPrevodu()->trigger();
        Stav().RucniPrevod.RadioGroup1 = 2; // "konec"
        Seznam().Seznam().setCurrentRow(0);
        QTest::keyClick(&Seznam().Seznam(), Qt::Key_Return);
        QCOMPARE(Stav().Projekt.PocetBodu(), 2);
        QCOMPARE(Stav().Projekt.Body[2].Oznaceni, std::string("1"));
        Seznam().Seznam().setCurrentRow(2);
        Seznam().PrevodAktualnihoRadku()->trigger();
        QCOMPARE(Stav().Projekt.PocetBodu(), 3);
        QCOMPARE(Stav().Projekt.Body[3].ZDna, 242.3);
        QCOMPARE(p_->Okno().TabulkaBodu().model()->rowCount(), 3);
    }

    void automatickyPrevodPlniObeTabulky()
    {
        Importovat();
        Seznam().Spustit()->trigger();
        QCOMPARE(Stav().Projekt.PocetBodu(), 1);
        QCOMPARE(Stav().Projekt.Body[1].Oznaceni, std::string("1"));
        QCOMPARE(Stav().Projekt.PocetPripojek(), 1);
        QCOMPARE(Stav().Projekt.Pripojky[1].Typ, std::string("ka"));
        QCOMPARE(p_->Okno().TabulkaPripojek().model()->rowCount(), 1);
    }

    void prevodDoPlneTabulkySeOdmitne()
    {
        Importovat();
        p_->zpravy.zpravy.clear();
        Stav().Projekt.Body.NastavitPocet(Tabulka<TBod>::Kapacita);
        Stav().RucniPrevod.RadioGroup1 = 2;
        Seznam().Seznam().setCurrentRow(0);
        Seznam().PrevodAktualnihoRadku()->trigger();
        QCOMPARE(p_->zpravy.zpravy.size(), std::size_t(1));
        QCOMPARE(p_->zpravy.zpravy[0].druh, DruhZpravy::Chyba);
        QCOMPARE(Stav().Projekt.PocetBodu(), Tabulka<TBod>::Kapacita);
    }

    void menuOtviraNastaveniAZavreniJeZavre()
    {
        Importovat();
        Seznam().AutomatickyPrevodDat()->trigger();
        Seznam().NastaveniRucnihoPrevodu()->trigger();
        QVERIFY(p_->program->AutomatickyPrevod().isVisible());
        QVERIFY(p_->program->RucniPrevod().isVisible());
        Seznam().close();
        QVERIFY(!p_->program->AutomatickyPrevod().isVisible());
        QVERIFY(!p_->program->RucniPrevod().isVisible());
    }

    void aktivaceSeznamuObnoviAutomatickyPrevod()
    {
        Importovat();
        Seznam().AutomatickyPrevodDat()->trigger();
        Stav().Nastaveni.KodXY = "bod";
        Seznam().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&Seznam()));
        QCOMPARE(p_->program->AutomatickyPrevod().findChild<QLineEdit*>(QStringLiteral("AsField"))->text(), U("bod"));
    }

    void dialogVystupuZakazeSeznamIOknaPrevodu()
    {
        Importovat();
        p_->Okno().Akce().Nastaveni->trigger();
        QVERIFY(QTest::qWaitForWindowActive(&p_->program->Nastaveni()));
        QVERIFY(!Seznam().isEnabled());
        QVERIFY(!p_->program->RucniPrevod().isEnabled());
        QVERIFY(!p_->program->AutomatickyPrevod().isEnabled());
        p_->program->Nastaveni().close();
        QVERIFY(Seznam().isEnabled());
        QVERIFY(p_->program->AutomatickyPrevod().isEnabled());
    }
};

QTEST_MAIN(SeznamSouradnicTest)
#include "SeznamSouradnicTest.moc"
