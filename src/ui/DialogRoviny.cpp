#include "ui/DialogRoviny.h"

#include "zaklad/Chyba.h"
#include "ui/CiselnePole.h"
#include "ui/Text.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace lineon::ui {

namespace {

QLabel* Popis(const char* text, QWidget* pole)
{
    auto* popis = new QLabel(T(text));
    popis->setBuddy(pole);
    popis->setWordWrap(true);
    return popis;
}

} // namespace

DialogRoviny::DialogRoviny(TStav& stav, IZpravy& zpravy, QWidget* hlavniOkno)
    : QDialog(nullptr, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      stav_(stav), zpravy_(zpravy), hlavniOkno_(hlavniOkno),
      srovField_(new CiselnePole(InformaceORovine::NejnizsiRovina, InformaceORovine::NejvyssiRovina, 0)),
      label2_(new QLabel), poscombo_(new QListWidget),
      posSRField_(new CiselnePole(-InformaceORovine::NejvetsiPosun, InformaceORovine::NejvetsiPosun, 0)),
      okButton_(new QPushButton(QStringLiteral("OK")))
{
    setWindowTitle(T("Informace o srovnávací rovině"));
    srovField_->setObjectName(QStringLiteral("srovField"));
    srovField_->setMaxLength(6);
    srovField_->setFixedWidth(80);
    label2_->setObjectName(QStringLiteral("Label2"));
    label2_->setBuddy(poscombo_);
    poscombo_->setObjectName(QStringLiteral("poscombo"));
    poscombo_->setMinimumHeight(140);
    posSRField_->setObjectName(QStringLiteral("posSRField"));
    posSRField_->setMaxLength(4);
    posSRField_->setFixedWidth(80);
    okButton_->setObjectName(QStringLiteral("OKButton"));
    okButton_->setDefault(true);
    connect(okButton_, &QPushButton::clicked, this, &DialogRoviny::Potvrdit);

    auto* rovina = new QGridLayout;
    rovina->addWidget(Popis("Výška srovnávací roviny (m)", srovField_), 0, 0);
    rovina->addWidget(srovField_, 0, 1, Qt::AlignTop);
    rovina->setColumnStretch(0, 1);
    auto* posun = new QGridLayout;
    posun->addWidget(
        Popis("Velikost případného  posunu srovnávací roviny pro odpovídající výškové měřítko (m)", posSRField_), 0, 0);
    posun->addWidget(posSRField_, 0, 1, Qt::AlignTop);
    posun->setColumnStretch(0, 1);
    auto* tlacitka = new QHBoxLayout;
    tlacitka->addStretch();
    tlacitka->addWidget(okButton_);

    auto* rozlozeni = new QVBoxLayout(this);
    rozlozeni->addLayout(rovina);
    rozlozeni->addWidget(label2_);
    rozlozeni->addWidget(poscombo_);
    rozlozeni->addLayout(posun);
    rozlozeni->addLayout(tlacitka);
    PouzitDruhSite(TDruhSite::Kanalizace);
    setFixedWidth(400);
}

void DialogRoviny::PouzitDruhSite(TDruhSite druh)
{
    label2_->setText(T(druh == TDruhSite::Kanalizace ? "Posun srovnávací roviny u šachty" : "Posun srovnávací roviny u bodu"));
}

void DialogRoviny::Naplnit(INahledProfilu& nahled)
{
    nahled_ = &nahled;
    informace_.Naplnit(stav_);
    srovField_->NastavitHodnotu(informace_.srovField);
    posSRField_->NastavitHodnotu(informace_.posSRField);
    poscombo_->clear();
    for (const TBodPosunu& bod : informace_.poscombo) {
        auto* polozka = new QListWidgetItem(QString::fromStdString(bod.Oznaceni), poscombo_);
        polozka->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        polozka->setCheckState(bod.Zaskrtnut ? Qt::Checked : Qt::Unchecked);
    }
    show();
    raise();
    activateWindow();
    hlavniOkno_->setEnabled(false);
}

void DialogRoviny::Potvrdit()
{
    informace_.srovField = srovField_->CelaHodnota();
    informace_.posSRField = posSRField_->CelaHodnota();
    for (int i = 0; i < poscombo_->count(); ++i)
        informace_.poscombo[static_cast<std::size_t>(i)].Zaskrtnut = poscombo_->item(i)->checkState() == Qt::Checked;
    try {
        informace_.Potvrdit(stav_, *nahled_);
    } catch (const std::exception& vyjimka) {
        if (!informace_.Otevren())
            Skryt();
        zpravy_.Oznamit(DruhZpravy::Chyba, ZpravaOVyjimce(vyjimka));
        return;
    }
    Skryt();
}

void DialogRoviny::reject()
{
    informace_.Zavrit();
    Skryt();
}

void DialogRoviny::Skryt()
{
    poscombo_->clear();
    hlavniOkno_->setEnabled(true);
    QDialog::reject();
}

} // namespace lineon::ui
