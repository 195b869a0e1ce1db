#include "ui/Rozlozeni.h"

#include <QBoxLayout>
#include <QWidget>

namespace lineon::ui {

void PridatDoRozlozeni(QBoxLayout* rozlozeni, std::initializer_list<QObject*> obsah)
{
    for (QObject* cast : obsah) {
        if (auto* vnoreny = qobject_cast<QLayout*>(cast))
            rozlozeni->addLayout(vnoreny);
        else
            rozlozeni->addWidget(static_cast<QWidget*>(cast));
    }
}

} // namespace lineon::ui
