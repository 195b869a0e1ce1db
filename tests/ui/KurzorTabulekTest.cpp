#include "PomocUi.h"
#include "zaklad/Kodovani.h"
#include "ui/DialogBodu.h"
#include "ui/DialogNastaveni.h"
#include "ui/DialogRoviny.h"
#include "ui/OknoRucnihoPrevodu.h"
#include "ui/OknoSeznamuSouradnic.h"
#include "ui/TabulkaRadku.h"

#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>

using namespace lineon;

namespace {

/// Where a table stands: the cursor's row and column, the selected rows, the scroll position.
struct TPoloha {
    int radek;
    int sloupec;
    QList<int> vybrane;
    int posun;
    bool operator==(const TPoloha&) const = default;
};

TPoloha Poloha(const ui::TabulkaRadku& tabulka)
{
    QList<int> vybrane;
    for (const QModelIndex& radek : tabulka.selectionModel()->selectedRows())
        vybrane << radek.row() + 1;
    return {tabulka.AktivniRadek(), tabulka.AktivniSloupec(), vybrane, tabulka.verticalScrollBar()->value()};
}

} // namespace

namespace QTest {
template <>
char* toString(const TPoloha& p)
{
    QString vybrane;
    for (int r : p.vybrane)
        vybrane += QString::number(r) + QLatin1Char(' ');
    return qstrdup(qPrintable(QStringLiteral("řádek %1, sloupec %2, vybrané %3, posun %4")
                                  .arg(p.radek)
                                  .arg(p.sloupec)
                                  .arg(vybrane)
                                  .arg(p.posun)));
}
} // namespace QTest

class KurzorTabulekTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::SpustenyProgram> p_;

    ui::HlavniOkno& Okno() { return p_->Okno(); }
    ui::TabulkaRadku& Body() { return Okno().TabulkaBodu(); }
    ui::TabulkaRadku& Pripojky() { return Okno().TabulkaPripojek(); }
    TProjekt& Projekt() { return p_->Stav().Projekt; }

    /// A sewer of 60 manholes and 30 connections, opened through "Otevřít".
    void OtevritDlouhyProjekt()
    {
        TProjekt projekt;
        for (int i = 1; i <= 60; ++i) {
            const TBod bod{.Oznaceni = "Š" + std::to_string(i), .Y = 745000.0 + 10 * i, .X = 1043000.0 + 10 * i,
                           .ZDna = 240.0 + 0.1 * i, .ZPoklopu = 243.0 + 0.1 * i, .Prumer = 300, .Dno = true};
            if (i <= projekt.PocetBodu())
                projekt.Body[i] = bod;
            else
                projekt.Body.Pridat(bod);
        }
        for (int j = 1; j <= 30; ++j) {
            const TPripojka pripojka{.Typ = "p", .OznaceniPripojky = "P" + std::to_string(j), .Y = 745005.0 + 20 * j,
                                     .X = 1043005.0 + 20 * j, .Poradi = j};
            if (j <= projekt.PocetPripojek())
                projekt.Pripojky[j] = pripojka;
            else
                projekt.Pripojky.Pridat(pripojka);
        }
        const std::string cesta = p_->adresar / "dlouhá.csv";
        ZapsatProjekt(projekt, cesta, FormatProjektu::Tabulka);
        p_->volba.odpoved = TVolbaSouboru{cesta, FormatProjektu::Tabulka};
        Okno().Akce().Otevrit->trigger();
        QCOMPARE(Projekt().PocetBodu(), 60);
        QCOMPARE(Projekt().PocetPripojek(), 30);
    }

    /// One surveyed point in the coordinate list, selected.
    void ImportovatBod()
    {
        const std::string cesta = p_->adresar / "bod.txt";
        test::ZapsatBajty(cesta, kodovani::DoCp1250("501 746123.25 1044321.75 250.55 s9\r\n"));
        p_->volba.zamereni = ui::TVolbaZamereni{cesta, TypZamereni::Textovy};
        Okno().Akce().Import->trigger();
        p_->program->Seznam().Seznam().setCurrentRow(0);
    }

    void Aktivovat(QWidget& okno)
    {
        okno.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&okno));
    }

    /// A message box over the main window, answered at once.
    void ZobrazitZpravu()
    {
        QTimer::singleShot(0, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                box->accept();
        });
        QMessageBox::information(&Okno(), QStringLiteral("Lineon"), QStringLiteral("Zpráva"));
    }

