#include "ui/VazaneZaskrtavatko.h"

#include <QCheckBox>

namespace lineon::ui {

QCheckBox* VazaneZaskrtavatko(QWidget* okno, const char* nazev, const char* popis, bool& cil,
                              std::vector<std::function<void()>>& nacitace)
{
    auto* pole = new QCheckBox(QString::fromUtf8(popis), okno);
    pole->setObjectName(QString::fromUtf8(nazev));
    QObject::connect(pole, &QCheckBox::clicked, okno, [&cil](bool zaskrtnuto) { cil = zaskrtnuto; });
    nacitace.push_back([pole, &cil] { pole->setChecked(cil); });
    return pole;
}

} // namespace lineon::ui
