#pragma once

class QAction;

namespace lineon::ui {

/// The commands of the main window's menus and context menus. The context items share the
/// actions of their main-menu twins, so that enabling one enables both.
struct AkceHlavnihoOkna {
    // "Soubor"
    QAction* Novy = nullptr;
    QAction* Otevrit = nullptr;
    QAction* Naposledy = nullptr; ///< the submenu "Naposledy otevřené"
    QAction* Ulozit = nullptr;
    QAction* UlozitJako = nullptr;
    QAction* Import = nullptr;
    QAction* Konec = nullptr;
    // "Úpravy"
    QAction* Zpet = nullptr;
    QAction* Znovu = nullptr;
    QAction* SeraditPodleZDna = nullptr;
    QAction* VlozitRadekPred = nullptr;
    QAction* VlozitRadekZa = nullptr;
    QAction* OdstranitRadek = nullptr;
    QAction* KopirovatRadek = nullptr;
    QAction* VyjmoutRadek = nullptr;
    QAction* VlozitZeSchranky = nullptr;
    QAction* OdstranitPripojku = nullptr;
    // "Nastavení"
    QAction* Nastaveni = nullptr;
    QAction* NastaveniKontext = nullptr; ///< "Nastavení ..." of both context menus
    QAction* Kanalizace = nullptr;
    QAction* Vodovod = nullptr;
    QAction* OsaKomunikace = nullptr;
    QAction* Cestina = nullptr;
    QAction* Slovenstina = nullptr;
    // "Výpočet"
    QAction* Vypocet = nullptr;
};

} // namespace lineon::ui
