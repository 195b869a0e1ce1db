#include "zaklad/ZpravyNaVystup.h"
#include "data/UmisteniNastaveni.h"
#include "ui/Aplikace.h"
#include "ui/HlavniOkno.h"
#include "ui/Snimky.h"
#include "ui/VolbaSouboruDialogem.h"
#include "ui/ZpravyOknem.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

#include <iostream>

int main(int argc, char** argv)
{
    QApplication aplikace(argc, argv);
    // The platform's own dialogs and buttons speak Czech as the rest of the program does.
    QTranslator preklad;
    if (preklad.load(QStringLiteral("qtbase_cs"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&preklad);

    // Pictures of the windows are taken unattended: the messages go to the error output then, as
    // the batch program writes them, instead of boxes that would wait for an answer.
    const QByteArray snimky = qgetenv("LINEON_SNIMKY");
    lineon::ui::ZpravyOknem zpravyOknem;
    lineon::ZpravyNaVystup zpravyNaVystup(std::cerr);
    lineon::IZpravy& zpravy = snimky.isEmpty() ? static_cast<lineon::IZpravy&>(zpravyOknem) : zpravyNaVystup;
    lineon::ui::VolbaSouboruDialogem volbaSouboru;
    const std::string souborNastaveni = lineon::SouborNastaveniBehu(
        QDir::currentPath().toStdString() + "/", QCoreApplication::applicationDirPath().toStdString() + "/");
    lineon::ui::Aplikace program(zpravy, volbaSouboru, souborNastaveni);
    program.Spustit();
    zpravyOknem.NastavitOkno(&program.Okno());
    if (!snimky.isEmpty()) {
        lineon::ui::PoriditSnimky(program, snimky.toStdString() + "/", qgetenv("LINEON_SNIMKY_PROJEKT").toStdString(),
                                  qgetenv("LINEON_SNIMKY_ZAMERENI").toStdString());
        return 0;
    }
    return aplikace.exec();
}
