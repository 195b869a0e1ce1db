#pragma once

#include "zaklad/Zpravy.h"

#include <QApplication>

namespace lineon::ui {

/// The Qt application with the last net under every window: an exception that a command did not
/// catch itself is shown as an error message (`ZpravaOVyjimce`) instead of ending the program,
/// and the event loop goes on.
class AplikaceQt : public QApplication {
public:
    AplikaceQt(int& argc, char** argv) : QApplication(argc, argv) {}

    /// Where the messages go; until it is set they go to the error output.
    void NastavitZpravy(IZpravy* zpravy) { zpravy_ = zpravy; }

    bool notify(QObject* prijemce, QEvent* udalost) override;

private:
    IZpravy* zpravy_ = nullptr;
};

} // namespace lineon::ui
