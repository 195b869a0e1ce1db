#include "ui/HlavniOkno.h"

#include "data/Titulek.h"

namespace lineon::ui {

HlavniOkno::HlavniOkno(TStav& stav, QWidget* rodic) : QMainWindow(rodic), stav_(stav)
{
    ObnovitTitulek();
}

void HlavniOkno::ObnovitTitulek()
{
    setWindowTitle(QString::fromStdString(lineon::ObnovitTitulek(stav_)));
}

} // namespace lineon::ui
