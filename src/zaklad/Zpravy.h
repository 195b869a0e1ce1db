#pragma once

#include <string>

namespace lineon {

enum class DruhZpravy { Chyba, Varovani, Informace };

enum class Odpoved { Ano, Ne, Storno };

/// A message to be shown later, e.g. those of the settings file read before any window exists.
struct TZprava {
    DruhZpravy Druh;
    std::string Text;
};

/// The one way the program talks to the user: the desktop program shows message boxes, the batch
/// program prints lines, tests answer as they please.
class IZpravy {
public:
    virtual ~IZpravy() = default;

    /// A message with a single OK button.
    virtual void Oznamit(DruhZpravy druh, const std::string& text) = 0;

    /// A warning with OK and Cancel (before destroying row data); true for OK.
    virtual bool VarovaniOkStorno(const std::string& text) = 0;

    /// A confirmation with Yes, No and Cancel (unsaved changes); closing the box is Cancel.
    virtual Odpoved DotazAnoNeStorno(const std::string& text) = 0;

    /// A question with Yes and No; true for Yes.
    virtual bool DotazAnoNe(const std::string& text) = 0;
};

} // namespace lineon
