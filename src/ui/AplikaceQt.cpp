#include "ui/AplikaceQt.h"

#include "zaklad/Chyba.h"

#include <iostream>

namespace lineon::ui {

bool AplikaceQt::notify(QObject* prijemce, QEvent* udalost)
{
    try {
        return QApplication::notify(prijemce, udalost);
    } catch (const std::exception& vyjimka) {
        if (zpravy_)
            zpravy_->Oznamit(DruhZpravy::Chyba, ZpravaOVyjimce(vyjimka));
        else
            std::cerr << "error: " << ZpravaOVyjimce(vyjimka) << '\n';
    }
    return false;
}

} // namespace lineon::ui
