#include "PomocUi.h"
#include "zaklad/Kodovani.h"
#include "ui/DialogBodu.h"
#include "ui/DialogNastaveni.h"
#include "ui/DialogRoviny.h"
#include "ui/MistoVedleOkna.h"
#include "ui/OknoAutomatickehoPrevodu.h"
#include "ui/OknoNahledu.h"
#include "ui/OknoPsanehoProfilu.h"
#include "ui/OknoRucnihoPrevodu.h"
#include "ui/OknoSeznamuSouradnic.h"
#include "ui/TabulkaRadku.h"

#include <QDir>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

using namespace lineon;

namespace {

/// A screen with a panel at its bottom and a main window centred on it, as the program starts.
struct TPlocha {
    QRect obrazovka;
    QRect hlavni;
    QRect zahlavi;
};

TPlocha Plocha(QSize obrazovka, QSize hlavni)
{
    const QRect volno(QPoint(0, 0), obrazovka - QSize(0, 30));
    QRect okno(QPoint(0, 0), hlavni);
    okno.moveCenter(volno.center());
    return {volno, okno, QRect(okno.topLeft(), QSize(okno.width(), 50))};
}

} // namespace

class VedlejsiOknaTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::SpustenyProgram> p_;

    QRect Zahlavi()
    {
        const QMenuBar* menu = p_->Okno().menuBar();
        const QRect hlavni = p_->Okno().frameGeometry();
        return QRect(hlavni.topLeft(), QPoint(hlavni.right(), menu->mapToGlobal(QPoint(0, menu->height())).y() - 1));
    }

    /// A side window just opened: above the main window only, wholly on its screen, clear of its
    /// caption and menu bar.
    void OveritVedle(QWidget& okno)
    {
        QVERIFY2(okno.isVisible(), qPrintable(okno.windowTitle()));
        QVERIFY2(test::NadHlavnimOknem(okno, p_->Okno()), qPrintable(okno.windowTitle()));
        const QRect ramecek = okno.frameGeometry();
        QVERIFY2(p_->Okno().screen()->availableGeometry().contains(ramecek), qPrintable(okno.windowTitle()));
        QVERIFY2(!ramecek.intersects(Zahlavi()), qPrintable(okno.windowTitle()));
    }

