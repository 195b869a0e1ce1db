#pragma once

#include "TestPomoc.h"
#include "data/ProjektovySoubor.h"
#include "ui/Aplikace.h"
#include "ui/HlavniOkno.h"
#include "ui/VolbaSouboru.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QStringList>
#include <QWindow>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace lineon::test {

/// Stands in for the file dialogs and the import dialog: answers with a prepared choice and records what was offered.
class VolbaSouboruTestem : public ui::VolbaSouboru {
public:
    std::optional<TVolbaSouboru> odpoved;
    std::vector<std::string> adresare;
    std::vector<std::string> nabidnuteNazvy;
    std::vector<FormatProjektu> nabidnuteTypy;
    std::optional<ui::TVolbaZamereni> zamereni;
    std::vector<TypZamereni> nabidnuteTypyZamereni;

    std::optional<TVolbaSouboru> Otevrit(QWidget*, const std::string& adresar) override
    {
        adresare.push_back(adresar);
        return odpoved;
    }
    std::optional<TVolbaSouboru> UlozitJako(QWidget*, const std::string& adresar, const std::string& nazev,
                                            FormatProjektu typ) override
    {
        adresare.push_back(adresar);
        nabidnuteNazvy.push_back(nazev);
        nabidnuteTypy.push_back(typ);
        return odpoved;
    }
    std::optional<ui::TVolbaZamereni> Importovat(QWidget*, const std::string& adresar, TypZamereni typ) override
    {
        adresare.push_back(adresar);
        nabidnuteTypyZamereni.push_back(typ);
        return zamereni;
    }
};

/// The captions of a menu's items in order as they read (without the marks of their letters),
/// "-" for a separator and "name >" for a submenu.
inline QStringList Polozky(const QList<QAction*>& akce)
{
    QStringList texty;
    for (const QAction* a : akce) {
        const QString text = QString(a->text()).remove(QLatin1Char('&'));
        texty << (a->isSeparator() ? QStringLiteral("-") : a->menu() ? text + QStringLiteral(" >") : text);
    }
    return texty;
}

/// The letters that pick the items of a menu (after "&" in their captions, "?" for none), and
/// whether no letter stands twice among them.
inline QString Pismena(const QList<QAction*>& akce)
{
    QString pismena;
    for (const QAction* a : akce) {
        if (a->isSeparator())
            continue;
        const qsizetype i = a->text().indexOf(QLatin1Char('&'));
        pismena += i < 0 || i + 1 >= a->text().size() ? QLatin1Char('?') : a->text().at(i + 1).toLower();
    }
    return pismena;
}
inline bool BezOpakovani(const QString& pismena)
{
    for (qsizetype i = 0; i < pismena.size(); ++i)
        if (pismena.indexOf(pismena[i], i + 1) >= 0)
            return false;
    return true;
}

/// A shown window that the window system keeps above the main window, and above it only.
inline bool NadHlavnimOknem(const QWidget& okno, const QWidget& hlavni)
{
    return okno.windowHandle() && okno.windowHandle()->transientParent() == hlavni.windowHandle()
           && !(okno.windowFlags() & Qt::WindowStaysOnTopHint);
}

/// A sewer project of three points and two connections, with Czech labels.
inline TProjekt UkazkovyProjekt()
{
    TProjekt projekt;
    projekt.Body[1] = {.Oznaceni = "Šř1", .Y = 745123.456, .X = 1043210.5, .ZDna = 243.006, .ZPoklopu = 245.004,
                       .ZVtoku = 243.1, .ZOdtoku = 243.01, .Prumer = 300, .Dno = true};
    projekt.Body.Pridat({.Oznaceni = "Šě2", .Y = 745140, .X = 1043230, .ZDna = 243.5, .ZPoklopu = 246, .Prumer = 300});
    projekt.Body.Pridat({.Oznaceni = "Šů3", .Y = 745160, .X = 1043250, .ZDna = 244, .ZPoklopu = 246.5, .Prumer = 250});
    projekt.Pripojky.Pridat({.Typ = "p", .OznaceniPripojky = "Př1", .Y = 745130, .X = 1043220, .OznaceniDS = "DŠ1",
                             .YDS = 745135, .XDS = 1043215, .ZPoklopuDS = 246, .ZDnaDS = 244.8, .Poradi = 1});
    projekt.Pripojky.Pridat({.Typ = "ka", .OznaceniPripojky = "kříž", .Y = 745150, .X = 1043240, .Poradi = 2});
    return projekt;
}

} // namespace lineon::test

namespace lineon::test {

/// The desktop program started afresh with a settings file in a directory of its own, messages
/// recorded and file dialogs answered by the test.
struct SpustenyProgram {
    DocasnyAdresar adresar;
    ZaznamZprav zpravy;
    VolbaSouboruTestem volba;
    std::unique_ptr<ui::Aplikace> program;

    SpustenyProgram()
    {
        program = std::make_unique<ui::Aplikace>(zpravy, volba, adresar / "$nastav");
        program->Spustit();
    }
    ~SpustenyProgram()
    {
        program->Stav().Projekt.Zmeneno = false;
    }

    ui::HlavniOkno& Okno() { return program->Okno(); }
    TStav& Stav() { return program->Stav(); }

    /// Opens the sample project through "Otevřít".
    void OtevritUkazku()
    {
        const std::string cesta = adresar / "ukázka.csv";
        ZapsatProjekt(UkazkovyProjekt(), cesta, FormatProjektu::Tabulka);
        volba.odpoved = TVolbaSouboru{cesta, FormatProjektu::Tabulka};
        Okno().Akce().Otevrit->trigger();
    }

    /// Opens an example project of examples/ through "Otevřít", copied into the program's directory,
    /// so that the outputs are written there.
    void OtevritPriklad(const std::string& nazev)
    {
        const std::string cesta = adresar / nazev;
        ZapsatBajty(cesta, PrecistBajty(ZdrojovyAdresar() + "examples/" + nazev));
        volba.odpoved = TVolbaSouboru{cesta, FormatProjektu::Tabulka};
        Okno().Akce().Otevrit->trigger();
    }
};

} // namespace lineon::test
