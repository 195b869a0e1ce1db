#include "PomocUi.h"
#include "ui/TabulkaRadku.h"

#include <QtTest>

using namespace lineon;

class UpravyTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::SpustenyProgram> p_;

    TProjekt& Projekt() { return p_->Stav().Projekt; }
    const ui::AkceHlavnihoOkna& Akce() { return p_->Okno().Akce(); }
    void Kurzor(int radek) { p_->Okno().TabulkaBodu().NastavitKurzor(radek, 1); }
    std::string Oznaceni(int radek) { return Projekt().Body[radek].Oznaceni; }
    std::vector<std::string>& Otazky() { return p_->zpravy.otazky; }

private slots:
    void init()
    {
        p_ = std::make_unique<test::SpustenyProgram>();
        p_->OtevritUkazku();
    }
    void cleanup() { p_.reset(); }

    void vlozeniPredAZaKurzor()
    {
        Kurzor(2);
        Akce().VlozitRadekPred->trigger();
        QCOMPARE(Projekt().PocetBodu(), 4);
        QCOMPARE(Oznaceni(2), std::string());
        QCOMPARE(Oznaceni(3), std::string("Šě2"));
        QCOMPARE(Projekt().Body[2].Prumer, 400);
        QCOMPARE(p_->Okno().TabulkaBodu().AktivniRadek(), 2);
        Kurzor(4);
        Akce().VlozitRadekZa->trigger();
        QCOMPARE(Projekt().PocetBodu(), 5);
        QCOMPARE(p_->Okno().TabulkaBodu().model()->rowCount(), 5);
        QVERIFY(Projekt().Zmeneno);
    }

    void odstraneniRadkuSDatySePtaOkIStorno()
    {
        Kurzor(1);
        p_->zpravy.odpovediOkStorno = {false};
        Akce().OdstranitRadek->trigger();
        QCOMPARE(Otazky(), std::vector<std::string>{"Řádek obsahuje data. Mají se zrušit?"});
        QCOMPARE(Projekt().PocetBodu(), 3);
        QVERIFY(!Projekt().Zmeneno);
        p_->zpravy.odpovediOkStorno = {true};
        Akce().OdstranitRadek->trigger();
        QCOMPARE(Projekt().PocetBodu(), 2);
        QCOMPARE(Oznaceni(1), std::string("Šě2"));
        QCOMPARE(p_->Okno().TabulkaBodu().model()->rowCount(), 2);
        QVERIFY(Projekt().Zmeneno);
    }

    void kopirovaniPovoliVlozeniAVlozeniSePtaOkIStorno()
    {
        QVERIFY(!Akce().VlozitZeSchranky->isEnabled());
        Kurzor(1);
        Akce().KopirovatRadek->trigger();
        QVERIFY(Akce().VlozitZeSchranky->isEnabled());
        QVERIFY(!Projekt().Zmeneno);
        Kurzor(3);
        p_->zpravy.odpovediOkStorno = {false};
        Akce().VlozitZeSchranky->trigger();
        QCOMPARE(Otazky(), std::vector<std::string>{"Řádek obsahuje data. Mají se přepsat?"});
        QCOMPARE(Oznaceni(3), std::string("Šů3"));
        QVERIFY(Projekt().Zmeneno);
        p_->zpravy.odpovediOkStorno = {true};
        Akce().VlozitZeSchranky->trigger();
        QCOMPARE(Projekt().Body[3], Projekt().Body[1]);
    }

    void vyjmutiNechaPrazdnyRadekAVlozeniHoPresune()
    {
        Kurzor(2);
        const TBod vyjmuty = Projekt().Body[2];
        Akce().VyjmoutRadek->trigger();
        QVERIFY(Otazky().empty());
        QCOMPARE(Projekt().PocetBodu(), 3);
        QCOMPARE(Projekt().Body[2], PrazdnyBod());
        QVERIFY(Akce().VlozitZeSchranky->isEnabled());
        Akce().VlozitRadekZa->trigger();
        Kurzor(3);
        Akce().VlozitZeSchranky->trigger();
        QVERIFY(Otazky().empty());
        QCOMPARE(Projekt().Body[3].Oznaceni, vyjmuty.Oznaceni);
    }

    void odstraneniPripojkySePtaOkIStorno()
    {
        p_->Okno().TabulkaPripojek().NastavitKurzor(1, 1);
        p_->zpravy.odpovediOkStorno = {false, true};
        Akce().OdstranitPripojku->trigger();
        QCOMPARE(Projekt().PocetPripojek(), 2);
        Akce().OdstranitPripojku->trigger();
        QCOMPARE(Otazky().size(), std::size_t(2));
        QCOMPARE(Projekt().PocetPripojek(), 1);
        QCOMPARE(Projekt().Pripojky[1].Typ, std::string("ka"));
        QCOMPARE(Projekt().Pripojky[1].Poradi, 2);
        QCOMPARE(p_->Okno().TabulkaPripojek().model()->rowCount(), 1);
    }

    void razeniPodleZDna()
    {
        Projekt().Body[1].ZDna = 243.1;
        Projekt().Body[2].ZDna = 241.0;
        Projekt().Body[3].ZDna = 242.5;
        Akce().SeraditPodleZDna->trigger();
        QCOMPARE(Oznaceni(1), std::string("Šě2"));
        QCOMPARE(Oznaceni(2), std::string("Šů3"));
        QCOMPARE(Oznaceni(3), std::string("Šř1"));
        const QAbstractItemModel& model = *p_->Okno().TabulkaBodu().model();
        QCOMPARE(model.data(model.index(0, 4)).toString(), QStringLiteral("241.00"));
        QVERIFY(Projekt().Zmeneno);
    }

    void vlozeniDoPrazdneTabulkyDelaPrvniRadek()
    {
        p_->zpravy.odpovediOkStorno = {true, true, true};
        for (int i = 0; i < 3; ++i)
            Akce().OdstranitRadek->trigger();
        QCOMPARE(Projekt().PocetBodu(), 0);
        QCOMPARE(p_->Okno().TabulkaBodu().AktivniRadek(), 0);
        Akce().VlozitRadekZa->trigger();
        QCOMPARE(Projekt().PocetBodu(), 1);
        QCOMPARE(p_->Okno().TabulkaBodu().AktivniRadek(), 1);
    }

    void plnaTabulkaOdmitneRadekSeZpravou()
    {
        Projekt().Body.NastavitPocet(Tabulka<TBod>::Kapacita);
        p_->Okno().PrekreslitTabulky();
        Kurzor(1);
        Akce().VlozitRadekPred->trigger();
        QCOMPARE(p_->zpravy.zpravy.size(), std::size_t(1));
        QCOMPARE(p_->zpravy.zpravy[0].druh, DruhZpravy::Chyba);
        QCOMPARE(p_->zpravy.zpravy[0].text,
                 std::string("Tabulka bodů může mít nejvýše 5000 řádků; další řádek nelze přidat."));
        QCOMPARE(Projekt().PocetBodu(), 5000);
        QCOMPARE(Oznaceni(1), std::string("Šř1"));
    }
};

QTEST_MAIN(UpravyTest)
#include "UpravyTest.moc"
