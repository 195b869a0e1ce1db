#include "ui/Aplikace.h"

#include "data/Soubor.h"
#include "data/SouborNastaveni.h"
#include "ui/DialogBodu.h"
#include "ui/DialogNastaveni.h"
#include "ui/DialogPripojky.h"
#include "ui/HlavniOkno.h"

#include <QAction>
#include <QCoreApplication>

namespace lineon::ui {

Aplikace::Aplikace(IZpravy& zpravy, VolbaSouboru& volbaSouboru, std::string souborNastaveni)
    : zpravy_(zpravy), volbaSouboru_(volbaSouboru), souborNastaveni_(std::move(souborNastaveni)),
      stav_(std::make_unique<TStav>())
{
}

Aplikace::~Aplikace() = default;

void Aplikace::Spustit()
{
    okno_ = std::make_unique<HlavniOkno>(*stav_, zpravy_, volbaSouboru_);
    const std::string oNastaveni = NacistNastaveni();
    okno_->ObnovitTitulek();
    okno_->OznacitJazyk();
    // The other windows, in this order, each reading the settings already loaded.
    dialogBodu_ = new DialogBodu(*stav_, zpravy_, okno_.get());
    dialogNastaveni_ = std::make_unique<DialogNastaveni>(*stav_, zpravy_);
    dialogPripojky_ = new DialogPripojky(*stav_, zpravy_, okno_.get());
    PripojitPrikazy();
    okno_->show();
    okno_->activateWindow();
    if (!oNastaveni.empty())
        zpravy_.Oznamit(DruhZpravy::Varovani, oNastaveni);
}

std::string Aplikace::NacistNastaveni()
{
    if (!soubor::Existuje(souborNastaveni_))
        return {};
    try {
        std::string zprava;
        for (const std::string& radek : lineon::NacistNastaveni(souborNastaveni_, stav_->Nastaveni))
            zprava += (zprava.empty() ? "" : "\n") + radek;
        return zprava;
    } catch (const Chyba& chyba) {
        stav_->Nastaveni = TNastaveni();
        return std::string(chyba.what()) + "\nPlatí výchozí nastavení; při ukončení programu se jimi soubor přepíše.";
    }
}

void Aplikace::PripojitPrikazy()
{
    connect(okno_.get(), &HlavniOkno::otevritBod, dialogBodu_, &DialogBodu::Otevrit);
    connect(okno_.get(), &HlavniOkno::otevritPripojku, dialogPripojky_, &DialogPripojky::Otevrit);
    for (RadkovyDialog* dialog : {static_cast<RadkovyDialog*>(dialogBodu_), static_cast<RadkovyDialog*>(dialogPripojky_)})
        connect(dialog, &RadkovyDialog::ulozeno, okno_.get(), [this] {
            okno_->PrekreslitTabulky();
            okno_->activateWindow();
        });
    connect(okno_->Akce().Nastaveni, &QAction::triggered, dialogNastaveni_.get(),
            qOverload<>(&DialogNastaveni::Zobrazit));
    dialogNastaveni_->PridatZakazaneOkno(okno_.get());
    connect(okno_.get(), &HlavniOkno::druhSitePrepnut, dialogNastaveni_.get(), &DialogNastaveni::PouzitDruhSite);
    connect(okno_.get(), &HlavniOkno::zavreno, this, &Aplikace::Ukoncit);
}

void Aplikace::Ukoncit()
{
    try {
        UlozitNastaveni(souborNastaveni_, stav_->Nastaveni);
    } catch (const Chyba& chyba) {
        zpravy_.Oznamit(DruhZpravy::Chyba, "Nastavení se nepodařilo uložit.\n" + std::string(chyba.what()));
    }
    QCoreApplication::quit();
}

} // namespace lineon::ui