private slots:
    void mistoVpravoNeboDole()
    {
        const TPlocha plocha = Plocha(QSize(1920, 1080), QSize(862, 662));
        // Room on the right: the window stands beside the main window's top.
        QCOMPARE(ui::MistoVedleOkna(QSize(500, 400), plocha.hlavni, plocha.zahlavi, plocha.obrazovka, {}),
                 QPoint(plocha.hlavni.right() + 1, plocha.hlavni.top()));
        // Too wide for the right: below the main window, at its left edge.
        QCOMPARE(ui::MistoVedleOkna(QSize(1200, 160), plocha.hlavni, plocha.zahlavi, plocha.obrazovka, {}),
                 QPoint(plocha.hlavni.left(), plocha.hlavni.bottom() + 1));
        // Too tall for below and too wide for the right: at the right edge of the screen, low
        // enough to cover hardly more of the main window than it must.
        const QRect r(ui::MistoVedleOkna(QSize(1200, 700), plocha.hlavni, plocha.zahlavi, plocha.obrazovka, {}),
                      QSize(1200, 700));
        const QRect vRohu(QPoint(plocha.obrazovka.right() + 1 - 1200, plocha.obrazovka.bottom() + 1 - 700), r.size());
        const auto plocha2 = [](const QRect& a) { return qint64(a.width()) * a.height(); };
        QCOMPARE(r.right(), plocha.obrazovka.right());
        QVERIFY(plocha.obrazovka.contains(r));
        QVERIFY(plocha2(r.intersected(plocha.hlavni)) <= plocha2(vRohu.intersected(plocha.hlavni)) + plocha2(r) / 100);
    }

    void dalsiOknoNezakryjePrvni()
    {
        const TPlocha plocha = Plocha(QSize(1920, 1080), QSize(862, 662));
        const QRect prvni(ui::MistoVedleOkna(QSize(520, 420), plocha.hlavni, plocha.zahlavi, plocha.obrazovka, {}),
                          QSize(520, 420));
        const QRect druhe(ui::MistoVedleOkna(QSize(500, 300), plocha.hlavni, plocha.zahlavi, plocha.obrazovka, {prvni}),
                          QSize(500, 300));
        QVERIFY(!druhe.intersects(prvni));
        QVERIFY(!druhe.intersects(plocha.hlavni));
        QVERIFY(plocha.obrazovka.contains(druhe));
    }

    void kazdeOknoNaObrazovceAMimoMenu()
    {
        // On a small screen nothing fits beside the main window: every size that the screen holds
        // below the menu bar stays wholly on it and off the menu bar.
        const TPlocha plocha = Plocha(QSize(1280, 1024), QSize(862, 662));
        const int vyska = plocha.obrazovka.bottom() - plocha.zahlavi.bottom();
        for (int w = 100; w <= plocha.obrazovka.width(); w += 117)
            for (int h = 60; h <= vyska; h += 89) {
                const QRect r(ui::MistoVedleOkna(QSize(w, h), plocha.hlavni, plocha.zahlavi, plocha.obrazovka, {}), QSize(w, h));
                QVERIFY2(plocha.obrazovka.contains(r) && !r.intersects(plocha.zahlavi),
                         qPrintable(QStringLiteral("%1 x %2").arg(w).arg(h)));
            }
    }

    void oknaProgramuSeOtevirajiVedle()
    {
        p_ = std::make_unique<test::SpustenyProgram>();
        ui::Aplikace& program = *p_->program;
        p_->OtevritPriklad("kanalizace.csv");
        const std::string zamereni = p_->adresar / "zaměření.txt";
        test::ZapsatBajty(zamereni, kodovani::DoCp1250("1 745001.5 1043001.25 241.1 s1\r\n"));
        p_->volba.zamereni = ui::TVolbaZamereni{zamereni, TypZamereni::Textovy};
        p_->Okno().Akce().Import->trigger();
        OveritVedle(program.Seznam());
        // The coordinate list fits to the right of the main window.
        QVERIFY(program.Seznam().frameGeometry().left() > p_->Okno().frameGeometry().right());
        program.Seznam().RucniPrevodDat()->trigger();
        OveritVedle(program.RucniPrevod());
        program.Seznam().AutomatickyPrevodDat()->trigger();
        OveritVedle(program.AutomatickyPrevod());
        QVERIFY(!program.RucniPrevod().frameGeometry().intersects(program.Seznam().frameGeometry()));

        p_->Okno().Akce().Nastaveni->trigger();
        OveritVedle(program.Nastaveni());
        program.Nastaveni().close();

        p_->Stav().Vystupy.psanobrcheck = true;
        p_->Okno().Akce().Vypocet->trigger();
        OveritVedle(program.Psany());
        OveritVedle(program.Rovina());
        program.Rovina().OKButton()->click();
        OveritVedle(program.Nahled());

        // A place the user chose holds when the window opens again.
        program.Seznam().move(40, 700);
        const QPoint zvolene = program.Seznam().pos();
        program.Seznam().close();
        program.Seznam().show();
        QCOMPARE(program.Seznam().pos(), zvolene);
    }

    void radkovyDialogNechaVedlejsiOknaPouzitelna()
    {
        p_ = std::make_unique<test::SpustenyProgram>();
        ui::Aplikace& program = *p_->program;
        p_->OtevritUkazku();
        program.Seznam().show();
        program.RucniPrevod().show();
        QTest::keyClick(&p_->Okno().TabulkaBodu(), Qt::Key_Return);
        QVERIFY(program.Bod().isVisible());
        QVERIFY(!p_->Okno().isEnabled());
        // No window is modal, so the window system blocks none of them.
        QVERIFY(!QGuiApplication::modalWindow());
        QVERIFY(program.Seznam().isEnabled());
        QVERIFY(program.RucniPrevod().isEnabled());
        QVERIFY(program.Bod().isEnabled());
        program.Bod().reject();
        QVERIFY(p_->Okno().isEnabled());
    }
};

int main(int argc, char** argv)
{
    // A screen of the size engineers work on, with room beside the main window.
    const QString nastaveni = QDir::temp().filePath(QStringLiteral("lineon-obrazovka-%1.json").arg(QCoreApplication::applicationPid()));
    QFile soubor(nastaveni);
    if (!soubor.open(QIODevice::WriteOnly))
        return 1;
    soubor.write(R"({"screens": [{"name": "S", "x": 0, "y": 0, "width": 1920, "height": 1080, "logicalDpi": 96,
                     "logicalBaseDpi": 96, "dpr": 1}]})");
    soubor.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + nastaveni.toLocal8Bit());
    QApplication aplikace(argc, argv);
    VedlejsiOknaTest test;
    const int vysledek = QTest::qExec(&test, argc, argv);
    QFile::remove(nastaveni);
    return vysledek;
}

#include "VedlejsiOknaTest.moc"
