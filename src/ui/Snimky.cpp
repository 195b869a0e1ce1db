#include "ui/Snimky.h"

#include "data/ProjektovySoubor.h"
#include "ui/Aplikace.h"
#include "ui/DialogBodu.h"
#include "ui/DialogNastaveni.h"
#include "ui/DialogPripojky.h"
#include "ui/HlavniOkno.h"
#include "ui/TabulkaRadku.h"

#include <QApplication>
#include <QTabWidget>
#include <QThread>

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

} // namespace

void PoriditSnimky(Aplikace& program, const std::string& adresar, const std::string& projekt)
{
    HlavniOkno& okno = program.Okno();
    OtevritProjekt(program.Stav(), projekt, FormatPodleNazvu(projekt));
    okno.ObnovitTitulek();
    okno.PrekreslitTabulky();
    okno.TabulkaBodu().NastavitKurzor(1, 1);
    const char* druhy[] = {"kanalizace", "vodovod", "osa-komunikace"};
    for (int k = 3; k >= 1; --k) {
        okno.PrepnoutDruhSite(k);
        Ulozit(okno, adresar + "hlavni-okno-" + druhy[k - 1] + ".png");
    }

    DialogNastaveni& nastaveni = program.Nastaveni();
    nastaveni.Zobrazit();
    const char* stranky[] = {"vystupy", "situace", "podelny-profil", "srovnavaci-rovina", "umisteni", "obsah-kresby"};
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
}

} // namespace lineon::ui
