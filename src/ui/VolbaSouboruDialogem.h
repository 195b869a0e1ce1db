#pragma once

#include "ui/VolbaSouboru.h"

namespace lineon::ui {

/// The platform's file dialogs with the two file types of the project files.
class VolbaSouboruDialogem : public VolbaSouboru {
public:
    std::optional<TVolbaSouboru> Otevrit(QWidget* okno, const std::string& adresar) override;
    std::optional<TVolbaSouboru> UlozitJako(QWidget* okno, const std::string& adresar, const std::string& nazev,
                                            FormatProjektu typ) override;
};

} // namespace lineon::ui
