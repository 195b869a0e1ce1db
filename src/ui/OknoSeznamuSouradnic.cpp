#include "ui/OknoSeznamuSouradnic.h"

#include "convert/AutomatickyPrevod.h"
#include "convert/PrevestRadek.h"
#include "zaklad/Chyba.h"
#include "data/ImportZamereni.h"
#include "ui/HlavniOkno.h"
#include "ui/TabulkaRadku.h"
#include "ui/Text.h"
#include "ui/VolbaSouboru.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenuBar>

namespace lineon::ui {

namespace {

/// The file type last chosen in the import dialog.
TypZamereni PosledniTyp(const TNastaveni& nastaveni)
{
    return nastaveni.ImportFilterIndex == 2 ? TypZamereni::Specialni : TypZamereni::Textovy;
}

} // namespace

OknoSeznamuSouradnic::OknoSeznamuSouradnic(TStav& stav, IZpravy& zpravy, HlavniOkno& hlavniOkno)
    : QMainWindow(nullptr, Qt::Tool), stav_(stav), zpravy_(zpravy),
      hlavniOkno_(hlavniOkno), seznam_(new QListWidget)
{
    setWindowTitle(T("Seznam souřadnic"));
    QFont pismo(QStringLiteral("Monospace"));
    pismo.setStyleHint(QFont::TypeWriter);
    seznam_->setFont(pismo);
    seznam_->setSelectionMode(QAbstractItemView::SingleSelection);
    seznam_->setContextMenuPolicy(Qt::ActionsContextMenu);
    seznam_->installEventFilter(this);
    setCentralWidget(seznam_);

    QMenu* nastaveni = menuBar()->addMenu(T("&Nastavení"));
    automatickyPrevodDat_ = nastaveni->addAction(T("&Automatický převod dat"));
    rucniPrevodDat_ = nastaveni->addAction(T("&Ruční převod dat"));
    spustit_ = menuBar()->addAction(T("!&Spustit automatický převod!"));
    prevestCelySeznam_ = menuBar()->addAction(T("!&Převést celý seznam!"));
    prevestCelySeznam_->setEnabled(false);

    prevodAktualnihoRadku_ = new QAction(T("&Převod aktuálního řádku"), this);
    nastaveniAutomatickehoPrevodu_ = new QAction(T("Nastavení &automatického převodu dat"), this);
    nastaveniRucnihoPrevodu_ = new QAction(T("Nastavení &ručního převodu dat"), this);
    seznam_->addActions({spustit_, prevodAktualnihoRadku_, nastaveniAutomatickehoPrevodu_, nastaveniRucnihoPrevodu_});

    for (QAction* akce : {automatickyPrevodDat_, nastaveniAutomatickehoPrevodu_})
        connect(akce, &QAction::triggered, this, &OknoSeznamuSouradnic::zobrazitAutomatickyPrevod);
    for (QAction* akce : {rucniPrevodDat_, nastaveniRucnihoPrevodu_})
        connect(akce, &QAction::triggered, this, &OknoSeznamuSouradnic::zobrazitRucniPrevod);
    connect(spustit_, &QAction::triggered, this, &OknoSeznamuSouradnic::SpustitAutomatickyPrevod);
    connect(prevodAktualnihoRadku_, &QAction::triggered, this, &OknoSeznamuSouradnic::PrevestAktualniRadek);
    connect(seznam_, &QListWidget::itemDoubleClicked, this, &OknoSeznamuSouradnic::PrevestAktualniRadek);
    resize(520, 420);
}

void OknoSeznamuSouradnic::Importovat(VolbaSouboru& volba)
{
    const auto zvoleno = volba.Importovat(&hlavniOkno_, stav_.Nastaveni.AdresarProjektu, PosledniTyp(stav_.Nastaveni));
    if (!zvoleno)
        return;
    // The dialog keeps the type chosen last; the settings file gets it at the end.
    stav_.Nastaveni.ImportFilterIndex = zvoleno->Typ == TypZamereni::Specialni ? 2 : 1;
    ImportovatSoubor(zvoleno->Cesta);
}

void OknoSeznamuSouradnic::ImportovatSoubor(const std::string& cesta)
{
    // A file without one point has been told and leaves the list as it was.
    try {
        if (!lineon::Importovat(stav_, cesta, PosledniTyp(stav_.Nastaveni), zpravy_))
            return;
    } catch (const std::exception& vyjimka) {
        zpravy_.Oznamit(DruhZpravy::Chyba, ZpravaOVyjimce(vyjimka));
        return;
    }
    NaplnitSeznam();
    show();
    raise();
    activateWindow();
}

void OknoSeznamuSouradnic::NaplnitSeznam()
{
    seznam_->clear();
    const TSeznamSouradnic& body = stav_.SeznamSouradnic;
    for (int k = 1; k <= body.PocetZamerenychBodu(); ++k)
        seznam_->addItem(QString::fromStdString(RadekSeznamu(body.Body[static_cast<std::size_t>(k)])));
}

void OknoSeznamuSouradnic::PrevestAktualniRadek()
{
    // Line k shows record k + 1; without a selected line the record 0 converts nothing.
    const int k = seznam_->currentRow() + 1;
    TabulkaRadku& body = hlavniOkno_.TabulkaBodu();
    TabulkaRadku& pripojky = hlavniOkno_.TabulkaPripojek();
    const int bodu = stav_.Projekt.PocetBodu();
    const int pripojek = stav_.Projekt.PocetPripojek();
    // Each conversion is a step of the main window's "Zpět"; a refusal is shown there.
    hlavniOkno_.Provest("Převod aktuálního řádku",
                        [this, k, &body, &pripojky] { PrevestRadek(stav_, k, body.AktivniRadek(), pripojky.AktivniRadek()); });
    // A row appended with "konec" takes the cursor, so that what follows can go onto it (a house
    // manhole onto the connection just appended).
    if (stav_.Projekt.PocetBodu() > bodu)
        body.NastavitKurzor(stav_.Projekt.PocetBodu(), body.AktivniSloupec());
    if (stav_.Projekt.PocetPripojek() > pripojek)
        pripojky.NastavitKurzor(stav_.Projekt.PocetPripojek(), pripojky.AktivniSloupec());
}

void OknoSeznamuSouradnic::SpustitAutomatickyPrevod()
{
    hlavniOkno_.Provest("Spustit automatický převod", [this] { lineon::SpustitAutomatickyPrevod(stav_); });
}

void OknoSeznamuSouradnic::changeEvent(QEvent* udalost)
{
    QMainWindow::changeEvent(udalost);
    if (udalost->type() == QEvent::ActivationChange && isActiveWindow())
        emit aktivovano();
}

void OknoSeznamuSouradnic::closeEvent(QCloseEvent* udalost)
{
    udalost->accept();
    emit zavreno();
}

bool OknoSeznamuSouradnic::eventFilter(QObject* objekt, QEvent* udalost)
{
    if (objekt == seznam_ && udalost->type() == QEvent::KeyPress) {
        const int klavesa = static_cast<QKeyEvent*>(udalost)->key();
        if (klavesa == Qt::Key_Return || klavesa == Qt::Key_Enter) {
            PrevestAktualniRadek();
            return true;
        }
    }
    return QMainWindow::eventFilter(objekt, udalost);
}

} // namespace lineon::ui
