#include "ui/OknoNahledu.h"

#include "malba/PdfVykresu.h"
#include "prikazy/VystupPdf.h"
#include "profile/CteniProfilu.h"
#include "profile/VyskaNahledu.h"
#include "ui/PlatnoNahledu.h"
#include "ui/Text.h"
#include "zaklad/Chyba.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QStatusBar>

namespace lineon::ui {

namespace {

/// Zooming by the keyboard goes by two notches of the wheel.
constexpr double KrokKlavesnice = 1.5625;

} // namespace

OknoNahledu::OknoNahledu(TStav& stav, IZpravy& zpravy)
    : QMainWindow(nullptr, Qt::Tool), stav_(stav), zpravy_(zpravy),
      platno_(new PlatnoNahledu(stav.VykresProfilu)), poloha_(new QLabel)
{
    setWindowTitle(T("Podélný profil"));
    setCentralWidget(platno_);
    statusBar()->addWidget(poloha_, 1);

    QMenu* profil = menuBar()->addMenu(T("&Profil"));
    connect(profil->addAction(T("Uložit jako &PDF ...")), &QAction::triggered, this, &OknoNahledu::VybratPdf);
    naListyA3_ = profil->addAction(T("na listy &A3"));
    naListyA3_->setCheckable(true);
    QAction* tisk = profil->addAction(T("&Tisk ..."));
    tisk->setShortcut(QKeySequence::Print);
    connect(tisk, &QAction::triggered, this, &OknoNahledu::VybratTisk);
    profil->addSeparator();
    connect(profil->addAction(T("&Zavřít")), &QAction::triggered, this, &QWidget::close);

    QMenu* zobrazeni = menuBar()->addMenu(T("&Zobrazení"));
    celyVykres_ = zobrazeni->addAction(T("&Celý výkres"));
    celyVykres_->setShortcut(Qt::Key_Home);
    connect(celyVykres_, &QAction::triggered, platno_, &PlatnoNahledu::CelyVykres);
    QAction* priblizit = zobrazeni->addAction(T("&Přiblížit"));
    priblizit->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    connect(priblizit, &QAction::triggered, this,
            [this] { platno_->Priblizit(KrokKlavesnice, platno_->mapFromGlobal(QCursor::pos())); });
    QAction* oddalit = zobrazeni->addAction(T("&Oddálit"));
    oddalit->setShortcut(QKeySequence::ZoomOut);
    connect(oddalit, &QAction::triggered, this,
            [this] { platno_->Priblizit(1 / KrokKlavesnice, platno_->mapFromGlobal(QCursor::pos())); });
    zobrazeni->addSeparator();
    svetlePozadi_ = zobrazeni->addAction(T("&Světlé pozadí"));
    svetlePozadi_->setCheckable(true);
    connect(svetlePozadi_, &QAction::toggled, this, [this](bool svetle) {
        platno_->NastavitPozadi(svetle ? malba::Pozadi::Svetle : malba::Pozadi::Tmave);
    });

    connect(platno_, &PlatnoNahledu::Poloha, this, &OknoNahledu::UkazatPolohu);
    resize(800, 300);
}

OknoNahledu::~OknoNahledu() = default;

void OknoNahledu::Zobrazit(bool zobrazit)
{
    if (!zobrazit) {
        hide();
        return;
    }
    show();
    raise();
}

void OknoNahledu::Prekreslit()
{
    NastavitVysku();
    platno_->NastavitZnacky(Znacky());
    platno_->CelyVykres();
}

void OknoNahledu::Oznacit(std::vector<TNalez> nalezy)
{
    nalezy_ = std::move(nalezy);
    platno_->NastavitZnacky(Znacky());
}

std::vector<TZnackaNalezu> OknoNahledu::Znacky() const
{
    if (stav_.VykresProfilu.prvky.empty())
        return {};
    return ZnackyNalezu(nalezy_, stav_.RozsahProfilu);
}

QString OknoNahledu::TextPolohy() const
{
    return poloha_->text();
}

void OknoNahledu::UkazatPolohu(std::optional<QPointF> svet)
{
    const auto bod = svet ? CistBodProfilu(stav_, svet->x(), svet->y()) : std::nullopt;
    poloha_->setText(bod ? T(TextBoduProfilu(*bod)) : QString());
}

void OknoNahledu::NastavitVysku()
{
    const TRozsahProfilu& rozsah = stav_.RozsahProfilu;
    if (rozsah.Vpravo <= rozsah.Vlevo)
        return;
    const int vyska = VyskaNahledu(rozsah, width());
    if (vyska != height())
        resize(width(), vyska);
}

bool OknoNahledu::UlozitPdf(const std::string& cesta)
{
    try {
        malba::VystupPdf().Ulozit(stav_.VykresProfilu, cesta, naListyA3_->isChecked(), *stav_.Disk);
        return true;
    } catch (const std::exception& chyba) {
        zpravy_.Oznamit(DruhZpravy::Chyba, ZpravaOVyjimce(chyba));
        return false;
    }
}

void OknoNahledu::VybratPdf()
{
    if (stav_.VykresProfilu.prvky.empty())
        return;
    const QString navrh = T(stav_.Nastaveni.AdresarProjektu + NazevPdf(stav_.Vystupy.SouborProfilu));
    const QString cesta = QFileDialog::getSaveFileName(this, T("Uložit jako PDF"), navrh, T("PDF (*.pdf)"));
    if (!cesta.isEmpty())
        UlozitPdf(cesta.toStdString());
}

bool OknoNahledu::Tisknout(QPrinter& tiskarna)
{
    QPainter malir;
    if (stav_.VykresProfilu.prvky.empty() || !malir.begin(&tiskarna)) {
        zpravy_.Oznamit(DruhZpravy::Chyba, "Tisk se nepodařilo zahájit.");
        return false;
    }
    malba::MalovatNaListy(malir, tiskarna, stav_.VykresProfilu,
                          tiskarna.pageLayout().paintRect(QPageLayout::Millimeter).size());
    return malir.end();
}

void OknoNahledu::VybratTisk()
{
    QPrinter tiskarna(QPrinter::HighResolution);
    tiskarna.setPageOrientation(QPageLayout::Landscape);
    QPrintDialog dialog(&tiskarna, this);
    if (dialog.exec() == QDialog::Accepted)
        Tisknout(tiskarna);
}

void OknoNahledu::resizeEvent(QResizeEvent* udalost)
{
    QMainWindow::resizeEvent(udalost);
    NastavitVysku();
}

void OknoNahledu::closeEvent(QCloseEvent* udalost)
{
    stav_.SeznamKresby.clear();
    stav_.VykresProfilu = {};
    nalezy_.clear();
    platno_->NastavitZnacky({});
    udalost->accept();
}

} // namespace lineon::ui
