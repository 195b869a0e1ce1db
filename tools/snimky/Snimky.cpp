// lineon-snimky DIRECTORY PROJECT SURVEY: pictures of the desktop program's windows for the
// documentation. Opens the project, then saves PNG files of the main window in each network kind,
// of every page of the outputs dialog, of both row dialogs, of the comparison-plane dialog, the
// preview with the findings of the checks marked and the list "Kontrola linie" and the written
// profile in both languages after "Výpočet", and of the coordinate list of the survey with both
// conversion windows in each network kind into the directory. tools/screenshots runs it under Xvfb.
#include "zaklad/ZpravyNaVystup.h"
#include "data/ImportZamereni.h"
#include "data/ProjektovySoubor.h"
#include "ui/Aplikace.h"
#include "ui/DialogBodu.h"
#include "ui/DialogNastaveni.h"
#include "ui/DialogPripojky.h"
#include "ui/DialogRoviny.h"
#include "ui/HlavniOkno.h"
#include "ui/OknoAutomatickehoPrevodu.h"
#include "ui/OknoKontroly.h"
#include "ui/OknoNahledu.h"
#include "ui/OknoPsanehoProfilu.h"
#include "ui/OknoRucnihoPrevodu.h"
#include "ui/OknoSeznamuSouradnic.h"
#include "ui/TabulkaRadku.h"
#include "ui/VolbaSouboruDialogem.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QThread>

#include <iostream>

namespace lineon::ui {

namespace {

void Ulozit(QWidget& okno, const std::string& soubor)
{
    // Let the window system lay the window out and paint it first.
    for (int i = 0; i < 10; ++i) {
        QApplication::processEvents();
        QThread::msleep(20);
    }
    okno.grab().save(QString::fromStdString(soubor));
}

const char* const Druhy[] = {"kanalizace", "vodovod", "osa-komunikace"};

/// "Výpočet" of the open project: the plane dialog, the preview after its OK, and the written
/// profile in both languages. The files go to the working directory.
void SnimkyVypoctu(Aplikace& program, const std::string& adresar)
{
    TStav& stav = program.Stav();
    stav.Nastaveni.AdresarProjektu = QDir::currentPath().toStdString() + "/";
    stav.Vystupy.psanobrcheck = true;
    program.Okno().PrepnoutDruhSite(TDruhSite::Kanalizace);
    program.Vypocet();
    Ulozit(program.Rovina(), adresar + "dialog-roviny.png");
    program.Rovina().OKButton()->click();
    program.Nahled().resize(1000, program.Nahled().height());
    Ulozit(program.Nahled(), adresar + "nahled-profilu.png");
    Ulozit(program.Kontrola(), adresar + "kontrola-linie.png");
    program.Kontrola().close();
    program.Nahled().close();
    Ulozit(program.Psany(), adresar + "psany-profil-cz.png");
    program.Okno().PrepnoutJazyk("SK");
    program.Vypocet();
    program.Rovina().reject();
    Ulozit(program.Psany(), adresar + "psany-profil-sk.png");
    program.Psany().close();
    program.Okno().PrepnoutJazyk("CZ");
}

/// The coordinate list of the example survey and both conversion windows in each network kind.
void SnimkyPrevodu(Aplikace& program, const std::string& adresar, const std::string& zamereni)
{
    TStav& stav = program.Stav();
    const std::string adresarProjektu = stav.Nastaveni.AdresarProjektu;
    Importovat(stav, zamereni, TypZamereni::Textovy, program.Zpravy());
    stav.Nastaveni.AdresarProjektu = adresarProjektu;
    OknoSeznamuSouradnic& seznam = program.Seznam();
    seznam.NaplnitSeznam();
    seznam.show();
    seznam.Seznam().setCurrentRow(2);
    Ulozit(seznam, adresar + "seznam-souradnic.png");
    seznam.RucniPrevodDat()->trigger();
    seznam.AutomatickyPrevodDat()->trigger();
    for (int k = 1; k <= 3; ++k) {
        program.Okno().PrepnoutDruhSite(static_cast<TDruhSite>(k));
        Ulozit(program.RucniPrevod(), adresar + "rucni-prevod-" + Druhy[k - 1] + ".png");
        Ulozit(program.AutomatickyPrevod(), adresar + "automaticky-prevod-" + Druhy[k - 1] + ".png");
    }
    seznam.close();
}

void PoriditSnimky(Aplikace& program, const std::string& adresar, const std::string& projekt,
                   const std::string& zamereni)
{
    HlavniOkno& okno = program.Okno();
    OtevritProjekt(program.Stav(), projekt, FormatPodleNazvu(projekt), program.Zpravy());
    okno.ObnovitTitulek();
    okno.PrekreslitTabulky();
    okno.TabulkaBodu().NastavitKurzor(1, 1);
    for (int k = 3; k >= 1; --k) {
        okno.PrepnoutDruhSite(static_cast<TDruhSite>(k));
        Ulozit(okno, adresar + "hlavni-okno-" + Druhy[k - 1] + ".png");
    }

    DialogNastaveni& nastaveni = program.Nastaveni();
    nastaveni.Zobrazit();
    const char* stranky[] = {"vystupy",  "situace",      "podelny-profil", "srovnavaci-rovina",
                             "umisteni", "obsah-kresby", "kontrola"};
    static_assert(std::size(stranky) == NazvyStranek.size());
    for (int i = 0; i < nastaveni.Stranky().count(); ++i) {
        nastaveni.Stranky().setCurrentIndex(i);
        Ulozit(nastaveni, adresar + "nastaveni-" + std::to_string(i + 1) + "-" + stranky[i] + ".png");
    }
    nastaveni.close();

    program.Bod().Otevrit(2, 1);
    Ulozit(program.Bod(), adresar + "dialog-bodu.png");
    program.Bod().reject();
    program.Pripojka().Otevrit(1, 1);
    Ulozit(program.Pripojka(), adresar + "dialog-pripojky.png");
    program.Pripojka().reject();

    SnimkyVypoctu(program, adresar);
    SnimkyPrevodu(program, adresar, zamereni);
}

} // namespace

} // namespace lineon::ui

int main(int argc, char** argv)
{
    QApplication aplikace(argc, argv);
    if (argc != 4) {
        std::cerr << "lineon-snimky DIRECTORY PROJECT SURVEY\n";
        return 2;
    }
    // Unattended: the messages go to the error output, as the batch program writes them.
    lineon::ZpravyNaVystup zpravy(std::cerr);
    lineon::ui::VolbaSouboruDialogem volbaSouboru;
    lineon::ui::Aplikace program(zpravy, volbaSouboru, QDir::currentPath().toStdString() + "/$nastav");
    program.Spustit();
    lineon::ui::PoriditSnimky(program, std::string(argv[1]) + "/", argv[2], argv[3]);
    return 0;
}
