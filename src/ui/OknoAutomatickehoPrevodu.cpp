#include "ui/OknoAutomatickehoPrevodu.h"

#include "ui/SkupinaPrepinacu.h"
#include "ui/Text.h"
#include "ui/Validator1250.h"
#include "ui/VazaneZaskrtavatko.h"

#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace lineon::ui {

namespace {

// The grid of the window in pixels.
constexpr int Okraj = 8;
constexpr int Roztec = 25;
constexpr int VyskaPole = 22;
constexpr int SirkaPole = 56;
constexpr int Mezera = 16;

/// Window height and the top of "Označení šachty" for the kinds 1..3: the label mode stands under
/// the last field that the kind shows.
constexpr int Vysky[] = {333, 200, 190};
constexpr int HorniOkrajOznaceni[] = {176, 85, 65};

int NejsirsiText(const QFontMetrics& metriky, std::initializer_list<const char*> texty)
{
    int sirka = 0;
    for (const char* text : texty)
        sirka = std::max(sirka, metriky.horizontalAdvance(T(text)));
    return sirka + 8;
}

} // namespace

OknoAutomatickehoPrevodu::OknoAutomatickehoPrevodu(TStav& stav, IZpravy& zpravy)
    : QWidget(nullptr, Qt::Tool), stav_(stav), zpravy_(zpravy),
      oznaceni_(new SkupinaPrepinacu("RadioGroup2", "Označení šachty",
                                     {"převzít číslo bodu", "převzít index z kódu", "nepřebírat"}, this))
{
    setWindowTitle(T("Automatický převod"));
    const QFontMetrics metriky = fontMetrics();

    // Manholes, in the order in which a kind drops them from the bottom.
    const int x0 = Okraj;
    const int sirkaVlevo = NejsirsiText(metriky, {"[index] --> X, Y", "[index] --> Z poklopu", "[index] --> Z terénu",
                                                  "[index] --> Z dna", "[index] --> Z potrubí", "[index] --> Z vtoku",
                                                  "[index] --> Z odtoku", "Označení šachty"});
    Pole(PoleOvladace("AsField"), "[index] --> X, Y", x0, sirkaVlevo, 0)->setObjectName(QStringLiteral("Label2"));
    zPoklopu_ = Pole(PoleOvladace("ApField"), "[index] --> Z poklopu", x0, sirkaVlevo, 1);
    zPoklopu_->setObjectName(QStringLiteral("Label1"));
    zDna_ = Pole(PoleOvladace("AdField"), "[index] --> Z dna", x0, sirkaVlevo, 2);
    zDna_->setObjectName(QStringLiteral("Label3"));
    QLabel* vtok = Pole(PoleOvladace("AvField"), "[index] --> Z vtoku", x0, sirkaVlevo, 3);
    vtok->setObjectName(QStringLiteral("Label4"));
    QLabel* odtok = Pole(PoleOvladace("AoField"), "[index] --> Z odtoku", x0, sirkaVlevo, 4);
    odtok->setObjectName(QStringLiteral("Label5"));
    QLabel* oznaceni = Pole(PoleOvladace("AcField"), "Označení šachty", x0, sirkaVlevo, 5);
    oznaceni->setObjectName(QStringLiteral("Label6"));
    const int xBoxu = x0 + sirkaVlevo + SirkaPole + Okraj;
    TAutomatickyPrevod& v = stav_.AutomatickyPrevod;
    QCheckBox* doVtoku = Zaskrtavatko("AvBox", "Z dna --> Z vtoku", v.AvBox, xBoxu, 3);
    QCheckBox* doOdtoku = Zaskrtavatko("AoBox", "Z dna --> Z odtoku", v.AoBox, xBoxu, 4);
    jenKanalizace_ = {vtok, vtok->buddy(), odtok, odtok->buddy(), oznaceni, oznaceni->buddy(), doVtoku, doOdtoku};
    const int sirkaBoxu = NejsirsiText(metriky, {"Z dna --> Z vtoku", "Z dna --> Z odtoku"}) + 24;
    const int sirkaOznaceni = std::max(xBoxu + sirkaBoxu - x0, oznaceni_->sizeHint().width());
    oznaceni_->resize(sirkaOznaceni, oznaceni_->sizeHint().height());

    // Crossings, then connections and house manholes.
    const int x1 = x0 + sirkaOznaceni + Mezera;
    const int sirkaKrizeni = NejsirsiText(metriky, {"Křížení - 1"});
    const std::pair<const TPoleNastaveni*, const char*> krizeni[] = {
        {&PoleOvladace("AprField1"), "Křížení - 1"}, {&PoleOvladace("AprField2"), "Křížení - 2"},
        {&PoleOvladace("AprField3"), "Křížení - 3"}, {&PoleOvladace("AprField4"), "Křížení - 4"},
        {&PoleOvladace("AprField5"), "Křížení - 5"}};
    for (int i = 0; i < 5; ++i)
        Pole(*krizeni[i].first, krizeni[i].second, x1, sirkaKrizeni, i);
    const int x2 = x1 + sirkaKrizeni + SirkaPole + Mezera;
    const std::pair<const TPoleNastaveni*, const char*> pripojky[] = {
        {&PoleOvladace("AprField6"), "[index] --> X, Y přípojky"},
        {&PoleOvladace("AprField7"), "[index] --> X, Y domovní šachty"},
        {&PoleOvladace("AprField8"), "[index] --> Z poklopu d. š."},
        {&PoleOvladace("AprField9"), "[index] --> Z dna d. š."},
        {&PoleOvladace("AprField10"), "Označení domovní šachty"},
        {&PoleOvladace("AprField11"), "Označení přípojky"}};
    int sirkaPripojek = 0;
    for (const auto& pripojka : pripojky)
        sirkaPripojek = std::max(sirkaPripojek, NejsirsiText(metriky, {pripojka.second}));
    for (int i = 0; i < 6; ++i)
        Pole(*pripojky[i].first, pripojky[i].second, x2, sirkaPripojek, i);
    sirka_ = x2 + sirkaPripojek + SirkaPole + Okraj;

    connect(oznaceni_, &SkupinaPrepinacu::vybrano, this, [this](int i) {
        stav_.Nastaveni.ZpusobOznaceni = i;
        emit zpusobOznaceniZmenen();
    });
    Nacist();
    PouzitDruhSite(TDruhSite::Kanalizace);
}

