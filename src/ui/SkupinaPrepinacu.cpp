#include "ui/SkupinaPrepinacu.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

namespace lineon::ui {

SkupinaPrepinacu::SkupinaPrepinacu(const char* nazev, const char* nadpis, std::initializer_list<const char*> volby,
                                   QWidget* rodic)
    : QGroupBox(QString::fromUtf8(nadpis), rodic), tlacitka_(new QButtonGroup(this))
{
    setObjectName(QString::fromUtf8(nazev));
    auto* rozlozeni = new QVBoxLayout(this);
    int i = 0;
    for (const char* text : volby) {
        auto* volba = new QRadioButton(QString::fromUtf8(text));
        volba->setObjectName(objectName() + QString::number(i));
        tlacitka_->addButton(volba, i++);
        rozlozeni->addWidget(volba);
    }
    connect(tlacitka_, &QButtonGroup::idClicked, this, &SkupinaPrepinacu::vybrano);
}

int SkupinaPrepinacu::Vybrana() const
{
    return tlacitka_->checkedId();
}

void SkupinaPrepinacu::Vybrat(int index)
{
    if (QAbstractButton* tlacitko = tlacitka_->button(index))
        tlacitko->setChecked(true);
}

} // namespace lineon::ui
