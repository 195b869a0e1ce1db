#include "data/Stav.h"
#include "ui/HlavniOkno.h"

#include <QApplication>

#include <memory>

int main(int argc, char** argv)
{
    QApplication aplikace(argc, argv);
    auto stav = std::make_unique<lineon::TStav>();
    lineon::ui::HlavniOkno okno(*stav);
    okno.show();
    return aplikace.exec();
}
