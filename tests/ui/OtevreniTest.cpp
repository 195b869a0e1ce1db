#include "PomocUi.h"
#include "zaklad/Kodovani.h"
#include "data/SouborDoplnku.h"
#include "prikazy/NaposledyOtevrene.h"
#include "prikazy/PrikazySouboru.h"
#include "ui/OknoSeznamuSouradnic.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QtTest>

using namespace lineon;

class OtevreniTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::SpustenyProgram> p_;

    TStav& Stav() { return p_->Stav(); }
    QMenu& Naposledy() { return *p_->Okno().Akce().Naposledy->menu(); }

    /// The sample project under a name of the program's directory.
    std::string Projekt(const std::string& nazev)
    {
        const std::string cesta = p_->adresar / nazev;
        ZapsatProjekt(test::UkazkovyProjekt(), cesta, FormatProjektu::Tabulka);
        return cesta;
    }

    QStringList Polozky()
    {
        QStringList polozky;
        for (const QAction* a : Naposledy().actions())
            if (a->isVisible())
                polozky << a->text();
        return polozky;
    }

    /// Drops a file on the main window as a file manager does; whether the window took the drag.
    bool Pustit(const std::string& cesta)
    {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QString::fromStdString(cesta))});
        QDragEnterEvent vstup({10, 10}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&p_->Okno(), &vstup);
        if (!vstup.isAccepted())
            return false;
        QDropEvent pusteni(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&p_->Okno(), &pusteni);
        QCoreApplication::processEvents();
        return true;
    }

private slots:
    void init() { p_ = std::make_unique<test::SpustenyProgram>(); }
    void cleanup() { p_.reset(); }

    void naposledyOtevreneVPoradiAChybejiciOdpadne()
    {
        QVERIFY(!p_->Okno().Akce().Naposledy->isEnabled());
        std::vector<std::string> cesty;
        for (int i = 0; i < 9; ++i) {
            cesty.push_back(Projekt("projekt ř" + std::to_string(i) + (i == 1 ? " & spol.csv" : ".csv")));
            p_->Okno().OtevritSoubor(cesty.back(), FormatProjektu::Tabulka);
        }
        // Opening the first again, and saving it, keeps it once at the top; the oldest went at nine.
        p_->volba.odpoved = TVolbaSouboru{cesty[1], FormatProjektu::Tabulka};
        p_->Okno().Akce().Otevrit->trigger();
        p_->Okno().Akce().Ulozit->trigger();
        QStringList ocekavane;
        for (int i : {1, 8, 7, 6, 5, 4, 3, 2})
            ocekavane << QStringLiteral("&%1 ").arg(ocekavane.size() + 1)
                             + QString::fromStdString(cesty[static_cast<std::size_t>(i)]).replace(QStringLiteral("&"), QStringLiteral("&&"));
        QCOMPARE(Polozky(), ocekavane);

        // A project gone since is told and dropped; the project in force stays.
        QFile::remove(QString::fromStdString(cesty[8]));
        Naposledy().actions().at(1)->trigger();
        QCOMPARE(p_->zpravy.zpravy, (std::vector<test::ZaznamZprav::Zprava>{{DruhZpravy::Varovani, TextChybejicihoProjektu(cesty[8])}}));
        QCOMPARE(Stav().Projekt.SouborProjektu, cesty[1]);
        QCOMPARE(Stav().Doplnky.Naposledy.size(), std::size_t(7));
        Naposledy().actions().at(1)->trigger();
        QCOMPARE(Stav().Projekt.SouborProjektu, cesty[7]);

        // The list is kept in "$doplnky" at the end.
        p_->Okno().close();
        TDoplnky doplnky;
        NacistDoplnky(p_->adresar / "$doplnky", doplnky);
        QCOMPARE(doplnky.Naposledy, Stav().Doplnky.Naposledy);
    }

    void pustenyProjektSeOtevreSDotazemNaZmeny()
    {
        const std::string cesta = Projekt("pusť.csv");
        QVERIFY(Pustit(cesta));
        QCOMPARE(Stav().Projekt.SouborProjektu, cesta);
        QCOMPARE(Stav().Projekt.PocetBodu(), 3);
        Stav().Projekt.Zmeneno = true;
        p_->zpravy.odpovediAnoNeStorno = {Odpoved::Storno};
        QVERIFY(Pustit(Projekt("jiný.csv")));
        QCOMPARE(p_->zpravy.otazky, std::vector<std::string>{TextPotvrzeniUlozeni(cesta)});
        QCOMPARE(Stav().Projekt.SouborProjektu, cesta);
    }

    void pusteneZamereniSeImportujeAJineSeNevezme()
    {
        const std::string zamereni = p_->adresar / "zaměření.TXT";
        test::ZapsatBajty(zamereni, kodovani::DoCp1250("1 745001.5 1043001.25 241.1 s1\r\n"));
        QVERIFY(Pustit(zamereni));
        QCOMPARE(Stav().SeznamSouradnic.PocetZamerenychBodu(), 1);
        QVERIFY(p_->program->Seznam().isVisible());
        QVERIFY(!Pustit(p_->adresar / "obrázek.png"));
        p_->program->OtevritZvenku(p_->adresar / "obrázek.png");
        QCOMPARE(p_->zpravy.zpravy.back().text, TextCizihoSouboru(p_->adresar / "obrázek.png"));
    }
};

QTEST_MAIN(OtevreniTest)
#include "OtevreniTest.moc"
