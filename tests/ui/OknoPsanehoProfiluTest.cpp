#include "PomocUi.h"
#include "ui/DialogBodu.h"
#include "ui/OknoPsanehoProfilu.h"
#include "ui/OknoSeznamuSouradnic.h"
#include "ui/TabulkaRadku.h"

#include <QFontDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTableView>
#include <QTimer>
#include <QtTest>

using namespace lineon;

namespace {

QString U(const char* text) { return QString::fromUtf8(text); }

} // namespace

class OknoPsanehoProfiluTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::SpustenyProgram> p_;

    ui::OknoPsanehoProfilu& Okno() { return p_->program->Psany(); }
    QAbstractItemModel& Model() { return *Okno().Tabulka().model(); }
    TStav& Stav() { return p_->Stav(); }

    /// The example sewer computed with the written profile on screen only.
    void Vypocitat()
    {
        Stav().Vystupy.psanobrcheck = true;
        Stav().Vystupy.psantxtcheck = false;
        Stav().Vystupy.Sitcheck = false;
        Stav().Vystupy.profcheck = false;
        p_->Okno().Akce().Vypocet->trigger();
    }

    QStringList Nadpisy()
    {
        QStringList nadpisy;
        for (int s = 0; s < Model().columnCount(); ++s)
            nadpisy << Model().headerData(s, Qt::Horizontal, Qt::DisplayRole).toString();
        return nadpisy;
    }

    QStringList Radek(int r)
    {
        QStringList bunky;
        for (int s = 0; s < Model().columnCount(); ++s)
            bunky << Model().data(Model().index(r - 1, s), Qt::DisplayRole).toString();
        return bunky;
    }

    /// The number of pages of a PDF file.
    static int StranekPdf(const std::string& cesta)
    {
        const QString pdf = QString::fromLatin1(test::PrecistBajty(cesta));
        return static_cast<int>(pdf.count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
    }

    /// Answers the font dialog that a command opens: with a font, or cancelled.
    static void OdpovedetFontu(std::optional<QFont> font)
    {
        QTimer::singleShot(0, [font] {
            auto* dialog = qobject_cast<QFontDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            if (font) {
                dialog->setCurrentFont(*font);
                dialog->accept();
            } else {
                dialog->reject();
            }
        });
    }

private slots:
    void init()
    {
        p_ = std::make_unique<test::SpustenyProgram>();
        p_->OtevritPriklad("kanalizace.csv");
    }
    void cleanup() { p_.reset(); }

    void nadpisyPodleDruhuAJazyka()
    {
        Vypocitat();
        QVERIFY(Okno().isVisible());
        QCOMPARE(Okno().windowTitle(), U("Psaný podélný profil"));
        QCOMPARE(Okno().Nadpis().text(), U("Psaný podélný profil"));
        QCOMPARE(Nadpisy(), (QStringList{U("Ozn."), U("Staničení"), U("Y"), U("X"), U("Z dna"), U("Z poklopu"),
                                         U("Spád"), U("Délka"), U("Krytí")}));
        p_->Okno().Akce().Slovenstina->trigger();
        p_->Okno().Akce().Vodovod->trigger();
        Vypocitat();
        QCOMPARE(Okno().Nadpis().text(), U("Písaný pozdĺžny profil"));
        QCOMPARE(Nadpisy(), (QStringList{U("Číslo"), U("Staničenie"), U("Y"), U("X"), U("Z potrubie"), U("Z terénu"),
                                         U("Spád"), U("Dĺžka"), U("Krytie")}));
        QVERIFY(!Okno().Tabulka().isColumnHidden(4));
    }

    void osaKomunikaceSkryjeSloupceDnaAKryti()
    {
        p_->Okno().Akce().OsaKomunikace->trigger();
        Vypocitat();
        QCOMPARE(Nadpisy(), (QStringList{U("Číslo"), U("Staničení"), U("Y"), U("X"), U(""), U("Z terénu"), U("Spád"),
                                         U("Délka"), U("")}));
        QVERIFY(Okno().Tabulka().isColumnHidden(4));
        QVERIFY(Okno().Tabulka().isColumnHidden(8));
        QVERIFY(!Okno().Tabulka().isColumnHidden(5));
        p_->Okno().Akce().Kanalizace->trigger();
        Vypocitat();
        QVERIFY(!Okno().Tabulka().isColumnHidden(4));
        QVERIFY(!Okno().Tabulka().isColumnHidden(8));
    }

    void radkyCtouHodnotyZiva()
    {
        Vypocitat();
        QCOMPARE(Model().rowCount(), 12);
        QCOMPARE(Radek(1), (QStringList{U("Š1"), U("0.00"), U("744210.35"), U("1043785.62"), U("244.12"), U("246.85"),
                                        U("0.00"), U("0.00"), U("2.33")}));
        // The second point carries the slope and length of the first section.
        QCOMPARE(Radek(2)[7], U("32.48"));
        Stav().Projekt.Body[2].Oznaceni = "Š2-nová";
        QCOMPARE(Radek(2)[0], U("Š2-nová"));
    }

    void radkyJinehoProjektuOknoZavrou()
    {
        // Another project: the stationing of the last calculation is not its own.
        Vypocitat();
        p_->OtevritPriklad("vodovod.csv");
        QVERIFY(!Okno().isVisible());
        Vypocitat();
        QVERIFY(Okno().isVisible());
        p_->Okno().Akce().Novy->trigger();
        QVERIFY(!Okno().isVisible());
    }

    void hodnotySeUkazouAleRadkyNaJinychMistechOknoZavrou()
    {
        Vypocitat();
        // A value changed in place shows at once.
        auto& body = p_->Okno().TabulkaBodu();
        body.NastavitKurzor(2, 1);
        QTest::keyClick(&body, Qt::Key_Return);
        p_->program->Bod().cField()->setText(U("Š2-nová"));
        p_->program->Bod().TlacitkoOk()->click();
        QVERIFY(Okno().isVisible());
        QCOMPARE(Radek(2)[0], U("Š2-nová"));
        // The import leaves the rows alone.
        const std::string zamereni = p_->adresar / "bod.txt";
        test::ZapsatBajty(zamereni, "1 745001.5 1043001.25 241.1 s1\r\n");
        p_->volba.zamereni = ui::TVolbaZamereni{zamereni, TypZamereni::Textovy};
        p_->Okno().Akce().Import->trigger();
        QVERIFY(Okno().isVisible());
        QCOMPARE(Model().rowCount(), 12);
        // A row inserted before point 2 would stand beside the stationing of point 2.
        p_->Okno().Akce().VlozitRadekPred->trigger();
        QVERIFY(!Okno().isVisible());
        Vypocitat();
        p_->Okno().Akce().SeraditPodleZDna->trigger();
        QVERIFY(!Okno().isVisible());
        // So does a point appended by the conversion.
        Vypocitat();
        p_->program->Seznam().Seznam().setCurrentRow(0);
        p_->Stav().RucniPrevod.RadioGroup1 = 2;
        p_->program->Seznam().PrevestAktualniRadek();
        QVERIFY(!Okno().isVisible());
    }

    void vypocetKteryOknoNevyplniHoZavre()
    {
        Vypocitat();
        Stav().Vystupy.psancheck = false;
        p_->Okno().Akce().Vypocet->trigger();
        QVERIFY(!Okno().isVisible());
        Stav().Vystupy.psancheck = true;
        Vypocitat();
        QVERIFY(Okno().isVisible());
        // A calculation stopped by its checks.
        Stav().Projekt.Body[3].ZDna = 2e9;
        Vypocitat();
        QVERIFY(p_->zpravy.zpravy.back().text.starts_with("Špatné vstupní údaje!"));
        QVERIFY(!Okno().isVisible());
    }

    void sloupceSeVejdouPriKazdemFontu()
    {
        Vypocitat();
        for (int velikost : {14, 22}) {
            QFont font = Okno().Tabulka().font();
            font.setPointSize(velikost);
            OdpovedetFontu(font);
            Okno().Font()->trigger();
            const QFontMetrics metriky(Okno().Tabulka().font());
            for (int s = 0; s < Model().columnCount(); ++s) {
                if (Okno().Tabulka().isColumnHidden(s))
                    continue;
                int nejsirsi = metriky.horizontalAdvance(Model().headerData(s, Qt::Horizontal, Qt::DisplayRole).toString());
                for (int r = 1; r <= Model().rowCount(); ++r)
                    nejsirsi = std::max(nejsirsi, metriky.horizontalAdvance(Radek(r)[s]));
                QVERIFY2(Okno().Tabulka().columnWidth(s) > nejsirsi, qPrintable(QString::number(s)));
            }
            // The window shows the whole table, or is as wide as its screen allows.
            const int tabulka = Okno().Tabulka().horizontalHeader()->length();
            QVERIFY(tabulka <= Okno().Tabulka().viewport()->width()
                    || Okno().frameGeometry().width() >= Okno().screen()->availableGeometry().width());
        }
    }

    void menuOkna()
    {
        QCOMPARE(test::Polozky(Okno().menuBar()->actions()), (QStringList{U("Nastavení >"), U("Font")}));
        QCOMPARE(test::Polozky(Okno().menuBar()->actions()[0]->menu()->actions()),
                 (QStringList{U("Nastavení tiskárny ..."), U("Tisk ..."), U("Tisk celé tabulky ...")}));
        QCOMPARE(test::Pismena(Okno().menuBar()->actions()), U("nf"));
        QCOMPARE(test::Pismena(Okno().menuBar()->actions()[0]->menu()->actions()), U("ntc"));
    }

    void fontZDialoguAZrusenyDialogNicNemeni()
    {
        Vypocitat();
        QFont jiny = Okno().Tabulka().font();
        jiny.setPointSize(jiny.pointSize() + 5);
        OdpovedetFontu(jiny);
        Okno().Font()->trigger();
        QCOMPARE(Okno().Tabulka().font().pointSize(), jiny.pointSize());
        OdpovedetFontu(std::nullopt);
        Okno().Font()->trigger();
        QCOMPARE(Okno().Tabulka().font().pointSize(), jiny.pointSize());
    }

    void tiskJedneKopieJeJednaStranka()
    {
        Vypocitat();
        QPrinter pdf;
        pdf.setOutputFormat(QPrinter::PdfFormat);
        pdf.setOutputFileName(QString::fromStdString(p_->adresar / "tisk.pdf"));
        QCOMPARE(Okno().Tisknout(pdf, 1), 1);
        QVERIFY(p_->zpravy.otazky.empty());
        QCOMPARE(StranekPdf(p_->adresar / "tisk.pdf"), 1);
    }

    void tiskTriKopiiSeNejdrivZepta()
    {
        Vypocitat();
        QPrinter pdf;
        pdf.setOutputFormat(QPrinter::PdfFormat);
        pdf.setOutputFileName(QString::fromStdString(p_->adresar / "tisk.pdf"));
        p_->zpravy.odpovediAnoNe = {false, true};
        QCOMPARE(Okno().Tisknout(pdf, 3), 1);
        QCOMPARE(p_->zpravy.otazky, std::vector<std::string>{"Chcete opravdu vytisknout ostatní kopie?"});
        // Every further copy is a job of its own, each one a file of one page here.
        QCOMPARE(Okno().Tisknout(pdf, 3), 3);
        QCOMPARE(p_->zpravy.otazky.size(), std::size_t(2));
        QCOMPARE(StranekPdf(p_->adresar / "tisk.pdf"), 1);
        QCOMPARE(pdf.copyCount(), 1);
    }

    void tiskCeleTabulkyNaVicStranSNadpisyACisly()
    {
        Vypocitat();
        // A low page spreads the twelve rows over several pages.
        QPrinter pdf;
        pdf.setOutputFormat(QPrinter::PdfFormat);
        pdf.setPageSize(QPageSize(QSizeF(297, 100), QPageSize::Millimeter));
        pdf.setOutputFileName(QString::fromUtf8(LINEON_TEST_OUTPUT_DIR "/psany-cela-tabulka.pdf"));
        QVERIFY(Okno().TisknoutTabulku(pdf));
        const std::string vytisk = LINEON_TEST_OUTPUT_DIR "/psany-cela-tabulka.pdf";
        const int stranek = StranekPdf(vytisk);
        QVERIFY(stranek > 1);
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {QString::fromStdString(vytisk), QStringLiteral("-")});
        if (!pdftotext.waitForFinished())
            QSKIP("pdftotext is missing");
        const QStringList strany = QString::fromUtf8(pdftotext.readAllStandardOutput()).split(QLatin1Char('\f'), Qt::SkipEmptyParts);
        QCOMPARE(strany.size(), stranek);
        const QString prvniNadpis = Model().headerData(0, Qt::Horizontal, Qt::DisplayRole).toString().split(QLatin1Char('\n')).front();
        for (int i = 0; i < stranek; ++i) {
            QVERIFY2(strany[i].contains(prvniNadpis), qPrintable(strany[i]));
            QVERIFY(strany[i].contains(QString::number(i + 1)));
        }
        // Every row is printed, the last one on the last page.
        QVERIFY(strany.back().contains(Radek(Model().rowCount()).front()));
    }
};

QTEST_MAIN(OknoPsanehoProfiluTest)
#include "OknoPsanehoProfiluTest.moc"
