#include "ui/DialogNastaveni.h"

#include "ui/CiselnePole.h"
#include "ui/PoleData.h"
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
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace lineon::ui {

namespace {

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
    for (std::size_t s = 0; s < NazvyStranek.size(); ++s)
        stranky_->addTab(Stranka(static_cast<StrankaVystupu>(s + 1)), T(NazvyStranek[s]));
    auto* rozlozeni = new QVBoxLayout(this);
    rozlozeni->addWidget(stranky_);
    NaplnitOsoby();
    AktivovatDialogVystupu(hodnoty_, stav_);
    Nacist();
    ObnovitPovoleni();
    for (std::size_t i = 0; i < TabulkaNastaveni.size(); ++i)
        if (TabulkaNastaveni[i].Skryty)
            Ukazat(i, false);
    // Wide enough for every page's tab at once.
    setFixedSize(sizeHint().expandedTo(QSize(std::max(640, stranky_->tabBar()->sizeHint().width() + 40), 0)));
}

QWidget* DialogNastaveni::Stranka(StrankaVystupu stranka)
{
    auto* obsah = new QWidget;
    auto* rozlozeni = new QVBoxLayout(obsah);
    QGridLayout* mrizka = nullptr;
    std::string_view skupina;
    for (std::size_t i = 0; i < TabulkaNastaveni.size(); ++i) {
        const TPoleNastaveni& pole = TabulkaNastaveni[i];
        if (pole.Stranka != stranka)
            continue;
        if (!mrizka || pole.Skupina != skupina) {
            skupina = pole.Skupina;
            mrizka = new QGridLayout;
            mrizka->setColumnStretch(3, 1);
            if (skupina.empty()) {
                rozlozeni->addLayout(mrizka);
            } else {
                auto* ramecek = new QGroupBox(T(skupina));
                ramecek->setLayout(mrizka);
                rozlozeni->addWidget(ramecek);
            }
        }
        Umistit(mrizka, i);
    }
    rozlozeni->addStretch();
    return obsah;
}

// Columns of a page's grid: 0 the indentation, 0-1 the check boxes and captions, 2 the fields, 3 the rest.
void DialogNastaveni::Umistit(QGridLayout* mrizka, std::size_t i)
{
    const TPoleNastaveni& pole = TabulkaNastaveni[i];
    QWidget* ovladac = Vytvorit(i);
    ovladace_[i] = ovladac;
    if (pole.Vedle) {
        mrizka->addWidget(ovladac, mrizka->rowCount() - 1, 2);
        return;
    }
    const int radek = mrizka->rowCount();
    const int sloupec = pole.Odsazeni;
    if (sloupec > 0)
        mrizka->setColumnMinimumWidth(0, 24);
    const bool necoVedle = i + 1 < TabulkaNastaveni.size() && TabulkaNastaveni[i + 1].Vedle;
    switch (pole.Druh) {
    case DruhOvladace::Zaskrtavatko:
    case DruhOvladace::Prepinac:
        mrizka->addWidget(ovladac, radek, sloupec, 1, necoVedle || !pole.Poznamka.empty() ? 2 - sloupec : -1);
        if (!pole.Poznamka.empty())
            mrizka->addWidget(new QLabel(T(pole.Poznamka)), radek, 2, 1, -1);
        return;
    case DruhOvladace::Volby:
        mrizka->addWidget(ovladac, radek, 0, 1, -1);
        return;
    case DruhOvladace::Adresar: {
        auto* adresar = static_cast<QComboBox*>(ovladac);
        auto* vybrat = new QPushButton(T("…"));
        vybrat->setFixedWidth(32);
        connect(vybrat, &QPushButton::clicked, this, [this, adresar] {
            const QString zvoleny = QFileDialog::getExistingDirectory(this, T("Adresář"), adresar->currentText());
            if (!zvoleny.isEmpty())
                adresar->setCurrentText(zvoleny);
        });
        auto* radekAdresare = new QHBoxLayout;
        radekAdresare->addWidget(Popis(i));
        radekAdresare->addWidget(adresar, 1);
        radekAdresare->addWidget(vybrat);
        mrizka->addLayout(radekAdresare, radek, 0, 1, -1);
        return;
    }
    default:
        mrizka->addWidget(Popis(i), radek, sloupec, 1, 2 - sloupec);
        mrizka->addWidget(ovladac, radek, 2);
    }
}

QWidget* DialogNastaveni::Vytvorit(std::size_t i)
{
    const TPoleNastaveni& pole = TabulkaNastaveni[i];
    const TCilOvladace cil = CilOvladace(hodnoty_, stav_, pole);
    QWidget* ovladac = nullptr;
    switch (pole.Druh) {
    case DruhOvladace::Zaskrtavatko: ovladac = Zaskrtavatko(i, *std::get<bool*>(cil)); break;
    case DruhOvladace::Prepinac: ovladac = Prepinac(i, *std::get<bool*>(cil)); break;
    case DruhOvladace::Text: ovladac = Text(i, *std::get<std::string*>(cil)); break;
    case DruhOvladace::Cislo:
        if (const auto cele = std::get_if<std::int32_t*>(&cil))
            ovladac = Cislo(i, **cele);
        else
            ovladac = Cislo(i, *std::get<double*>(cil));
        break;
    case DruhOvladace::Kombo:
    case DruhOvladace::Adresar: ovladac = Kombo(i, *std::get<std::string*>(cil)); break;
    case DruhOvladace::Datum: ovladac = Datum(*std::get<std::string*>(cil)); break;
    case DruhOvladace::Volby: ovladac = Volby(i, *std::get<std::int32_t*>(cil)); break;
    case DruhOvladace::TabulkaSpadu: ovladac = TabulkaSpadu(*std::get<std::vector<TMinimalniSpad>*>(cil)); break;
    case DruhOvladace::Zadny: break;
    }
    ovladac->setObjectName(QString::fromUtf8(pole.Ovladac.data(), static_cast<qsizetype>(pole.Ovladac.size())));
    return ovladac;
}

QCheckBox* DialogNastaveni::Zaskrtavatko(std::size_t i, bool& cil)
{
    auto* pole = new QCheckBox(T(TabulkaNastaveni[i].Popis), this);
    connect(pole, &QCheckBox::clicked, this, [this, i, &cil](bool zaskrtnuto) {
        cil = zaskrtnuto;
        PoKliknuti(i);
    });
    zaskrtnuti_.push_back([pole, &cil] { pole->setChecked(cil); });
    return pole;
}

QRadioButton* DialogNastaveni::Prepinac(std::size_t i, bool& cil)
{
    auto* pole = new QRadioButton(T(TabulkaNastaveni[i].Popis), this);
    connect(pole, &QRadioButton::clicked, this, [this, i] { PoKliknuti(i); });
    zaskrtnuti_.push_back([pole, &cil] { pole->setChecked(cil); });
    return pole;
}

QLineEdit* DialogNastaveni::Text(std::size_t i, std::string& cil)
{
    auto* pole = new QLineEdit(this);
    pole->setMinimumWidth(220);
    if (const int delka = TabulkaNastaveni[i].MaxZnaku)
        pole->setMaxLength(delka);
    Validator1250::Hlidat(pole, zpravy_);
    connect(pole, &QLineEdit::textEdited, this, [&cil](const QString& text) { cil = text.toStdString(); });
    nacitace_.push_back([pole, &cil] { pole->setText(QString::fromStdString(cil)); });
    return pole;
}

QLineEdit* DialogNastaveni::TabulkaSpadu(std::vector<TMinimalniSpad>& cil)
{
    auto* pole = new QLineEdit(this);
    pole->setMinimumWidth(300);
    pole->setPlaceholderText(T("1000/DN ‰ (např. 300:3.33;400:2.5)"));
    // A text that reads as a table is taken as it is typed; one that does not is reported when
    // the field is left and the table in force comes back.
    connect(pole, &QLineEdit::textEdited, this, [&cil](const QString& text) {
        if (const auto tabulka = CistTabulkuSpadu(text.toStdString()))
            cil = *tabulka;
    });
    connect(pole, &QLineEdit::editingFinished, this, [this, pole, &cil] {
        const std::string text = pole->text().toStdString();
        if (CistTabulkuSpadu(text))
            return;
        const std::string platna = TextTabulkySpadu(cil);
        pole->setText(QString::fromStdString(platna));
        zpravy_.Oznamit(DruhZpravy::Chyba, "Minimální spád podle DN: „" + text
                                               + "“ není tabulka ve tvaru DN:spád;DN:spád (např. 300:3.33;400:2.5); platí dál „"
                                               + platna + "“.");
    });
    nacitace_.push_back([pole, &cil] { pole->setText(QString::fromStdString(TextTabulkySpadu(cil))); });
    return pole;
}

template <class Hodnota>
CiselnePole* DialogNastaveni::Cislo(std::size_t i, Hodnota& cil)
{
    const TMeze& meze = TabulkaNastaveni[i].Meze;
    auto* pole = new CiselnePole(meze.Od, meze.Do, meze.Desetin, this);
    pole->setFixedWidth(110);
    connect(pole, &CiselnePole::hodnotaZmenena, this, [&cil](double hodnota) { cil = static_cast<Hodnota>(hodnota); });
    nacitace_.push_back([pole, &cil] { pole->NastavitHodnotu(cil); });
    return pole;
}

QComboBox* DialogNastaveni::Kombo(std::size_t i, std::string& cil)
{
    const TPoleNastaveni& radek = TabulkaNastaveni[i];
    auto* pole = new QComboBox(this);
    pole->setEditable(true);
    pole->setInsertPolicy(QComboBox::NoInsert);
    Validator1250::Hlidat(pole, zpravy_);
    connect(pole, &QComboBox::currentTextChanged, this, [&cil](const QString& text) { cil = text.toStdString(); });
    const bool adresar = radek.Druh == DruhOvladace::Adresar;
    nacitace_.push_back([pole, &cil, adresar] {
        const QString text = QString::fromStdString(cil);
        if (adresar) {
            pole->clear();
            pole->addItems(AdresareNad(text));
        }
        pole->setCurrentText(text);
    });
    if (radek.SeznamOsob) {
        osoby_.push_back(pole);
        pole->installEventFilter(this);
    }
    return pole;
}

PoleData* DialogNastaveni::Datum(std::string& cil)
{
    auto* pole = new PoleData(this);
    connect(pole, &PoleData::datumZmeneno, this, [&cil](const QString& text) { cil = text.toStdString(); });
    nacitace_.push_back([pole, &cil] { pole->Nacist(QString::fromStdString(cil)); });
    return pole;
}

QGroupBox* DialogNastaveni::Volby(std::size_t i, std::int32_t& cil)
{
    const TPoleNastaveni& radek = TabulkaNastaveni[i];
    auto* volby = new QVBoxLayout;
    auto* skupina = new QButtonGroup(this);
    const QStringList texty = T(radek.Popis).split(QLatin1Char('\n'));
    for (int k = 0; k < texty.size(); ++k) {
        auto* volba = new QRadioButton(texty[k]);
        volba->setObjectName(QString::fromUtf8(radek.Ovladac.data(), static_cast<qsizetype>(radek.Ovladac.size()))
                             + QString::number(k));
        skupina->addButton(volba, k);
        volby->addWidget(volba);
    }
    connect(skupina, &QButtonGroup::idClicked, this, [&cil](int id) { cil = id; });
    nacitace_.push_back([skupina, &cil] { skupina->button(cil)->setChecked(true); });
    auto* ramecek = new QGroupBox(this);
    ramecek->setLayout(volby);
    return ramecek;
}

QLabel* DialogNastaveni::Popis(std::size_t i)
{
    const TPoleNastaveni& pole = TabulkaNastaveni[i];
    auto* popis = new QLabel(T(pole.Popis), this);
    if (!pole.NazevPopisu.empty())
        popis->setObjectName(T(pole.NazevPopisu));
    popis->setBuddy(ovladace_[i]);
    popisy_[i] = popis;
    return popis;
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

void DialogNastaveni::PoKliknuti(std::size_t i)
{
    lineon::PoKliknuti(hodnoty_, stav_.Vystupy, i);
    for (const auto& obnovit : zaskrtnuti_)
        obnovit();
    ObnovitPovoleni();
}

void DialogNastaveni::Povolit(std::size_t i, bool povoleno)
{
    ovladace_[i]->setEnabled(povoleno);
    if (popisy_[i])
        popisy_[i]->setEnabled(povoleno);
}

void DialogNastaveni::Ukazat(std::size_t i, bool viditelne)
{
    ovladace_[i]->setVisible(viditelne);
    if (popisy_[i])
        popisy_[i]->setVisible(viditelne);
}

void DialogNastaveni::ObnovitPovoleni()
{
    for (std::size_t i = 0; i < TabulkaNastaveni.size(); ++i)
        if (ovladace_[i])
            Povolit(i, hodnoty_.Povoleno[i]);
}

void DialogNastaveni::PouzitDruhSite(TDruhSite druh)
{
    for (std::size_t i = 0; i < TabulkaNastaveni.size(); ++i)
        if (ovladace_[i] && TabulkaNastaveni[i].Druhy != VsechnyDruhy)
            Ukazat(i, (TabulkaNastaveni[i].Druhy >> (static_cast<int>(druh) - 1)) & 1);
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
        } catch (const std::exception& vyjimka) {
            zpravy_.Oznamit(DruhZpravy::Chyba, ZpravaOVyjimce(vyjimka));
        }
    }
    return QDialog::eventFilter(objekt, udalost);
}

} // namespace lineon::ui
