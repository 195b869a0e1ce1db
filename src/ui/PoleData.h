#pragma once

#include <QDate>
#include <QLineEdit>

namespace lineon::ui {

/// A date field: day and month are required, the year may be left out (the current one is taken);
/// "." typed into the empty field enters today. An entry that is not a date is dropped when the
/// field is left, and the previous text stays.
class PoleData : public QLineEdit {
    Q_OBJECT
public:
    explicit PoleData(QWidget* rodic = nullptr);

    /// Shows a date without announcing it.
    void Nacist(const QString& text);

    /// The text of a date as the field writes it ("d.M.yyyy"), or an empty text for one that is not.
    static QString Normalizovat(const QString& text, const QDate& dnes);

signals:
    /// The date was entered or cleared.
    void datumZmeneno(const QString& text);

private:
    void Dokoncit();

    QString platny_;
};

} // namespace lineon::ui
