#include "ui/PoleData.h"

#include <QRegularExpressionValidator>

namespace lineon::ui {

namespace {
const QString Format = QStringLiteral("d.M.yyyy");
}

PoleData::PoleData(QWidget* rodic) : QLineEdit(rodic)
{
    setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9.]{0,10}")), this));
    connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (text == QStringLiteral("."))
            setText(QDate::currentDate().toString(Format));
    });
    connect(this, &QLineEdit::editingFinished, this, &PoleData::Dokoncit);
}

QString PoleData::Normalizovat(const QString& text, const QDate& dnes)
{
    const QStringList casti = text.split(QLatin1Char('.'));
    if (casti.size() < 2 || casti.size() > 3)
        return {};
    bool denOk = false;
    bool mesicOk = false;
    bool rokOk = true;
    const int den = casti[0].toInt(&denOk);
    const int mesic = casti[1].toInt(&mesicOk);
    const int rok = casti.size() == 3 && !casti[2].isEmpty() ? casti[2].toInt(&rokOk) : dnes.year();
    const QDate datum(rok, mesic, den);
    return denOk && mesicOk && rokOk && datum.isValid() ? datum.toString(Format) : QString();
}

void PoleData::Nacist(const QString& text)
{
    platny_ = text;
    setText(text);
}

void PoleData::Dokoncit()
{
    const QString datum = text().isEmpty() ? QString() : Normalizovat(text(), QDate::currentDate());
    if (!text().isEmpty() && datum.isEmpty()) {
        setText(platny_);
        return;
    }
    setText(datum);
    if (datum != platny_) {
        platny_ = datum;
        emit datumZmeneno(platny_);
    }
}

} // namespace lineon::ui
