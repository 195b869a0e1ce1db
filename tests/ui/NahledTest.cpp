#include "PomocUi.h"
#include "ui/DialogRoviny.h"
#include "profile/VyskaNahledu.h"
#include "ui/OknoNahledu.h"

#include <QPushButton>
#include <QtTest>

using namespace lineon;

class NahledTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::SpustenyProgram> p_;

    ui::OknoNahledu& Nahled() { return p_->program->Nahled(); }
    TStav& Stav() { return p_->Stav(); }

    /// The example sewer computed, and the plane dialog confirmed as proposed.
    void NakreslitPriklad()
    {
        p_->OtevritPriklad("kanalizace.csv");
        p_->Okno().Akce().Vypocet->trigger();
        QTest::mouseClick(p_->program->Rovina().OKButton(), Qt::LeftButton);
    }

    /// What the window shows, as a picture.
    QImage Obraz() { return Nahled().grab().toImage(); }
    static bool Cerny(const QImage& obraz, int x, int y) { return obraz.pixelColor(x, y) == Qt::black; }

private slots:
    void init() { p_ = std::make_unique<test::SpustenyProgram>(); }
    void cleanup() { p_.reset(); }

    void vykresMaVyskuPodleRozsahuAZavreniVyprazdniSeznam()
    {
        NakreslitPriklad();
        QVERIFY(Nahled().isVisible());
        QCOMPARE(Nahled().windowTitle(), QString::fromUtf8("Podélný profil"));
        QVERIFY(!Stav().SeznamKresby.empty());
        QCOMPARE(Nahled().height(), VyskaNahledu(Stav().RozsahProfilu, Nahled().width()));
        Nahled().resize(1000, 100);
        QCOMPARE(Nahled().height(), VyskaNahledu(Stav().RozsahProfilu, 1000));
        Nahled().close();
        QVERIFY(Stav().SeznamKresby.empty());
    }

    void bezNaObrazovkuSeNahledSkryje()
    {
        NakreslitPriklad();
        QVERIFY(Nahled().isVisible());
        Stav().Vystupy.profobrcheck = false;
        p_->Okno().Akce().Vypocet->trigger();
        QTest::mouseClick(p_->program->Rovina().OKButton(), Qt::LeftButton);
        QVERIFY(!Nahled().isVisible());
    }

    void caryKruhyATextyVPixelechOkna()
    {
        // Extents twice as wide as high: 650 pixels wide makes the window 325 + 25 high.
        Stav().RozsahProfilu = {.Vlevo = 0, .Vpravo = 200, .Dole = 0, .Nahore = 100};
        Stav().SeznamKresby = {
            {.cara = true, .x1 = 0.05, .y1 = 0.1, .x2 = 0.05, .y2 = 0.3},
            {.kruh = true, .x1 = 0.5, .y1 = 0.2, .polomer = 0.02},
            {.text = true, .x1 = 0.2, .y1 = 0.4, .vyskaTextu = 0.02, .retezec = "Šř1"},
        };
        Nahled().resize(650, 100);
        Nahled().Prekreslit();
        QCOMPARE(Nahled().height(), 350);
        const QImage obraz = Obraz();
        // 650 × 0.05 = 32.5 goes to the even 32.
        QVERIFY(Cerny(obraz, 32, 130));
        QVERIFY(!Cerny(obraz, 33, 130));
        QVERIFY(!Cerny(obraz, 31, 130));
        // The circle round (325, 130) with radius 13: its outline only.
        QVERIFY(Cerny(obraz, 325, 117));
        QVERIFY(Cerny(obraz, 312, 130));
        QVERIFY(!Cerny(obraz, 325, 130));
        // Three characters 13 pixels high: a box from (130, 247) to (169, 260) standing on its point.
        QVERIFY(Cerny(obraz, 130, 255));
        QVERIFY(Cerny(obraz, 169, 255));
        QVERIFY(Cerny(obraz, 150, 247));
        QVERIFY(Cerny(obraz, 150, 260));
        QVERIFY(!Cerny(obraz, 150, 255));
        QVERIFY(!Cerny(obraz, 175, 255));
    }
};

QTEST_MAIN(NahledTest)
#include "NahledTest.moc"