QLabel* OknoAutomatickehoPrevodu::Pole(const TPoleNastaveni& nastaveni, const char* popis, int x, int sirkaPopisu,
                                       int radek)
{
    std::string& cil = stav_.Nastaveni.*std::get<std::string TNastaveni::*>(nastaveni.Clen);
    const int y = Okraj + radek * Roztec;

    auto* pole = new QLineEdit(this);
    pole->setObjectName(T(nastaveni.Ovladac));
    pole->setMaxLength(nastaveni.MaxZnaku);
    pole->setGeometry(x + sirkaPopisu, y, SirkaPole, VyskaPole);
    Validator1250::Hlidat(pole, zpravy_);
    connect(pole, &QLineEdit::textEdited, this, [&cil](const QString& text) { cil = text.toStdString(); });
    nacitace_.push_back([pole, &cil] {
        // Only a changed text is set, so that coming back to the window keeps the cursor where it was.
        if (const QString text = QString::fromStdString(cil); pole->text() != text)
            pole->setText(text);
    });

    auto* text = new QLabel(T(popis), this);
    text->setBuddy(pole);
    text->setGeometry(x, y, sirkaPopisu, VyskaPole);
    return text;
}

QCheckBox* OknoAutomatickehoPrevodu::Zaskrtavatko(const char* nazev, const char* popis, bool& cil, int x, int radek)
{
    QCheckBox* pole = VazaneZaskrtavatko(this, nazev, popis, cil, nacitace_);
    pole->setGeometry(x, Okraj + radek * Roztec, pole->sizeHint().width(), VyskaPole);
    return pole;
}

void OknoAutomatickehoPrevodu::Nacist()
{
    for (const auto& nacist : nacitace_)
        nacist();
    oznaceni_->Vybrat(stav_.Nastaveni.ZpusobOznaceni);
}

void OknoAutomatickehoPrevodu::PouzitDruhSite(TDruhSite druh)
{
    const auto k = static_cast<std::size_t>(druh) - 1;
    zDna_->setVisible(druh != TDruhSite::OsaKomunikace);
    zDna_->buddy()->setVisible(druh != TDruhSite::OsaKomunikace);
    for (QWidget* ovladac : jenKanalizace_)
        ovladac->setVisible(druh == TDruhSite::Kanalizace);
    zPoklopu_->setText(T(druh == TDruhSite::Kanalizace ? "[index] --> Z poklopu" : "[index] --> Z terénu"));
    if (druh != TDruhSite::OsaKomunikace)
        zDna_->setText(T(druh == TDruhSite::Kanalizace ? "[index] --> Z dna" : "[index] --> Z potrubí"));
    oznaceni_->setTitle(T(druh == TDruhSite::Kanalizace ? "Označení šachty" : "Označení bodu"));
    oznaceni_->move(Okraj, HorniOkrajOznaceni[k]);
    setFixedSize(sirka_, Vysky[k]);
}

void OknoAutomatickehoPrevodu::changeEvent(QEvent* udalost)
{
    QWidget::changeEvent(udalost);
    if (udalost->type() == QEvent::ActivationChange && isActiveWindow())
        Nacist();
}

} // namespace lineon::ui
