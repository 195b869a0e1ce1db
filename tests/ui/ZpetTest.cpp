#include "PomocUi.h"
#include "zaklad/Kodovani.h"
#include "ui/DialogBodu.h"
#include "ui/DialogPripojky.h"
#include "ui/CiselnePole.h"
#include "ui/OknoSeznamuSouradnic.h"
#include "ui/TabulkaRadku.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include <functional>

using namespace lineon;

namespace {

QString U(const std::string& text) { return QString::fromStdString(text); }

QString Text(const QAction* akce) { return QString(akce->text()).remove(QLatin1Char('&')); }

} // namespace

class ZpetTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::SpustenyProgram> p_;

    TStav& Stav() { return p_->Stav(); }
    const ui::AkceHlavnihoOkna& Akce() { return p_->Okno().Akce(); }
    void Kurzor(int radek) { p_->Okno().TabulkaBodu().NastavitKurzor(radek, 1); }

    /// Both tables as "Uložit" writes them.
    std::string Tabulky()
    {
        TProjekt kopie = Stav().Projekt;
        for (int i = 1; i <= kopie.PocetBodu(); ++i)
            kopie.Body[i].DnoText = kopie.Body[i].Dno ? "Ano" : "Ne";
        const std::string cesta = p_->adresar / "obraz.csv";
        ZapsatProjekt(kopie, cesta, FormatProjektu::Tabulka);
        return test::PrecistBajty(cesta);
    }

    /// `krok` is the step `nazev`: "Zpět" gives the tables back byte for byte, "Znovu" the change.
    void Overit(const std::string& nazev, const std::function<void()>& krok)
    {
        const std::string pred = Tabulky();
        krok();
        const std::string po = Tabulky();
        QVERIFY2(po != pred, nazev.c_str());
        QCOMPARE(Text(Akce().Zpet), U("Zpět: " + nazev));
        Akce().Zpet->trigger();
        QVERIFY2(Tabulky() == pred, nazev.c_str());
        QCOMPARE(Text(Akce().Znovu), U("Znovu: " + nazev));
        Akce().Znovu->trigger();
        QVERIFY2(Tabulky() == po, nazev.c_str());
        QVERIFY(!Akce().Znovu->isEnabled());
    }

