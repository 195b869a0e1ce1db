#include "ui/Aplikace.h"

#include "zaklad/Soubor.h"
#include "data/SouborDoplnku.h"
#include "data/SouborNastaveni.h"
#include "data/UmisteniNastaveni.h"
#include "calc/Vypocet.h"
#include "prikazy/PrikazySouboru.h"
#include "kontrola/KontrolaLinie.h"
#include "ui/DialogBodu.h"
#include "ui/DialogNastaveni.h"
#include "ui/DialogPripojky.h"
#include "ui/DialogRoviny.h"
#include "ui/HlavniOkno.h"
#include "ui/OknoAutomatickehoPrevodu.h"
#include "ui/OknoNahledu.h"
#include "ui/OknoKontroly.h"
#include "ui/OknoPsanehoProfilu.h"
#include "ui/OknoRucnihoPrevodu.h"
#include "ui/OknoSeznamuSouradnic.h"
#include "ui/TabulkaRadku.h"
#include "ui/VedlejsiOkna.h"
#include "ui/VystupyOken.h"

#include <QAction>
#include <QCoreApplication>

namespace lineon::ui {

Aplikace::Aplikace(IZpravy& zpravy, VolbaSouboru& volbaSouboru, std::string souborNastaveni)
    : zpravy_(zpravy), volbaSouboru_(volbaSouboru), souborNastaveni_(std::move(souborNastaveni)),
      souborDoplnku_(SouborDoplnkuBehu(souborNastaveni_)), stav_(std::make_unique<TStav>())
{
}

Aplikace::~Aplikace() = default;

void Aplikace::Spustit()
{
    okno_ = std::make_unique<HlavniOkno>(*stav_, zpravy_, volbaSouboru_);
    const TZprava oNastaveni = NacistNastaveni();
    okno_->ObnovitTitulek();
    okno_->OznacitJazyk();
    okno_->ObnovitNaposledy();
    // The other windows, in this order, each reading the settings already loaded.
    psany_ = std::make_unique<OknoPsanehoProfilu>(*stav_, zpravy_);
    dialogBodu_ = std::make_unique<DialogBodu>(*stav_, zpravy_, *okno_);
    seznam_ = std::make_unique<OknoSeznamuSouradnic>(*stav_, zpravy_, *okno_);
    rucniPrevod_ = std::make_unique<OknoRucnihoPrevodu>(*stav_);
    automatickyPrevod_ = std::make_unique<OknoAutomatickehoPrevodu>(*stav_, zpravy_);
    rovina_ = std::make_unique<DialogRoviny>(*stav_, zpravy_, okno_.get());
    dialogNastaveni_ = std::make_unique<DialogNastaveni>(*stav_, zpravy_);
    nahled_ = std::make_unique<OknoNahledu>(*stav_, zpravy_);
    dialogPripojky_ = std::make_unique<DialogPripojky>(*stav_, zpravy_, *okno_);
    vystupy_ = std::make_unique<VystupyOken>(*stav_, *psany_, *rovina_, *nahled_);
    kontrola_ = std::make_unique<OknoKontroly>();
    PripojitPrikazy();
    PripojitOkna();
    okno_->show();
    okno_->activateWindow();
    if (!oNastaveni.Text.empty())
        zpravy_.Oznamit(oNastaveni.Druh, oNastaveni.Text);
}

TZprava Aplikace::NacistNastaveni()
{
    // One box for all of them: a warning when there is one, else the information.
    TZprava zprava{DruhZpravy::Informace, ""};
    const auto pridat = [&zprava](const TZprava& radek) {
        zprava.Text += (zprava.Text.empty() ? "" : "\n") + radek.Text;
        if (radek.Druh == DruhZpravy::Varovani)
            zprava.Druh = DruhZpravy::Varovani;
    };
    if (soubor::Existuje(souborNastaveni_)) {
        try {
            for (const TZprava& radek : lineon::NacistNastaveni(souborNastaveni_, stav_->Nastaveni))
                pridat(radek);
        } catch (const std::exception& vyjimka) {
            stav_->Nastaveni = TNastaveni();
            pridat({DruhZpravy::Varovani, ZpravaOVyjimce(vyjimka)
                                              + "\nPlatí výchozí nastavení; při ukončení programu se jimi soubor přepíše."});
        }
    }
    if (soubor::Existuje(souborDoplnku_)) {
        try {
            for (const TZprava& radek : NacistDoplnky(souborDoplnku_, stav_->Doplnky))
                pridat(radek);
        } catch (const std::exception& vyjimka) {
            // The file is read again before it is written, so it stays as it is.
            stav_->Doplnky = TDoplnky();
            pridat({DruhZpravy::Varovani, ZpravaOVyjimce(vyjimka) + "\nPlatí výchozí hodnoty."});
        }
    }
    return zprava;
}

void Aplikace::PripojitPrikazy()
{
    connect(okno_.get(), &HlavniOkno::otevritBod, dialogBodu_.get(), &DialogBodu::Otevrit);
    connect(okno_.get(), &HlavniOkno::otevritPripojku, dialogPripojky_.get(), &DialogPripojky::Otevrit);
    connect(okno_->Akce().Nastaveni, &QAction::triggered, dialogNastaveni_.get(),
            qOverload<>(&DialogNastaveni::Zobrazit));
    dialogNastaveni_->PridatZakazaneOkno(okno_.get());
    connect(okno_.get(), &HlavniOkno::druhSitePrepnut, dialogNastaveni_.get(), &DialogNastaveni::PouzitDruhSite);
    connect(okno_.get(), &HlavniOkno::zavreno, this, &Aplikace::Ukoncit);
    connect(okno_->Akce().Vypocet, &QAction::triggered, this, &Aplikace::Vypocet);
    connect(okno_->Akce().Import, &QAction::triggered, this,
            [this] { Importovat([this] { seznam_->Importovat(volbaSouboru_); }); });
    connect(okno_.get(), &HlavniOkno::otevritSoubor, this, &Aplikace::OtevritZvenku);
}

void Aplikace::Importovat(const std::function<void()>& import)
{
    import();
    psany_->SledovatRadky(ZmenaRadku::Hodnoty);
}

void Aplikace::OtevritZvenku(const std::string& cesta)
{
    switch (DruhSouboruPodleNazvu(cesta)) {
    case DruhSouboru::Tabulka: okno_->OtevritSoubor(cesta, FormatProjektu::Tabulka); return;
    case DruhSouboru::Radky: okno_->OtevritSoubor(cesta, FormatProjektu::Radky); return;
    case DruhSouboru::Zamereni: Importovat([this, &cesta] { seznam_->ImportovatSoubor(cesta); }); return;
    case DruhSouboru::Jiny: zpravy_.Oznamit(DruhZpravy::Chyba, TextCizihoSouboru(cesta)); return;
    }
}

void Aplikace::PripojitOkna()
{
    vedlejsi_ = new VedlejsiOkna(*okno_);
    for (QWidget* okno : {static_cast<QWidget*>(seznam_.get()), static_cast<QWidget*>(rucniPrevod_.get()),
                          static_cast<QWidget*>(automatickyPrevod_.get()), static_cast<QWidget*>(rovina_.get()),
                          static_cast<QWidget*>(dialogNastaveni_.get()), static_cast<QWidget*>(nahled_.get()),
                          static_cast<QWidget*>(psany_.get()), static_cast<QWidget*>(kontrola_.get())})
        vedlejsi_->PridatVedle(*okno);
    vedlejsi_->PridatNad(*dialogBodu_);
    vedlejsi_->PridatNad(*dialogPripojky_);
    // The written profile shows what the last calculation computed for each point row: rows put
    // in other places take it away.
    connect(okno_.get(), &HlavniOkno::tabulkyPrekresleny, psany_.get(), &OknoPsanehoProfilu::SledovatRadky);
    connect(kontrola_.get(), &OknoKontroly::ukazatRadek, this, [this](bool pripojka, int radek) {
        TabulkaRadku& tabulka = pripojka ? okno_->TabulkaPripojek() : okno_->TabulkaBodu();
        tabulka.NastavitKurzor(radek, 0);
        okno_->activateWindow();
        tabulka.setFocus();
    });

    for (QWidget* okno : {static_cast<QWidget*>(seznam_.get()), static_cast<QWidget*>(rucniPrevod_.get()),
                          static_cast<QWidget*>(automatickyPrevod_.get())})
        dialogNastaveni_->PridatZakazaneOkno(okno);
    connect(okno_.get(), &HlavniOkno::druhSitePrepnut, rovina_.get(), &DialogRoviny::PouzitDruhSite);
    connect(okno_.get(), &HlavniOkno::druhSitePrepnut, rucniPrevod_.get(), &OknoRucnihoPrevodu::PouzitDruhSite);
    connect(okno_.get(), &HlavniOkno::druhSitePrepnut, automatickyPrevod_.get(),
            &OknoAutomatickehoPrevodu::PouzitDruhSite);

    const auto zobrazit = [](QWidget* okno) {
        okno->show();
        okno->raise();
        okno->activateWindow();
    };
    connect(seznam_.get(), &OknoSeznamuSouradnic::zobrazitRucniPrevod, this, [this, zobrazit] { zobrazit(rucniPrevod_.get()); });
    connect(seznam_.get(), &OknoSeznamuSouradnic::zobrazitAutomatickyPrevod, this,
            [this, zobrazit] { zobrazit(automatickyPrevod_.get()); });
    connect(seznam_.get(), &OknoSeznamuSouradnic::aktivovano, automatickyPrevod_.get(), &OknoAutomatickehoPrevodu::Nacist);
    connect(seznam_.get(), &OknoSeznamuSouradnic::zavreno, this, [this] {
        rucniPrevod_->close();
        automatickyPrevod_->close();
    });
    // "Označení šachty" is one setting shown in both conversion windows.
    connect(rucniPrevod_.get(), &OknoRucnihoPrevodu::zpusobOznaceniZmenen, automatickyPrevod_.get(),
            &OknoAutomatickehoPrevodu::Nacist);
    connect(automatickyPrevod_.get(), &OknoAutomatickehoPrevodu::zpusobOznaceniZmenen, rucniPrevod_.get(),
            &OknoRucnihoPrevodu::Nacist);
}

void Aplikace::Vypocet()
{
    okno_->PotvrditDno();
    bool spocteno = false;
    // The calculation rounds levels and moves connections onto the line: a step of its own.
    okno_->Provest("Výpočet", [this, &spocteno] {
        vystupy_->ZacitVypocet();
        try {
            spocteno = lineon::Vypocet(*stav_, zpravy_, *vystupy_);
        } catch (const std::exception& vyjimka) {
            zpravy_.Oznamit(DruhZpravy::Chyba, ZpravaOVyjimce(vyjimka));
        }
        vystupy_->DokoncitVypocet();
    });
    if (!spocteno)
        return;
    const std::vector<TNalez> nalezy = ZkontrolovatLinii(*stav_, stav_->Doplnky.Kontrola);
    nahled_->Oznacit(nalezy);
    kontrola_->Ukazat(nalezy);
}

void Aplikace::Ukoncit()
{
    try {
        UlozitNastaveni(souborNastaveni_, stav_->Nastaveni);
        UlozitDoplnky(souborDoplnku_, stav_->Doplnky);
    } catch (const std::exception& vyjimka) {
        zpravy_.Oznamit(DruhZpravy::Chyba, "Nastavení se nepodařilo uložit.\n" + ZpravaOVyjimce(vyjimka));
    }
    QCoreApplication::quit();
}

} // namespace lineon::ui
