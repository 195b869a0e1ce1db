#pragma once

#include "zaklad/Zpravy.h"

#include <QValidator>

class QComboBox;
class QLineEdit;

namespace lineon::ui {

/// Refuses an entry holding a character that code page 1250 cannot hold (the files of the program
/// could not keep it) and says so in a message; the field keeps its previous text.
class Validator1250 : public QValidator {
    Q_OBJECT
public:
    Validator1250(IZpravy& zpravy, QObject* rodic);

    State validate(QString& vstup, int& pozice) const override;

    /// Guards a text field or the text of an editable combo box.
    static void Hlidat(QLineEdit* pole, IZpravy& zpravy);
    static void Hlidat(QComboBox* pole, IZpravy& zpravy);

    /// The message shown for a refused character.
    static std::string Zprava(const std::string& znak);

private:
    IZpravy& zpravy_;
};

} // namespace lineon::ui
