#pragma once

#include "data/Stav.h"

#include <QMainWindow>

namespace lineon::ui {

/// The main window: both tables of the project and the menus from which everything starts.
class HlavniOkno : public QMainWindow {
    Q_OBJECT
public:
    explicit HlavniOkno(TStav& stav, QWidget* rodic = nullptr);

    /// Rebuilds the caption from the program name, language, network kind and project file.
    void ObnovitTitulek();

private:
    TStav& stav_;
};

} // namespace lineon::ui
