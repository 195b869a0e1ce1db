#include "data/UmisteniNastaveni.h"
#include "ui/Aplikace.h"
#include "ui/HlavniOkno.h"
#include "ui/Snimky.h"
#include "ui/VolbaSouboruDialogem.h"
#include "ui/ZpravyBezOken.h"
#include "ui/ZpravyOknem.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char** argv)
{
    QApplication aplikace(argc, argv);
    // The platform's own dialogs and buttons speak Czech as the rest of the program does.
    QTranslator preklad;
    if (preklad.load(QStringLiteral("qtbase_cs"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&preklad);

    // Pictures of the windows are taken unattended: no message box may wait for an answer then.
    const QByteArray snimky = qgetenv("LINEON_SNIMKY");
    lineon::ui::ZpravyOknem zpravyOknem;
    lineon::ui::ZpravyBezOken zpravyBezOken;
    lineon::IZpravy& zpravy = snimky.isEmpty() ? static_cast<lineon::IZpravy&>(zpravyOknem) : zpravyBezOken;
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
