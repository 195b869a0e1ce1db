#include "ui/DialogNastaveni.h"

#include "ui/CiselnePole.h"
#include "ui/PoleData.h"
#include "ui/Rozlozeni.h"
#include "ui/Text.h"
#include "ui/Validator1250.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace lineon::ui {

namespace {

QGroupBox* Skupina(const char* nadpis, QLayout* obsah)
{
    auto* skupina = new QGroupBox(T(nadpis));
    skupina->setLayout(obsah);
    return skupina;
}

// A page of the dialog: its groups and rows from the top, the rest of the page empty.
QWidget* Stranka(std::initializer_list<QObject*> obsah)
{
    auto* stranka = new QWidget;
    auto* rozlozeni = new QVBoxLayout(stranka);
    PridatDoRozlozeni(rozlozeni, obsah);
    rozlozeni->addStretch();
    return stranka;
}

// The directory and every directory above it, for the drop-down list of "Adresář: ".
QStringList AdresareNad(const QString& adresar)
{
    QStringList seznam;
    QDir dir(adresar);
    do
        seznam << QDir::cleanPath(dir.absolutePath()) + (dir.isRoot() ? QString() : QStringLiteral("/"));
    while (dir.cdUp());
    return seznam;
}

} // namespace

DialogNastaveni::DialogNastaveni(TStav& stav, IZpravy& zpravy)
    : QDialog(nullptr, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      stav_(stav), zpravy_(zpravy), hodnoty_(VytvoritDialogVystupu(stav)), stranky_(new QTabWidget)
{
    setWindowTitle(T("Nastavení"));
    stranky_->addTab(StrankaVystupy(), T("Výstupy"));
    stranky_->addTab(StrankaSituace(), T("Situace"));
    stranky_->addTab(StrankaProfil(), T("Podélný profil"));
    stranky_->addTab(StrankaRovina(), T("Srovnávací rovina"));
    stranky_->addTab(StrankaUmisteni(), T("Umístění"));
    stranky_->addTab(StrankaObsah(), T("Obsah kresby"));
    auto* rozlozeni = new QVBoxLayout(this);
    rozlozeni->addWidget(stranky_);
    NaplnitOsoby();
    AktivovatDialogVystupu(hodnoty_, stav_);
    Nacist();
    ObnovitPovoleni();
    // Until a network kind is applied, the uniform diameter stays hidden.
    findChild<QCheckBox*>(QStringLiteral("CheckBox1"))->hide();
    setFixedSize(sizeHint().expandedTo(QSize(640, 0)));
}

QWidget* DialogNastaveni::StrankaVystupy()
{
    auto& v = stav_.Vystupy;
    auto* mrizka = new QGridLayout;
    auto* adresar = Kombo("FolderField", hodnoty_.FolderField);
    auto* vybrat = new QPushButton(T("…"));
    vybrat->setFixedWidth(32);
    connect(vybrat, &QPushButton::clicked, this, [this, adresar] {
        const QString zvoleny = QFileDialog::getExistingDirectory(this, T("Adresář"), adresar->currentText());
        if (!zvoleny.isEmpty())
            adresar->setCurrentText(zvoleny);
    });
    auto* radekAdresare = new QHBoxLayout;
    radekAdresare->addWidget(Popis("Adresář: ", adresar));
    radekAdresare->addWidget(adresar, 1);
    radekAdresare->addWidget(vybrat);

    mrizka->addWidget(Zaskrtavatko("Sitcheck", "Situace (do DXF)", v.Sitcheck), 0, 0, 1, 2);
    mrizka->addWidget(Text("sitField", hodnoty_.sitField), 0, 2);
    mrizka->addWidget(Zaskrtavatko("gpkgcheck", "do GIS (GeoPackage)", stav_.Doplnky.gpkgcheck), 1, 0, 1, 2);
    mrizka->addWidget(Text("gpkgField", hodnoty_.gpkgField), 1, 2);
    mrizka->addWidget(Zaskrtavatko("profcheck", "Podélný profil", v.profcheck), 2, 0, 1, 3);
    mrizka->addWidget(Zaskrtavatko("profobrcheck", "na obrazovku", v.profobrcheck), 3, 1, 1, 2);
    mrizka->addWidget(Zaskrtavatko("profdxfcheck", "do DXF", v.profdxfcheck), 4, 1);
    mrizka->addWidget(Text("profField", hodnoty_.profField), 4, 2);
    mrizka->addWidget(Zaskrtavatko("psancheck", "Psaný podélný profil", v.psancheck), 5, 0, 1, 3);
    mrizka->addWidget(Zaskrtavatko("psanobrcheck", "na obrazovku", v.psanobrcheck), 6, 1, 1, 2);
    mrizka->addWidget(Zaskrtavatko("psantxtcheck", "do textového souboru", v.psantxtcheck), 7, 1);
    mrizka->addWidget(Text("psanField", hodnoty_.psanField), 7, 2);
    mrizka->setColumnMinimumWidth(0, 24);
    mrizka->setColumnStretch(2, 1);

    return Stranka({radekAdresare, mrizka});
}

QWidget* DialogNastaveni::StrankaSituace()
{
    auto& v = stav_.Vystupy;
    auto* meritko = new QGridLayout;
    Radek(meritko, "Měřítko situace: 1:", Cislo("merfield", hodnoty_.merfield));
    meritko->setColumnStretch(2, 1);

    auto* vysky = new QGridLayout;
    Radek(vysky, "Výškové kóty:", Cislo("vyskyField", hodnoty_.vyskyField));
    Radek(vysky, "Označení šachty:", Cislo("oznacField", hodnoty_.oznacField));
    Radek(vysky, "Vypočtené hodnoty a ostatní popisy (délka, spád, průměr potrubí, materiál):",
          Cislo("vypocField", hodnoty_.vypocField));
    popisy_[findChild<QWidget*>(QStringLiteral("vypocField"))]->setWordWrap(true);
    vysky->setColumnStretch(0, 1);

    auto* popisy = new QHBoxLayout;
    popisy->addWidget(Zaskrtavatko("stocRcheck", "rovnoběžně", v.stocRcheck));
    popisy->addWidget(Zaskrtavatko("stocKcheck", "kolmo", v.stocKcheck));
    popisy->addStretch();

    auto* kody = new QGridLayout;
    Radek(kody, "Hydrant:", Text("hydrantF", hodnoty_.hydrantF));
    Radek(kody, "Šoupě:", Text("soupeF", hodnoty_.soupeF));
    kody->setColumnStretch(2, 1);

    return Stranka({meritko, Skupina("Výšky textů (v mm):", vysky), Skupina("Popisy misťovat vzhledem k ose:", popisy),
                    Skupina("Kody pro umístění značek (u vodovodu):", kody)});
}

QWidget* DialogNastaveni::StrankaProfil()
{
    auto& v = stav_.Vystupy;
    auto* mrizka = new QGridLayout;
    Radek(mrizka, "Délkové měřítko:  1 : ", Cislo("dmField", hodnoty_.dmField));
    Radek(mrizka, "Výškové měřítko:  1 : ", Cislo("vmField", hodnoty_.vmField));
    Radek(mrizka, "Průměr potrubí při importu (mm)", Cislo("dField", hodnoty_.dField));
    popisy_[findChild<QWidget*>(QStringLiteral("dField"))]->setObjectName(QStringLiteral("Label1"));
    Radek(mrizka, "Materiál:", Text("matField", v.matField));
    mrizka->setColumnStretch(2, 1);

    auto* jednotny = Zaskrtavatko("CheckBox1", "Jednotný průměr potrubí", v.CheckBox1);
    // Shown for information only: the user never changes it.
    jednotny->setEnabled(false);
    auto* staniceni = new QHBoxLayout;
    staniceni->addWidget(Zaskrtavatko("Stanbez", "Staničení uvádět jen do 100 ", hodnoty_.Stanbez));
    staniceni->addWidget(new QLabel(T("(např. 256,23 uvádět jen 56,23)")));
    staniceni->addStretch();

    const auto skupinaVoleb = [this](const char* nazev, std::initializer_list<const char*> texty, int& cil) {
        auto* volby = new QVBoxLayout;
        auto* skupina = new QButtonGroup(this);
        int i = 0;
        for (const char* text : texty) {
            auto* volba = new QRadioButton(T(text));
            volba->setObjectName(QString::fromUtf8(nazev) + QString::number(i));
            skupina->addButton(volba, i++);
            volby->addWidget(volba);
        }
        connect(skupina, &QButtonGroup::idClicked, this, [&cil](int id) { cil = id; });
        nacitace_.push_back([skupina, &cil] { skupina->button(cil)->setChecked(true); });
        auto* ramecek = new QGroupBox;
        ramecek->setObjectName(QString::fromUtf8(nazev));
        ramecek->setLayout(volby);
        return ramecek;
    };

    return Stranka({mrizka, staniceni, Zaskrtavatko("popdelcheck", "Legenda (+Délka)", hodnoty_.popdelcheck),
                    skupinaVoleb("Krytiradio",
                                 {"Zobrazovat krytí (měřit od vrchu potrubí)",
                                  "Zobrazovat krytí (měřit od spodu potrubí)", "Nezobrazovat krytí"},
                                 hodnoty_.Krytiradio),
                    skupinaVoleb("Delkaradio", {"Délky - nahoře i dole", "Délky - pouze dole"}, hodnoty_.Delkaradio),
                    jednotny});
}

QWidget* DialogNastaveni::StrankaRovina()
{
    auto* mrizka = new QGridLayout;
    Radek(mrizka, "Posun srovnávací roviny (m) při výškovém měřítku 1:100", Cislo("posSRField", hodnoty_.posSRField));
    Radek(mrizka, "Limitní hodnota - max. výška od srovn. rov.(mm)", Cislo("lhSRField", hodnoty_.lhSRField));
    mrizka->setColumnStretch(2, 1);
    return Stranka({mrizka});
}

QWidget* DialogNastaveni::StrankaUmisteni()
{
    auto& v = stav_.Vystupy;
    auto* posun = new QGridLayout;
    Radek(posun, "dX", Cislo("dxField", hodnoty_.dxField));
    Radek(posun, "dY", Cislo("dyField", hodnoty_.dyField));
    posun->setColumnStretch(2, 1);
    posun->setContentsMargins(24, 0, 0, 0);
    auto* vlastni = new QGridLayout;
    Radek(vlastni, "X", Cislo("vsXField", hodnoty_.vsXField));
    Radek(vlastni, "Y", Cislo("vsYField", hodnoty_.vsYField));
    vlastni->setColumnStretch(2, 1);
    vlastni->setContentsMargins(24, 0, 0, 0);

    return Stranka({Prepinac("RadioButton1", "Souřadnice středu úseku posunuté o dX a dY", v.RadioButton1), posun,
                    Prepinac("RadioButton2", "Vlastní souřadnice (X a Y)", v.RadioButton2), vlastni});
}

QWidget* DialogNastaveni::StrankaObsah()
{
    auto& v = stav_.Vystupy;
    auto* datum = new PoleData;
    datum->setObjectName(QStringLiteral("datumEdit"));
    connect(datum, &PoleData::datumZmeneno, this, [&v](const QString& text) { v.datumEdit = text.toStdString(); });
    nacitace_.push_back([datum, &v] { datum->Nacist(QString::fromStdString(v.datumEdit)); });

    auto* mrizka = new QGridLayout;
    Radek(mrizka, "Datum:", datum);
    Radek(mrizka, "Zakázka č.", Text("zakEdit", v.zakEdit));
    Radek(mrizka, "Měřil:", Kombo("mercombo", v.mercombo));
    Radek(mrizka, "Vypracoval:", Kombo("vypcombo", v.vypcombo));
    Radek(mrizka, "Kontroloval:", Kombo("koncombo", v.koncombo));
    Radek(mrizka, "Souřadnicový systém:", Kombo("soucombo", v.soucombo));
    Radek(mrizka, "Výškový systém:", Kombo("vyscombo", v.vyscombo));
    mrizka->setColumnStretch(1, 1);
    for (const char* nazev : {"mercombo", "vypcombo", "koncombo"}) {
        auto* kombo = findChild<QComboBox*>(QString::fromUtf8(nazev));
        osoby_.push_back(kombo);
        kombo->installEventFilter(this);
    }

    return Stranka({Zaskrtavatko("ramcheck", "vytvořit okrajový rámeček", v.ramcheck),
                    Zaskrtavatko("znakcheck", "umisťovat značky šachet", v.znakcheck),
                    Zaskrtavatko("tabcheck", "vytvořit popisovou tabulku", v.tabcheck), mrizka});
}

QCheckBox* DialogNastaveni::Zaskrtavatko(const char* nazev, const char* popis, bool& cil)
{
    auto* pole = new QCheckBox(T(popis), this);
    pole->setObjectName(QString::fromUtf8(nazev));
    connect(pole, &QCheckBox::clicked, this, [this, nazev, &cil](bool zaskrtnuto) {
        cil = zaskrtnuto;
        PoKliknuti(nazev);
    });
    zaskrtnuti_.push_back([pole, &cil] { pole->setChecked(cil); });
    return pole;
}

QRadioButton* DialogNastaveni::Prepinac(const char* nazev, const char* popis, bool& cil)
{
    auto* pole = new QRadioButton(T(popis), this);
    pole->setObjectName(QString::fromUtf8(nazev));
    connect(pole, &QRadioButton::clicked, this, [this, nazev] { PoKliknuti(nazev); });
    zaskrtnuti_.push_back([pole, &cil] { pole->setChecked(cil); });
    return pole;
}

QLineEdit* DialogNastaveni::Text(const char* nazev, std::string& cil)
{
    auto* pole = new QLineEdit(this);
    pole->setObjectName(QString::fromUtf8(nazev));
    pole->setMinimumWidth(220);
    if (const int delka = DelkaOvladace(nazev))
        pole->setMaxLength(delka);
    Validator1250::Hlidat(pole, zpravy_);
    connect(pole, &QLineEdit::textEdited, this, [&cil](const QString& text) { cil = text.toStdString(); });
    nacitace_.push_back([pole, &cil] { pole->setText(QString::fromStdString(cil)); });
    return pole;
}

template <class Hodnota>
CiselnePole* DialogNastaveni::Cislo(const char* nazev, Hodnota& cil)
{
    const TMeze meze = MezeOvladace(nazev);
    auto* pole = new CiselnePole(meze.Od, meze.Do, meze.Desetin, this);
    pole->setObjectName(QString::fromUtf8(nazev));
    pole->setFixedWidth(110);
    connect(pole, &CiselnePole::hodnotaZmenena, this, [&cil](double hodnota) { cil = static_cast<Hodnota>(hodnota); });
    nacitace_.push_back([pole, &cil] { pole->NastavitHodnotu(cil); });
    return pole;
}

QComboBox* DialogNastaveni::Kombo(const char* nazev, std::string& cil)
{
    auto* pole = new QComboBox(this);
    pole->setObjectName(QString::fromUtf8(nazev));
    pole->setEditable(true);
    pole->setInsertPolicy(QComboBox::NoInsert);
    Validator1250::Hlidat(pole, zpravy_);
    connect(pole, &QComboBox::currentTextChanged, this, [&cil](const QString& text) { cil = text.toStdString(); });
    nacitace_.push_back([pole, &cil] {
        const QString text = QString::fromStdString(cil);
        if (pole->objectName() == QLatin1String("FolderField")) {
            pole->clear();
            pole->addItems(AdresareNad(text));
        }
        pole->setCurrentText(text);
    });
    return pole;
}

QLabel* DialogNastaveni::Popis(const char* text, QWidget* pole)
{
    auto* popis = new QLabel(T(text), this);
    popis->setBuddy(pole);
    popisy_[pole] = popis;
    return popis;
}

void DialogNastaveni::Radek(QGridLayout* mrizka, const char* popis, QWidget* pole)
{
    const int radek = mrizka->rowCount();
    mrizka->addWidget(Popis(popis, pole), radek, 0);
    mrizka->addWidget(pole, radek, 1);
}

void DialogNastaveni::NaplnitOsoby()
{
    for (QComboBox* kombo : osoby_) {
        const QString text = kombo->currentText();
        kombo->clear();
        for (const std::string& jmeno : stav_.Nastaveni.Osoby)
            kombo->addItem(QString::fromStdString(jmeno));
        kombo->setCurrentText(text);
    }
}

void DialogNastaveni::PoKliknuti(const char* nazev)
{
    lineon::PoKliknuti(hodnoty_, stav_.Vystupy, nazev);
    for (const auto& obnovit : zaskrtnuti_)
        obnovit();
    ObnovitPovoleni();
}

void DialogNastaveni::Povolit(QWidget* pole, bool povoleno)
{
    pole->setEnabled(povoleno);
    if (const auto popis = popisy_.find(pole); popis != popisy_.end())
        popis->second->setEnabled(povoleno);
}

void DialogNastaveni::Zobrazit(QWidget* pole, bool viditelne)
{
    pole->setVisible(viditelne);
    if (const auto popis = popisy_.find(pole); popis != popisy_.end())
        popis->second->setVisible(viditelne);
}

void DialogNastaveni::ObnovitPovoleni()
{
    const TPovoleniVystupu& p = hodnoty_.Povoleno;
    const std::pair<const char*, bool> povoleni[] = {
        {"profobrcheck", p.profobrcheck}, {"profdxfcheck", p.profdxfcheck}, {"profField", p.profField},
        {"psanobrcheck", p.psanobrcheck}, {"psantxtcheck", p.psantxtcheck}, {"psanField", p.psanField},
        {"dxField", p.dxField},           {"dyField", p.dyField},           {"vsXField", p.vsXField},
        {"vsYField", p.vsYField},         {"datumEdit", p.datumEdit},       {"zakEdit", p.zakEdit},
        {"mercombo", p.mercombo},         {"vypcombo", p.vypcombo},         {"koncombo", p.koncombo},
        {"soucombo", p.soucombo},         {"vyscombo", p.vyscombo},
    };
    for (const auto& [nazev, povoleno] : povoleni)
        Povolit(findChild<QWidget*>(QString::fromUtf8(nazev)), povoleno);
}

void DialogNastaveni::PouzitDruhSite(int druh)
{
    for (const char* nazev : {"CheckBox1", "dField"})
        Zobrazit(findChild<QWidget*>(QString::fromUtf8(nazev)), druh == 1 || druh == 2);
    findChild<QWidget*>(QStringLiteral("znakcheck"))->setVisible(druh == 1);
}

void DialogNastaveni::Nacist()
{
    for (const auto& nacist : nacitace_)
        nacist();
    for (const auto& obnovit : zaskrtnuti_)
        obnovit();
}

void DialogNastaveni::Zobrazit()
{
    show();
    raise();
    activateWindow();
}

void DialogNastaveni::PridatZakazaneOkno(QWidget* okno)
{
    zakazanaOkna_.push_back(okno);
}

void DialogNastaveni::changeEvent(QEvent* udalost)
{
    QDialog::changeEvent(udalost);
    if (udalost->type() != QEvent::ActivationChange)
        return;
    if (!isActiveWindow()) {
        // A message box of the dialog itself takes the focus only for a moment.
        const QWidget* aktivni = QApplication::activeWindow();
        uPodrizenehoOkna_ = aktivni && isAncestorOf(aktivni);
        return;
    }
    if (std::exchange(uPodrizenehoOkna_, false))
        return;
    for (QWidget* okno : zakazanaOkna_)
        okno->setEnabled(false);
    AktivovatDialogVystupu(hodnoty_, stav_);
    Nacist();
}

void DialogNastaveni::reject()
{
    // Hidden without closing, the dialog would leave the main window disabled for good.
    close();
}

void DialogNastaveni::closeEvent(QCloseEvent* udalost)
{
    for (QWidget* okno : zakazanaOkna_)
        okno->setEnabled(true);
    if (const auto zprava = ZavritDialogVystupu(hodnoty_, stav_))
        zpravy_.Oznamit(DruhZpravy::Varovani, *zprava);
    udalost->accept();
}

bool DialogNastaveni::eventFilter(QObject* objekt, QEvent* udalost)
{
    // The person-name rule runs when the focus leaves one of the three person combos.
    if (udalost->type() == QEvent::FocusOut && static_cast<QFocusEvent*>(udalost)->reason() != Qt::PopupFocusReason) {
        const auto* kombo = static_cast<QComboBox*>(objekt);
        try {
            if (OpustitPoleOsoby(stav_.Nastaveni, kombo->currentText().toStdString()))
                for (QComboBox* seznam : osoby_)
                    seznam->addItem(kombo->currentText());
        } catch (const Chyba& chyba) {
            zpravy_.Oznamit(DruhZpravy::Chyba, chyba.what());
        }
    }
    return QDialog::eventFilter(objekt, udalost);
}

} // namespace lineon::ui
