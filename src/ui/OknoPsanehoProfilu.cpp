#include "ui/OknoPsanehoProfilu.h"

#include "ui/ModelPsanehoProfilu.h"
#include "ui/Text.h"
#include "written/NadpisyPsanehoProfilu.h"

#include <QFontDialog>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>
#include <QTextFrame>
#include <QTextDocument>
#include <QTextTable>
#include <QVBoxLayout>

#include <algorithm>
#include <vector>

namespace lineon::ui {

namespace {

constexpr int SloupecZDna = 4;
constexpr int SloupecKryti = 8;

} // namespace

OknoPsanehoProfilu::OknoPsanehoProfilu(TStav& stav, IZpravy& zpravy)
    : QMainWindow(nullptr, Qt::Tool), stav_(stav), zpravy_(zpravy), nadpis_(new QLabel), tabulka_(new QTableView),
      model_(new ModelPsanehoProfilu(stav, this)), tiskarna_(std::make_unique<QPrinter>())
{
    setWindowTitle(T("Psaný podélný profil"));
    QFont tucne = nadpis_->font();
    tucne.setBold(true);
    tucne.setPointSizeF(tucne.pointSizeF() * 1.3);
    nadpis_->setFont(tucne);
    tabulka_->setModel(model_);
    tabulka_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabulka_->setSelectionMode(QAbstractItemView::NoSelection);
    tabulka_->verticalHeader()->hide();
    tabulka_->verticalHeader()->setDefaultSectionSize(tabulka_->fontMetrics().height() + 6);
    tabulka_->horizontalHeader()->setSectionsClickable(false);
    // Column widths look at every row, not at a sample of them.
    tabulka_->verticalHeader()->setResizeContentsPrecision(-1);
    tabulka_->setWordWrap(false);

    auto* obsah = new QWidget;
    auto* rozlozeni = new QVBoxLayout(obsah);
    rozlozeni->addWidget(nadpis_);
    rozlozeni->addWidget(tabulka_, 1);
    setCentralWidget(obsah);

    QMenu* nastaveni = menuBar()->addMenu(T("&Nastavení"));
    nastaveniTiskarny_ = nastaveni->addAction(T("&Nastavení tiskárny ..."));
    tisk_ = nastaveni->addAction(T("&Tisk ..."));
    tiskTabulky_ = nastaveni->addAction(T("Tisk &celé tabulky ..."));
    font_ = menuBar()->addAction(T("&Font"));
    connect(nastaveniTiskarny_, &QAction::triggered, this, &OknoPsanehoProfilu::NastavitTiskarnu);
    connect(tisk_, &QAction::triggered, this, &OknoPsanehoProfilu::VybratTisk);
    connect(tiskTabulky_, &QAction::triggered, this, &OknoPsanehoProfilu::VybratTiskTabulky);
    connect(font_, &QAction::triggered, this, &OknoPsanehoProfilu::VybratFont);
    resize(860, 480);
}

OknoPsanehoProfilu::~OknoPsanehoProfilu() = default;

void OknoPsanehoProfilu::Naplnit()
{
    nadpis_->setText(QString::fromStdString(psany::NadpisOkna(stav_.Nastaveni.Jazyk)));
    model_->Naplnit();
    // A road axis has neither a pipe level nor a cover depth.
    const bool osa = stav_.Nastaveni.DruhSite == TDruhSite::OsaKomunikace;
    tabulka_->setColumnHidden(SloupecZDna, osa);
    tabulka_->setColumnHidden(SloupecKryti, osa);
    PrizpusobitSloupce(true);
    show();
    raise();
}

void OknoPsanehoProfilu::SledovatRadky(ZmenaRadku zmena)
{
    if (!isVisible())
        return;
    if (zmena != ZmenaRadku::Hodnoty) {
        close();
        return;
    }
    model_->Obnovit();
    PrizpusobitSloupce(false);
}

void OknoPsanehoProfilu::PrizpusobitSloupce(bool jakoTabulka)
{
    tabulka_->resizeColumnsToContents();
    // The table with its frame, its scroll bar and the margins around it, as far as the screen allows.
    const QMargins okraje = centralWidget()->layout()->contentsMargins();
    const int tabulka = tabulka_->horizontalHeader()->length() + 2 * tabulka_->frameWidth()
                        + tabulka_->verticalScrollBar()->sizeHint().width() + okraje.left() + okraje.right();
    const int nejvic = screen()->availableGeometry().width() - (frameGeometry().width() - width());
    const int sirka = std::min(tabulka, nejvic);
    if (sirka > width() || (jakoTabulka && sirka != width()))
        resize(sirka, height());
}

void OknoPsanehoProfilu::NastavitTiskarnu()
{
    QPageSetupDialog dialog(tiskarna_.get(), this);
    dialog.exec();
}

void OknoPsanehoProfilu::VybratTisk()
{
    QPrintDialog dialog(tiskarna_.get(), this);
    if (dialog.exec() == QDialog::Accepted)
        Tisknout(*tiskarna_, tiskarna_->copyCount());
}

void OknoPsanehoProfilu::VybratTiskTabulky()
{
    QPrintDialog dialog(tiskarna_.get(), this);
    if (dialog.exec() == QDialog::Accepted)
        TisknoutTabulku(*tiskarna_);
}

void OknoPsanehoProfilu::VybratFont()
{
    bool zvoleno = false;
    const QFont font = QFontDialog::getFont(&zvoleno, tabulka_->font(), this, T("Font"));
    if (!zvoleno)
        return;
    tabulka_->setFont(font);
    tabulka_->verticalHeader()->setDefaultSectionSize(tabulka_->fontMetrics().height() + 6);
    PrizpusobitSloupce(true);
}

int OknoPsanehoProfilu::Tisknout(QPrinter& tiskarna, int kopii)
{
    // Every copy is a page of its own, so the printer must not repeat it by itself.
    tiskarna.setCopyCount(1);
    if (!VytisknoutStranku(tiskarna))
        return 0;
    int vytisknuto = 1;
    if (kopii > 1 && zpravy_.DotazAnoNe("Chcete opravdu vytisknout ostatní kopie?"))
        for (; vytisknuto < kopii; ++vytisknuto)
            if (!VytisknoutStranku(tiskarna))
                break;
    return vytisknuto;
}

bool OknoPsanehoProfilu::VytisknoutStranku(QPrinter& tiskarna)
{
    const QPixmap obraz = centralWidget()->grab();
    QPainter kreslic;
    if (!kreslic.begin(&tiskarna)) {
        zpravy_.Oznamit(DruhZpravy::Chyba, "Tisk se nepodařilo zahájit.");
        return false;
    }
    // The window's image at the printer's resolution, made smaller when it would not fit the page.
    const QRect stranka = tiskarna.pageLayout().paintRectPixels(tiskarna.resolution());
    const double kObrazovce = static_cast<double>(tiskarna.resolution()) / logicalDpiX();
    const QSizeF velikost = centralWidget()->size();
    const double meritko = std::min({kObrazovce, stranka.width() / velikost.width(), stranka.height() / velikost.height()});
    kreslic.drawPixmap(QRectF(QPointF(0, 0), velikost * meritko), obraz, QRectF(obraz.rect()));
    kreslic.end();
    return true;
}

bool OknoPsanehoProfilu::TisknoutTabulku(QPrinter& tiskarna)
{
    QString html = QStringLiteral("<h3>%1</h3><table border=\"1\" cellspacing=\"0\" cellpadding=\"3\"><thead><tr>")
                       .arg(nadpis_->text().toHtmlEscaped());
    std::vector<int> sloupce;
    for (int s = 0; s < model_->columnCount(); ++s)
        if (!tabulka_->isColumnHidden(s))
            sloupce.push_back(s);
    for (const int s : sloupce)
        html += QStringLiteral("<th>%1</th>").arg(model_->headerData(s, Qt::Horizontal, Qt::DisplayRole).toString().toHtmlEscaped());
    html += QStringLiteral("</tr></thead>");
    for (int r = 0; r < model_->rowCount(); ++r) {
        html += QStringLiteral("<tr>");
        for (const int s : sloupce)
            html += QStringLiteral("<td align=\"right\">%1</td>").arg(model_->index(r, s).data().toString().toHtmlEscaped());
        html += QStringLiteral("</tr>");
    }
    html += QStringLiteral("</table>");
    QTextDocument dokument;
    dokument.setDefaultFont(tabulka_->font());
    dokument.setHtml(html);
    // The heading row of the table stands again at the top of every page.
    for (QTextFrame* ramec : dokument.rootFrame()->childFrames())
        if (auto* tabulka = qobject_cast<QTextTable*>(ramec)) {
            QTextTableFormat format = tabulka->format();
            format.setHeaderRowCount(1);
            tabulka->setFormat(format);
        }
    if (!tiskarna.isValid()) {
        zpravy_.Oznamit(DruhZpravy::Chyba, "Tisk se nepodařilo zahájit.");
        return false;
    }
    tiskarna.setCopyCount(1);
    // Without a page size of its own the document is laid out on the printer's pages, each with
    // its number at the bottom.
    dokument.print(&tiskarna);
    return true;
}

} // namespace lineon::ui
