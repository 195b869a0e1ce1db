#include "data/UmisteniNastaveni.h"
#include "ui/Aplikace.h"
#include "ui/AplikaceQt.h"
#include "ui/HlavniOkno.h"
#include "ui/VolbaSouboruDialogem.h"
#include "ui/ZpravyOknem.h"

#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstdlib>

int main(int argc, char** argv)
{
    lineon::ui::AplikaceQt aplikace(argc, argv);
    // The platform's own dialogs and buttons speak Czech as the rest of the program does.
    QTranslator preklad;
    if (preklad.load(QStringLiteral("qtbase_cs"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&preklad);

    lineon::ui::ZpravyOknem zpravy;
    lineon::ui::VolbaSouboruDialogem volbaSouboru;
    const std::string adresarProgramu = QCoreApplication::applicationDirPath().toStdString() + "/";
    const std::string souborNastaveni = lineon::SouborNastaveniBehu(
        QDir::currentPath().toStdString() + "/", adresarProgramu, lineon::LzeZapisovat(adresarProgramu),
        lineon::AdresarKonfigurace(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME")));
    lineon::VytvoritAdresarNastaveni(souborNastaveni);
    lineon::ui::Aplikace program(zpravy, volbaSouboru, souborNastaveni);
    program.Spustit();
    zpravy.NastavitOkno(&program.Okno());
    aplikace.NastavitZpravy(&zpravy);
    // "lineon FILE", as the desktop starts it for a project or survey file.
    if (const QStringList argumenty = QCoreApplication::arguments(); argumenty.size() > 1)
        program.OtevritZvenku(QFileInfo(argumenty.at(1)).absoluteFilePath().toStdString());
    return aplikace.exec();
}
