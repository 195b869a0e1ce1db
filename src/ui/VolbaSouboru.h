#pragma once

#include "data/ImportZamereni.h"
#include "prikazy/PrikazySouboru.h"

#include <optional>
#include <string>

class QWidget;

namespace lineon::ui {

/// A survey file chosen in the import dialog, with the file type it was chosen under.
struct TVolbaZamereni {
    std::string Cesta;
    TypZamereni Typ = TypZamereni::Textovy;
};

/// The open and save dialogs of the project files and the import dialog of survey files; tests put
/// a chooser of their own in its place.
class VolbaSouboru {
public:
    virtual ~VolbaSouboru() = default;

    /// "Otevřít", starting in `adresar`; nothing when cancelled.
    virtual std::optional<TVolbaSouboru> Otevrit(QWidget* okno, const std::string& adresar) = 0;

    /// "Uložit jako", starting in `adresar` with `nazev` and the file type `typ` selected.
    virtual std::optional<TVolbaSouboru> UlozitJako(QWidget* okno, const std::string& adresar,
                                                    const std::string& nazev, FormatProjektu typ) = 0;

    /// "Importovat", starting in `adresar` with the file type `typ` selected.
    virtual std::optional<TVolbaZamereni> Importovat(QWidget* okno, const std::string& adresar, TypZamereni typ) = 0;
};

} // namespace lineon::ui