private slots:
    void init()
    {
        p_ = std::make_unique<test::SpustenyProgram>();
        Aktivovat(Okno());
        OtevritDlouhyProjekt();
    }
    void cleanup() { p_.reset(); }

    void rucniPrevodPoDialozichPrepiseZvolenyRadek()
    {
        ImportovatBod();
        Aktivovat(Okno());
        Body().NastavitKurzor(41, 2);
        const TPoloha poloha = Poloha(Body());
        QVERIFY(poloha.posun > 0);
        const TBod prvni = Projekt().Body[1];

        p_->program->Nastaveni().Zobrazit();
        QVERIFY(QTest::qWaitForWindowActive(&p_->program->Nastaveni()));
        p_->program->Nastaveni().close();
        Aktivovat(Okno());
        QCOMPARE(Poloha(Body()), poloha);
        ZobrazitZpravu();
        Aktivovat(p_->program->Seznam());
        Aktivovat(Okno());
        QCOMPARE(Poloha(Body()), poloha);

        // "zaměřený řádek (přepisovat)" writes into the row the user chose.
        Aktivovat(p_->program->Seznam());
        p_->program->Seznam().PrevestAktualniRadek();
        QCOMPARE(Projekt().Body[41].Oznaceni, std::string("501"));
        QCOMPARE(Projekt().Body[41].Y, 746123.25);
        QCOMPARE(Projekt().Body[41].ZDna, 250.55);
        QCOMPARE(Projekt().Body[1], prvni);
        QCOMPARE(Poloha(Body()), poloha);
    }

    void druhJazykDialogyAVypocetNechajiObeTabulky()
    {
        Body().NastavitKurzor(41, 5);
        Pripojky().NastavitKurzor(25, 3);
        const TPoloha body = Poloha(Body());
        const TPoloha pripojky = Poloha(Pripojky());
        const auto stejne = [&] {
            QCOMPARE(Poloha(Body()), body);
            QCOMPARE(Poloha(Pripojky()), pripojky);
        };
        for (QAction* akce : {Okno().Akce().Vodovod, Okno().Akce().OsaKomunikace, Okno().Akce().Kanalizace,
                              Okno().Akce().Slovenstina, Okno().Akce().Cestina}) {
            akce->trigger();
            stejne();
        }
        // The point dialog of row 41, stored with OK; the connection dialog cancelled.
        QTest::keyClick(&Body(), Qt::Key_Return);
        QVERIFY(p_->program->Bod().isVisible());
        p_->program->Bod().TlacitkoOk()->click();
        Aktivovat(Okno());
        stejne();
        QTest::keyClick(&Pripojky(), Qt::Key_Return);
        QTest::keyClick(QApplication::activeWindow(), Qt::Key_Escape);
        Aktivovat(Okno());
        stejne();
        // The calculation and its plane dialog.
        Okno().Akce().Vypocet->trigger();
        QVERIFY(p_->program->Rovina().isVisible());
        p_->program->Rovina().reject();
        Aktivovat(Okno());
        stejne();
    }

    void prikazyRadkuStaviKurzorKamRikaji()
    {
        // After the cursor: the new row takes it.
        Body().NastavitKurzor(41, 2);
        Okno().Akce().VlozitRadekZa->trigger();
        QCOMPARE(Projekt().PocetBodu(), 61);
        QCOMPARE(Body().AktivniRadek(), 42);
        QCOMPARE(Projekt().Body[42].Oznaceni, std::string());
        // Before the cursor: the new row stands where the cursor is.
        Okno().Akce().VlozitRadekPred->trigger();
        QCOMPARE(Body().AktivniRadek(), 42);
        // Deleting keeps the row number; deleting the last row leaves the cursor on the new last one.
        Okno().Akce().OdstranitRadek->trigger();
        QCOMPARE(Body().AktivniRadek(), 42);
        QCOMPARE(Poloha(Body()).vybrane, QList<int>{42});
        Body().NastavitKurzor(61, 1);
        Okno().Akce().OdstranitRadek->trigger();
        QCOMPARE(Projekt().PocetBodu(), 60);
        QCOMPARE(Body().AktivniRadek(), 60);
        QCOMPARE(Poloha(Body()).vybrane, QList<int>{60});
        // Sorting keeps the row number of the cursor.
        Body().NastavitKurzor(30, 4);
        const int posun = Poloha(Body()).posun;
        Okno().Akce().SeraditPodleZDna->trigger();
        QCOMPARE(Poloha(Body()), (TPoloha{30, 4, {30}, posun}));
        // Another project starts at the top of both tables.
        Pripojky().NastavitKurzor(25, 1);
        OtevritDlouhyProjekt();
        QCOMPARE(Poloha(Body()), (TPoloha{1, 4, {1}, 0}));
        QCOMPARE(Poloha(Pripojky()), (TPoloha{1, 1, {1}, 0}));
    }

    void pripojeniNaKonecVezmeKurzor()
    {
        ImportovatBod();
        auto* konec = p_->program->RucniPrevod().findChild<QRadioButton*>(QStringLiteral("RadioGroup12"));
        konec->click();
        Body().NastavitKurzor(10, 1);
        p_->program->Seznam().PrevestAktualniRadek();
        QCOMPARE(Projekt().PocetBodu(), 61);
        QCOMPARE(Body().AktivniRadek(), 61);
        QCOMPARE(Projekt().Body[10].Oznaceni, std::string("Š10"));
        // A connection appended, then its house manhole onto the same row.
        p_->program->RucniPrevod().findChild<QRadioButton*>(QStringLiteral("RadioGroup31"))->click();
        Pripojky().NastavitKurzor(5, 1);

        p_->program->Seznam().PrevestAktualniRadek();
        QCOMPARE(Projekt().PocetPripojek(), 31);
        QCOMPARE(Pripojky().AktivniRadek(), 31);
        QCOMPARE(Body().AktivniRadek(), 61);
        p_->program->RucniPrevod().findChild<QRadioButton*>(QStringLiteral("RadioGroup32"))->click();
        p_->program->RucniPrevod().findChild<QRadioButton*>(QStringLiteral("RadioGroup10"))->click();
        p_->program->Seznam().PrevestAktualniRadek();
        QCOMPARE(Projekt().PocetPripojek(), 31);
        QCOMPARE(Projekt().Pripojky[31].YDS, 746123.25);
        QCOMPARE(Projekt().Pripojky[31].Y, 746123.25);
        QCOMPARE(Projekt().Pripojky[5].YDS, 0.0);
    }
};

QTEST_MAIN(KurzorTabulekTest)
#include "KurzorTabulekTest.moc"