private slots:
    void init()
    {
        p_ = std::make_unique<test::SpustenyProgram>();
        p_->OtevritUkazku();
    }
    void cleanup()
    {
        p_->program->Bod().reject();
        p_->program->Pripojka().reject();
        p_.reset();
    }

    void prikazyUpravSeVraceji()
    {
        QCOMPARE(Text(Akce().Zpet), QStringLiteral("Zpět: Otevřít"));
        QCOMPARE(Text(Akce().Znovu), QStringLiteral("Znovu"));
        QVERIFY(!Akce().Znovu->isEnabled());
        QAbstractItemModel& body = *p_->Okno().TabulkaBodu().model();
        Overit("Úprava buňky", [&] { body.setData(body.index(1, 9), Qt::Checked, Qt::CheckStateRole); });
        Kurzor(2);
        Overit("Vložit prázdný řádek před kurzor", [&] { Akce().VlozitRadekPred->trigger(); });
        Overit("Vložit prázdný řádek za kurzor", [&] { Akce().VlozitRadekZa->trigger(); });
        Kurzor(2);
        Overit("Odstranit řádek", [&] { Akce().OdstranitRadek->trigger(); });
        Kurzor(1);
        Overit("Vyjmout řádek", [&] { Akce().VyjmoutRadek->trigger(); });
        Kurzor(4);
        Overit("Vložit řádek", [&] { Akce().VlozitZeSchranky->trigger(); });
        Overit("Seřadit podle Z dna", [&] { Akce().SeraditPodleZDna->trigger(); });
        p_->Okno().TabulkaPripojek().NastavitKurzor(1, 1);
        Overit("Odstranit řádek - přípojky", [&] { Akce().OdstranitPripojku->trigger(); });
        // Copying changes no row and is no step.
        Akce().KopirovatRadek->trigger();
        QCOMPARE(Text(Akce().Zpet), QStringLiteral("Zpět: Odstranit řádek - přípojky"));
    }

    void dialogyPrevodyAVypocetSeVraceji()
    {
        Kurzor(2);
        Overit("Úprava bodu", [&] {
            QTest::keyClick(&p_->Okno().TabulkaBodu(), Qt::Key_Return);
            p_->program->Bod().cField()->setText(QStringLiteral("B2"));
            p_->program->Bod().TlacitkoOk()->click();
        });
        Overit("Úprava přípojky", [&] {
            p_->Okno().TabulkaPripojek().NastavitKurzor(2, 1);
            QTest::keyClick(&p_->Okno().TabulkaPripojek(), Qt::Key_Return);
            p_->program->Pripojka().editprip(2)->setText(QStringLiteral("K2"));
            p_->program->Pripojka().TlacitkoOk()->click();
        });
        const std::string zamereni = p_->adresar / "zaměření.txt";
        test::ZapsatBajty(zamereni, kodovani::DoCp1250("1 745001.5 1043001.25 241.1 s1\r\n2 745011.5 1043011.25 241.2 d1\r\n"));
        p_->volba.zamereni = ui::TVolbaZamereni{zamereni, TypZamereni::Textovy};
        Akce().Import->trigger();
        p_->program->Seznam().Seznam().setCurrentRow(0);
        Overit("Převod aktuálního řádku", [&] { p_->program->Seznam().PrevodAktualnihoRadku()->trigger(); });
        Overit("Spustit automatický převod", [&] { p_->program->Seznam().Spustit()->trigger(); });
        // Two runs of the calculation on the sample: it rounds the levels of the first point.
        Akce().Zpet->trigger();
        Akce().Zpet->trigger();
        Overit("Výpočet", [&] { Akce().Vypocet->trigger(); });
    }

    void novyAOtevritVraciPredchoziProjektSTitulkem()
    {
        const QString ukazka = U(p_->adresar / "ukázka.csv");
        QCOMPARE(p_->Okno().windowTitle(), QStringLiteral("Lineon 2.11 - CZ - Kanalizace - ") + ukazka);
        Kurzor(1);
        Akce().VlozitRadekPred->trigger();
        QVERIFY(p_->Okno().windowTitle().endsWith(ukazka + QStringLiteral(" *")));
        p_->zpravy.odpovediAnoNeStorno = {Odpoved::Ne};
        Akce().Novy->trigger();
        QCOMPARE(p_->Okno().windowTitle(), QString::fromUtf8("Lineon 2.11 - CZ - Kanalizace - Bezejména"));
        QCOMPARE(Text(Akce().Zpet), QStringLiteral("Zpět: Nový"));
        // Back to the sample with its unsaved row, then to the sample as it was opened.
        Akce().Zpet->trigger();
        QCOMPARE(Stav().Projekt.PocetBodu(), 4);
        QVERIFY(Stav().Projekt.Zmeneno);
        QVERIFY(p_->Okno().windowTitle().endsWith(ukazka + QStringLiteral(" *")));
        Akce().Zpet->trigger();
        QVERIFY(!Stav().Projekt.Zmeneno);
        QVERIFY(p_->Okno().windowTitle().endsWith(ukazka));
        Akce().Zpet->trigger();
        QCOMPARE(Stav().Projekt.SouborProjektu, std::string());
        QCOMPARE(Stav().Projekt.PocetBodu(), 1);
        QVERIFY(!Akce().Zpet->isEnabled());
        for (int i = 0; i < 3; ++i)
            Akce().Znovu->trigger();
        QCOMPARE(Stav().Projekt.SouborProjektu, std::string());
        QVERIFY(!Stav().Projekt.Zmeneno);
    }

    void ulozeniJeStavemBezHvezdicky()
    {
        Kurzor(1);
        Akce().VlozitRadekPred->trigger();
        Akce().Ulozit->trigger();
        QVERIFY(!p_->Okno().windowTitle().endsWith(QStringLiteral(" *")));
        // The state before the save differs from the file now; back at the save it is clean again.
        Akce().Zpet->trigger();
        QVERIFY(Stav().Projekt.Zmeneno);
        QVERIFY(p_->Okno().windowTitle().endsWith(QStringLiteral(" *")));
        Akce().Znovu->trigger();
        QVERIFY(!Stav().Projekt.Zmeneno);
        QVERIFY(!p_->Okno().windowTitle().endsWith(QStringLiteral(" *")));
    }

    void klavesyZpetAZnovu()
    {
        QCOMPARE(Akce().Zpet->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
        QCOMPARE(Akce().Znovu->shortcuts(),
                 (QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}));
    }
};

QTEST_MAIN(ZpetTest)
#include "ZpetTest.moc"
