#include "ui/HlavniOkno.h"

#include "prikazy/NaposledyOtevrene.h"
#include "prikazy/PrikazySouboru.h"
#include "prikazy/Titulek.h"
#include "prikazy/UpravyRadku.h"
#include "zaklad/Soubor.h"
#include "ui/ModelBodu.h"
#include "ui/ModelPripojek.h"
#include "ui/TabulkaRadku.h"
#include "ui/VolbaSouboru.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QVBoxLayout>

namespace lineon::ui {

namespace {

QAction* Polozka(QMenu* menu, const char* text)
{
    return menu->addAction(QString::fromUtf8(text));
}

QAction* Oddelovac(QObject* rodic)
{
    auto* oddelovac = new QAction(rodic);
    oddelovac->setSeparator(true);
    return oddelovac;
}

void NastavitSirky(TabulkaRadku& tabulka, std::initializer_list<int> sirky)
{
    int sloupec = 0;
    for (int sirka : sirky)
        tabulka.horizontalHeader()->resizeSection(sloupec++, sirka);
}

/// The one local file of a drag that the program can open; empty for anything else.
std::string PretazenySoubor(const QMimeData* data)
{
    if (!data->hasUrls() || data->urls().size() != 1 || !data->urls().front().isLocalFile())
        return {};
    const std::string cesta = data->urls().front().toLocalFile().toStdString();
    return DruhSouboruPodleNazvu(cesta) == DruhSouboru::Jiny ? std::string() : cesta;
}

} // namespace

HlavniOkno::HlavniOkno(TStav& stav, IZpravy& zpravy, VolbaSouboru& volbaSouboru, QWidget* rodic)
    : QMainWindow(rodic), stav_(stav), zpravy_(zpravy), volbaSouboru_(volbaSouboru), modelBodu_(new ModelBodu(stav, this)),
      modelPripojek_(new ModelPripojek(stav, this)), tabulkaBodu_(new TabulkaRadku), tabulkaPripojek_(new TabulkaRadku)
{
    tabulkaBodu_->setModel(modelBodu_);
    tabulkaPripojek_->setModel(modelPripojek_);
    NastavitSirky(*tabulkaBodu_, {44, 96, 92, 100, 78, 78, 78, 78, 64, 44});
    NastavitSirky(*tabulkaPripojek_, {36, 52, 100, 92, 100, 96, 92, 100, 78, 78});

    auto* obsah = new QWidget;
    auto* rozlozeni = new QVBoxLayout(obsah);
    rozlozeni->setContentsMargins(4, 4, 4, 4);
    rozlozeni->addWidget(tabulkaBodu_, 3);
    rozlozeni->addWidget(tabulkaPripojek_, 2);
    setCentralWidget(obsah);

    VytvoritMenu();
    NastavitKlavesy();
    VytvoritKontextoveMenu();
    PripojitUpravy();

    connect(tabulkaBodu_, &TabulkaRadku::otevritRadek, this, [this] {
        // A click into "Dno" toggles the check box and opens nothing.
        if (tabulkaBodu_->AktivniSloupec() != ModelBodu::SloupecDno)
            emit otevritBod(tabulkaBodu_->AktivniRadek(), tabulkaBodu_->AktivniSloupec());
    });
    connect(tabulkaPripojek_, &TabulkaRadku::otevritRadek, this,
            [this] { emit otevritPripojku(tabulkaPripojek_->AktivniRadek(), tabulkaPripojek_->AktivniSloupec()); });

    setAcceptDrops(true);
    setFixedSize(860, 640);
    if (const QScreen* obrazovka = QGuiApplication::primaryScreen())
        move(obrazovka->availableGeometry().center() - rect().center());
    ObnovitTitulek();
    PrekreslitTabulky();
    ObnovitZpet();
    ObnovitNaposledy();
}

void HlavniOkno::VytvoritMenu()
{
    // "&" marks the letter of each menu and item that Alt (or the letter in an open menu) picks.
    QMenu* soubor = menuBar()->addMenu(QString::fromUtf8("&Soubor"));
    akce_.Novy = Polozka(soubor, "&Nový");
    akce_.Otevrit = Polozka(soubor, "&Otevřít");
    naposledy_ = soubor->addMenu(QString::fromUtf8("Na&posledy otevřené"));
    akce_.Naposledy = naposledy_->menuAction();
    // The items stay and only their names change, so none goes away while it runs.
    for (std::size_t i = 0; i < PocetNaposledyOtevrenych; ++i)
        connect(naposledy_->addAction(QString()), &QAction::triggered, this,
                [this, i] { OtevritNaposledy(stav_.Doplnky.Naposledy.at(i)); });
    akce_.Ulozit = Polozka(soubor, "&Uložit");
    akce_.UlozitJako = Polozka(soubor, "Uložit j&ako");
    soubor->addSeparator();
    akce_.Import = Polozka(soubor, "&Import");
    soubor->addSeparator();
    akce_.Konec = Polozka(soubor, "&Konec");
    connect(akce_.Novy, &QAction::triggered, this, &HlavniOkno::Novy);
    connect(akce_.Otevrit, &QAction::triggered, this, &HlavniOkno::Otevrit);
    connect(akce_.Ulozit, &QAction::triggered, this, &HlavniOkno::Ulozit);
    connect(akce_.UlozitJako, &QAction::triggered, this, &HlavniOkno::UlozitJako);
    connect(akce_.Konec, &QAction::triggered, this, &QWidget::close);

    QMenu* upravy = menuBar()->addMenu(QString::fromUtf8("Ú&pravy"));
    akce_.Zpet = Polozka(upravy, "&Zpět");
    akce_.Znovu = Polozka(upravy, "Z&novu");
    connect(akce_.Zpet, &QAction::triggered, this, &HlavniOkno::Zpet);
    connect(akce_.Znovu, &QAction::triggered, this, &HlavniOkno::Znovu);
    upravy->addSeparator();
    akce_.SeraditPodleZDna = Polozka(upravy, "&Seřadit podle Z dna");
    upravy->addSeparator();
    akce_.VlozitRadekPred = Polozka(upravy, "Vložit prázdný řádek &před kurzor");
    akce_.VlozitRadekZa = Polozka(upravy, "Vložit prázdný řádek z&a kurzor");
    akce_.OdstranitRadek = Polozka(upravy, "&Odstranit řádek");
    upravy->addSeparator();
    akce_.KopirovatRadek = Polozka(upravy, "&Kopírovat řádek");
    akce_.VyjmoutRadek = Polozka(upravy, "Vyjmou&t řádek");
    akce_.VlozitZeSchranky = Polozka(upravy, "V&ložit řádek");
    akce_.VlozitZeSchranky->setEnabled(false);
    upravy->addSeparator();
    akce_.OdstranitPripojku = Polozka(upravy, "Odstranit řádek - přípo&jky");

    QMenu* nastaveni = menuBar()->addMenu(QString::fromUtf8("&Nastavení"));
    akce_.Nastaveni = Polozka(nastaveni, "&Nastavení");
    QMenu* druh = nastaveni->addMenu(QString::fromUtf8("&Druh inženýrské sítě"));
    auto* skupinaDruhu = new QActionGroup(this);
    akce_.Kanalizace = Polozka(druh, "&Kanalizace");
    akce_.Vodovod = Polozka(druh, "&Vodovod");
    akce_.OsaKomunikace = Polozka(druh, "&Osa komunikace");
    QAction* polozky[] = {akce_.Kanalizace, akce_.Vodovod, akce_.OsaKomunikace};
    for (const TDruhSite k : DruhySite) {
        QAction* polozka = polozky[static_cast<int>(k) - 1];
        polozka->setCheckable(true);
        skupinaDruhu->addAction(polozka);
        connect(polozka, &QAction::triggered, this, [this, k] { PrepnoutDruhSite(k); });
    }
    QMenu* jazyk = nastaveni->addMenu(QString::fromUtf8("&Jazyk"));
    auto* skupinaJazyku = new QActionGroup(this);
    // A language other than CZ and SK carries no check mark.
    skupinaJazyku->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    akce_.Cestina = Polozka(jazyk, "Č&eština");
    akce_.Slovenstina = Polozka(jazyk, "&Slovenština");
    for (QAction* polozka : {akce_.Cestina, akce_.Slovenstina}) {
        polozka->setCheckable(true);
        skupinaJazyku->addAction(polozka);
    }
    connect(akce_.Cestina, &QAction::triggered, this, [this] { PrepnoutJazyk("CZ"); });
    connect(akce_.Slovenstina, &QAction::triggered, this, [this] { PrepnoutJazyk("SK"); });

    QMenu* vypocet = menuBar()->addMenu(QString::fromUtf8("&Výpočet"));
    akce_.Vypocet = Polozka(vypocet, "&Výpočet");
}

void HlavniOkno::NastavitKlavesy()
{
    akce_.Novy->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    akce_.Otevrit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    akce_.Ulozit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    akce_.UlozitJako->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    akce_.Vypocet->setShortcut(QKeySequence(Qt::Key_F9));
    akce_.Zpet->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    akce_.Znovu->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    const std::pair<QAction*, QKeySequence> radkove[] = {
        {akce_.VlozitRadekPred, QKeySequence(Qt::Key_Insert)}, {akce_.OdstranitRadek, QKeySequence(Qt::Key_Delete)},
        {akce_.KopirovatRadek, QKeySequence(Qt::CTRL | Qt::Key_C)}, {akce_.VyjmoutRadek, QKeySequence(Qt::CTRL | Qt::Key_X)},
        {akce_.VlozitZeSchranky, QKeySequence(Qt::CTRL | Qt::Key_V)}, {akce_.OdstranitPripojku, QKeySequence(Qt::Key_Delete)},
    };
    for (const auto& [akce, klavesa] : radkove) {
        akce->setShortcut(klavesa);
        akce->setShortcutContext(Qt::WidgetShortcut);
    }
    // F10 opens the first menu, as Alt and a menu's letter do.
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(f10, &QShortcut::activated, this, [this] { menuBar()->setActiveAction(menuBar()->actions().front()); });
}

void HlavniOkno::VytvoritKontextoveMenu()
{
    akce_.NastaveniKontext = new QAction(QString::fromUtf8("&Nastavení ..."), this);
    connect(akce_.NastaveniKontext, &QAction::triggered, akce_.Nastaveni, &QAction::trigger);
    tabulkaBodu_->addActions({akce_.VlozitRadekPred, akce_.VlozitRadekZa, akce_.OdstranitRadek, Oddelovac(this),
                              akce_.KopirovatRadek, akce_.VyjmoutRadek, akce_.VlozitZeSchranky, Oddelovac(this),
                              akce_.NastaveniKontext});
    tabulkaPripojek_->addActions({akce_.OdstranitPripojku, Oddelovac(this), akce_.NastaveniKontext});
}

void HlavniOkno::PripojitUpravy()
{
    // Each step is named by its menu item.
    const auto bod = [this] { return tabulkaBodu_->AktivniRadek(); };
    const auto pripojit = [this](QAction* akce, std::function<void()> prikaz, bool preradi = false) {
        connect(akce, &QAction::triggered, this, [this, akce, prikaz, preradi] {
            Provest(QString(akce->text()).remove(QLatin1Char('&')).toStdString(), prikaz, preradi);
        });
    };
    pripojit(akce_.SeraditPodleZDna, [this] { SeraditPodleZDna(stav_); }, true);
    pripojit(akce_.VlozitRadekPred, [this, bod] { VlozitRadek(stav_, bod(), MistoVlozeni::Pred); });
    connect(akce_.VlozitRadekZa, &QAction::triggered, this, [this] {
        const int r = tabulkaBodu_->AktivniRadek();
        const int pocet = stav_.Projekt.PocetBodu();
        Provest("Vložit prázdný řádek za kurzor", [this, r] { VlozitRadek(stav_, r, MistoVlozeni::Za); });
        // The cursor goes onto the new row, ready for its values.
        if (stav_.Projekt.PocetBodu() > pocet)
            tabulkaBodu_->NastavitKurzor(r + 1, tabulkaBodu_->AktivniSloupec());
    });
    pripojit(akce_.OdstranitRadek, [this, bod] { OdstranitRadek(stav_, bod(), zpravy_); });
    pripojit(akce_.KopirovatRadek, [this, bod] { KopirovatRadek(stav_, bod()); });
    pripojit(akce_.VyjmoutRadek, [this, bod] { VyjmoutRadek(stav_, bod()); });
    pripojit(akce_.VlozitZeSchranky, [this, bod] { VlozitZeSchranky(stav_, bod(), zpravy_); });
    pripojit(akce_.OdstranitPripojku,
             [this] { OdstranitPripojku(stav_, tabulkaPripojek_->AktivniRadek(), zpravy_); });
    connect(modelBodu_, &ModelBodu::zmenitDno, this, [this](int radek, bool dno) {
        Provest("Úprava buňky", [this, radek, dno] {
            stav_.Projekt.Body[radek].Dno = dno;
            stav_.Projekt.Zmeneno = true;
        });
    });
}

void HlavniOkno::Provest(const std::string& nazev, const std::function<void()>& prikaz, bool preradi)
{
    const int pocet = stav_.Projekt.PocetBodu();
    historie_.Zacit(stav_);
    try {
        prikaz();
    } catch (const std::exception& vyjimka) {
        zpravy_.Oznamit(DruhZpravy::Chyba, ZpravaOVyjimce(vyjimka));
    }
    const ZmenaRadku zmena = preradi || stav_.Projekt.PocetBodu() != pocet ? ZmenaRadku::Radky : ZmenaRadku::Hodnoty;
    historie_.Dokoncit(stav_, nazev, zmena);
    // The paste items stay enabled from the first copy or cut on.
    if (stav_.SchrankaRadku)
        akce_.VlozitZeSchranky->setEnabled(true);
    ObnovitTitulek();
    PrekreslitTabulky(zmena);
    ObnovitZpet();
}

void HlavniOkno::Zpet()
{
    PoKroku(historie_.Zpet(stav_));
}

void HlavniOkno::Znovu()
{
    PoKroku(historie_.Znovu(stav_));
}

void HlavniOkno::PoKroku(std::optional<ZmenaRadku> zmena)
{
    if (zmena) {
        ObnovitTitulek();
        PrekreslitTabulky(*zmena);
    }
    ObnovitZpet();
}

void HlavniOkno::ObnovitZpet()
{
    const auto pojmenovat = [](QAction* akce, const char* text, const std::optional<std::string>& krok) {
        akce->setText(QString::fromUtf8(text) + (krok ? QStringLiteral(": ") + QString::fromStdString(*krok) : QString()));
        akce->setEnabled(krok.has_value());
    };
    pojmenovat(akce_.Zpet, "&Zpět", historie_.NazevZpet());
    pojmenovat(akce_.Znovu, "Z&novu", historie_.NazevZnovu());
}

bool HlavniOkno::ZkusitSoubor(const std::function<bool()>& prikaz, ZmenaRadku hotovo)
{
    bool uspech = false;
    try {
        uspech = prikaz();
    } catch (const std::exception& vyjimka) {
        zpravy_.Oznamit(DruhZpravy::Chyba, ZpravaOVyjimce(vyjimka));
    }
    ObnovitTitulek();
    PrekreslitTabulky(uspech ? hotovo : ZmenaRadku::Hodnoty);
    return uspech;
}

void HlavniOkno::ZmenitProjekt(const std::string& nazev, const std::function<bool()>& prikaz)
{
    historie_.Zacit(stav_);
    const bool hotovo = ZkusitSoubor(prikaz, ZmenaRadku::Projekt);
    historie_.Dokoncit(stav_, nazev, ZmenaRadku::Projekt);
    if (hotovo)
        Zapamatovat();
    ObnovitZpet();
}

void HlavniOkno::Novy()
{
    ZmenitProjekt("Nový", [this] { return lineon::Novy(stav_, zpravy_, [this] { return Ulozit(); }); });
}

void HlavniOkno::Otevrit()
{
    ZmenitProjekt("Otevřít", [this] {
        return lineon::Otevrit(stav_, zpravy_, [this] { return Ulozit(); },
                               [this](const std::string&) { return volbaSouboru_.Otevrit(this, stav_.Nastaveni.AdresarProjektu); });
    });
}

void HlavniOkno::OtevritSoubor(const std::string& cesta, FormatProjektu format)
{
    ZmenitProjekt("Otevřít", [this, cesta, format] {
        return lineon::Otevrit(stav_, zpravy_, [this] { return Ulozit(); },
                               [cesta, format](const std::string&) { return std::optional(TVolbaSouboru{cesta, format}); });
    });
}

bool HlavniOkno::Ulozeno(bool ulozeno)
{
    if (ulozeno) {
        historie_.Ulozeno(stav_);
        Zapamatovat();
    }
    return ulozeno;
}

void HlavniOkno::Zapamatovat()
{
    ZapamatovatProjekt(stav_.Doplnky, stav_.Projekt.SouborProjektu);
    ObnovitNaposledy();
}

void HlavniOkno::ObnovitNaposledy()
{
    const std::vector<std::string>& projekty = stav_.Doplnky.Naposledy;
    const QList<QAction*> polozky = naposledy_->actions();
    for (qsizetype i = 0; i < polozky.size(); ++i) {
        const auto k = static_cast<std::size_t>(i);
        polozky[i]->setVisible(k < projekty.size());
        // "&" in a name would mark a letter.
        if (k < projekty.size())
            polozky[i]->setText(QStringLiteral("&%1 ").arg(i + 1)
                                + QString::fromStdString(projekty[k]).replace(QLatin1Char('&'), QStringLiteral("&&")));
    }
    akce_.Naposledy->setEnabled(!projekty.empty());
}

void HlavniOkno::OtevritNaposledy(std::string cesta)
{
    if (!soubor::Existuje(cesta)) {
        zpravy_.Oznamit(DruhZpravy::Varovani, TextChybejicihoProjektu(cesta));
        ZapomenoutProjekt(stav_.Doplnky, cesta);
        ObnovitNaposledy();
        return;
    }
    OtevritSoubor(cesta, FormatPodleNazvu(cesta));
}

bool HlavniOkno::Ulozit()
{
    return Ulozeno(ZkusitSoubor([this] { return lineon::Ulozit(stav_, [this] { return UlozitJako(); }); }));
}

bool HlavniOkno::UlozitJako()
{
    return Ulozeno(ZkusitSoubor([this] {
        return lineon::UlozitJako(stav_, typUlozeni_, [this](const std::string& nazev) {
            auto volba = volbaSouboru_.UlozitJako(this, stav_.Nastaveni.AdresarProjektu, nazev, typUlozeni_);
            if (volba)
                typUlozeni_ = volba->Format;
            return volba;
        });
    }));
}

bool HlavniOkno::PotvrditUlozeni()
{
    return lineon::PotvrditUlozeni(stav_.Projekt, zpravy_, [this] { return Ulozit(); });
}

void HlavniOkno::ObnovitTitulek()
{
    setWindowTitle(QString::fromStdString(lineon::ObnovitTitulek(stav_)));
}

void HlavniOkno::PrekreslitTabulky(ZmenaRadku zmena)
{
    const std::pair<TabulkaRadku*, ModelRadku*> tabulky[] = {{tabulkaBodu_, modelBodu_}, {tabulkaPripojek_, modelPripojek_}};
    for (const auto& [tabulka, model] : tabulky) {
        const int sloupec = tabulka->AktivniSloupec();
        const int radek = zmena == ZmenaRadku::Projekt ? 1 : std::max(tabulka->AktivniRadek(), 1);
        if (zmena == ZmenaRadku::Projekt)
            model->Nahradit();
        else
            model->Prekreslit();
        // The same cell again keeps the scroll position; a row that is gone leaves the cursor
        // on the last one.
        tabulka->NastavitKurzor(radek, sloupec);
    }
    emit tabulkyPrekresleny(zmena);
}

void HlavniOkno::PrepnoutDruhSite(TDruhSite k)
{
    QAction* polozky[] = {akce_.Kanalizace, akce_.Vodovod, akce_.OsaKomunikace};
    polozky[static_cast<int>(k) - 1]->setChecked(true);
    NastavitDruhSite(stav_.Nastaveni, k);
    ObnovitTitulek();
    modelBodu_->NastavitDruhSite(k);
    emit druhSitePrepnut(k);
    PrekreslitTabulky();
}

void HlavniOkno::PrepnoutJazyk(const std::string& jazyk)
{
    stav_.Nastaveni.Jazyk = jazyk;
    OznacitJazyk();
    ObnovitTitulek();
}

void HlavniOkno::OznacitJazyk()
{
    akce_.Cestina->setChecked(stav_.Nastaveni.Jazyk == "CZ");
    akce_.Slovenstina->setChecked(stav_.Nastaveni.Jazyk == "SK");
}

void HlavniOkno::PotvrditDno()
{
    if (tabulkaBodu_->AktivniSloupec() != ModelBodu::SloupecDno)
        return;
    const int radek = tabulkaBodu_->AktivniRadek();
    tabulkaBodu_->NastavitKurzor(radek, ModelBodu::SloupecDno - 1);
    tabulkaBodu_->NastavitKurzor(radek, ModelBodu::SloupecDno);
}

void HlavniOkno::changeEvent(QEvent* udalost)
{
    QMainWindow::changeEvent(udalost);
    // The kind is applied each time the window becomes active, so every window always matches it.
    if (udalost->type() == QEvent::ActivationChange && isActiveWindow())
        PrepnoutDruhSite(stav_.Nastaveni.DruhSite);
}

void HlavniOkno::dragEnterEvent(QDragEnterEvent* udalost)
{
    if (!PretazenySoubor(udalost->mimeData()).empty())
        udalost->acceptProposedAction();
}

void HlavniOkno::dropEvent(QDropEvent* udalost)
{
    const std::string cesta = PretazenySoubor(udalost->mimeData());
    if (cesta.empty())
        return;
    udalost->acceptProposedAction();
    // The drop ends first: the file manager that dragged the file does not wait for the questions.
    QMetaObject::invokeMethod(this, [this, cesta] { emit otevritSoubor(cesta); }, Qt::QueuedConnection);
}

void HlavniOkno::closeEvent(QCloseEvent* udalost)
{
    // While a dialog holds the window disabled it cannot close.
    if (!isEnabled()) {
        udalost->ignore();
        return;
    }
    if (stav_.Projekt.Zmeneno && !PotvrditUlozeni()) {
        udalost->ignore();
        return;
    }
    udalost->accept();
    emit zavreno();
}

} // namespace lineon::ui
