#pragma once

#include "ui/VolbaSouboru.h"

#include <QStringList>

class QFileDialog;

namespace lineon::ui {

/// The platform's file dialogs with the two file types of the project files.
class VolbaSouboruDialogem : public VolbaSouboru {
public:
    std::optional<TVolbaSouboru> Otevrit(QWidget* okno, const std::string& adresar) override;
    std::optional<TVolbaSouboru> UlozitJako(QWidget* okno, const std::string& adresar, const std::string& nazev,
                                            FormatProjektu typ) override;
    std::optional<TVolbaZamereni> Importovat(QWidget* okno, const std::string& adresar, TypZamereni typ) override;

    /// The two file types of the import dialog, in the order of `TypZamereni`.
    static QStringList TypyZamereni();
    /// Lets the dialog show the files of the selected type. A type shows two extensions written
    /// with a comma, which the dialog's own reading of its type names does not take apart.
    static void PouzitTypZamereni(QFileDialog& dialog);
};

} // namespace lineon::ui
