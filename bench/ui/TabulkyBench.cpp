// The main window with a sewer of 5000 points and 5000 connection rows: opening it, scrolling
// both tables a page at a time and from the first row to the last, switching the network kind.
// Every step ends with the tables painted, as the screen would show them, and should take well
// under 100 ms.
#include "GenerovanaData.h"
#include "ui/PomocUi.h"
#include "ui/HlavniOkno.h"
#include "ui/TabulkaRadku.h"

#include <QScrollBar>
#include <QtTest>

#include <algorithm>
#include <memory>
#include <string>

using namespace lineon;

class TabulkyBench : public QObject {
    Q_OBJECT

    std::unique_ptr<test::SpustenyProgram> program_;

    ui::HlavniOkno& Okno() { return program_->Okno(); }

    ui::TabulkaRadku& Tabulka(const QString& nazev)
    {
        return nazev == QLatin1String("body") ? Okno().TabulkaBodu() : Okno().TabulkaPripojek();
    }

    /// Paints both tables now, then lets the window finish whatever the change left for later.
    void Vykreslit()
    {
        Okno().TabulkaBodu().repaint();
        Okno().TabulkaPripojek().repaint();
        QCoreApplication::processEvents();
    }

    /// One page down, as with Page Down, painted; after the last page it starts again at the top.
    static void OStrankuDal(ui::TabulkaRadku& tabulka)
    {
        QScrollBar& posuvnik = *tabulka.verticalScrollBar();
        const int dalsi = posuvnik.value() + posuvnik.pageStep();
        posuvnik.setValue(posuvnik.value() >= posuvnik.maximum() ? posuvnik.minimum() : std::min(dalsi, posuvnik.maximum()));
        tabulka.viewport()->repaint();
        QCoreApplication::processEvents();
    }

private slots:
    void initTestCase()
    {
        program_ = std::make_unique<test::SpustenyProgram>();
        QVERIFY(QTest::qWaitForWindowExposed(&Okno()));
        const std::string soubor = program_->adresar / "stoka.csv";
        ZapsatProjekt(bench::Stoka()->Projekt, soubor, FormatProjektu::Tabulka);
        program_->volba.odpoved = TVolbaSouboru{soubor, FormatProjektu::Tabulka};
        Okno().Otevrit();
        Vykreslit();
        QCOMPARE(Okno().TabulkaBodu().model()->rowCount(), bench::PocetBoduLinie);
        QCOMPARE(Okno().TabulkaPripojek().model()->rowCount(), 5000);
        for (const char* tabulka : {"body", "pripojky"}) {
            const QScrollBar& posuvnik = *Tabulka(QString::fromLatin1(tabulka)).verticalScrollBar();
            qInfo("%s: %d stran po %d radcich", tabulka, posuvnik.maximum() / posuvnik.pageStep() + 1,
                  posuvnik.pageStep());
        }
    }

    void cleanupTestCase()
    {
        QVERIFY(program_->zpravy.zpravy.empty());
        QVERIFY(program_->zpravy.otazky.empty());
        program_.reset();
    }

    void otevreni_data()
    {
        QTest::addColumn<bool>("soubor");
        QTest::newRow("prikaz Otevrit") << true;
        QTest::newRow("jen tabulky") << false;
    }

    // "Otevřít" after its file dialog: the file read into the project and both tables redrawn;
    // without the file, only the redraw of the project already read.
    void otevreni()
    {
        QFETCH(bool, soubor);
        QBENCHMARK {
            if (soubor)
                Okno().Otevrit();
            else
                Okno().PrekreslitTabulky(ZmenaRadku::Projekt);
            Vykreslit();
        }
        QCOMPARE(Okno().TabulkaBodu().AktivniRadek(), 1);
    }

    void listovani_data()
    {
        QTest::addColumn<QString>("tabulka");
        QTest::addColumn<bool>("poStrankach");
        for (const char* tabulka : {"body", "pripojky"}) {
            QTest::addRow("%s o stranku", tabulka) << QString::fromLatin1(tabulka) << true;
            QTest::addRow("%s skok na konec", tabulka) << QString::fromLatin1(tabulka) << false;
        }
    }

    // One page down, or from the first row to the last in one jump.
    void listovani()
    {
        QFETCH(QString, tabulka);
        QFETCH(bool, poStrankach);
        ui::TabulkaRadku& t = Tabulka(tabulka);
        QBENCHMARK {
            if (poStrankach) {
                OStrankuDal(t);
            } else {
                t.scrollToTop();
                t.scrollToBottom();
                t.viewport()->repaint();
                QCoreApplication::processEvents();
            }
        }
        QVERIFY(t.verticalScrollBar()->maximum() > 0);
        t.scrollToTop();
    }

    // Kanalizace -> Vodovod -> Osa komunikace -> Kanalizace, each painted.
    void druhSite()
    {
        Okno().PrepnoutDruhSite(TDruhSite::Kanalizace);
        Vykreslit();
        QBENCHMARK {
            for (int k : {2, 3, 1}) {
                Okno().PrepnoutDruhSite(static_cast<TDruhSite>(k));
                Vykreslit();
            }
        }
        QVERIFY(Okno().Akce().Kanalizace->isChecked());
    }
};

QTEST_MAIN(TabulkyBench)
#include "TabulkyBench.moc"
