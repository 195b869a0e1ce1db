#include "ui/ZpravyOknem.h"

#include "data/Nastaveni.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

#include <utility>

namespace lineon::ui {

namespace {

QMessageBox::StandardButton Zobrazit(QWidget* okno, QMessageBox::Icon ikona, const std::string& text,
                                     QMessageBox::StandardButtons tlacitka, QMessageBox::StandardButton vychozi)
{
    // A box over a disabled window could not be answered: it goes over the active window then.
    QWidget* nad = okno && okno->isEnabled() ? okno : QApplication::activeWindow();
    QMessageBox box(ikona, QString::fromUtf8(NazevProgramu), QString::fromStdString(text), tlacitka, nad);
    box.setDefaultButton(vychozi);
    const std::pair<QMessageBox::StandardButton, const char*> popisy[] = {
        {QMessageBox::Ok, "OK"}, {QMessageBox::Cancel, "Storno"}, {QMessageBox::Yes, "Ano"}, {QMessageBox::No, "Ne"}};
    for (const auto& [tlacitko, popis] : popisy)
        if (QAbstractButton* b = box.button(tlacitko))
            b->setText(QString::fromUtf8(popis));
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace

void ZpravyOknem::Oznamit(DruhZpravy druh, const std::string& text)
{
    const QMessageBox::Icon ikona = druh == DruhZpravy::Chyba      ? QMessageBox::Critical
                                    : druh == DruhZpravy::Varovani ? QMessageBox::Warning
                                                                   : QMessageBox::Information;
    Zobrazit(okno_, ikona, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool ZpravyOknem::VarovaniOkStorno(const std::string& text)
{
    return Zobrazit(okno_, QMessageBox::Warning, text, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok)
           == QMessageBox::Ok;
}

Odpoved ZpravyOknem::DotazAnoNeStorno(const std::string& text)
{
    // Closing the box counts as Cancel.
    switch (Zobrazit(okno_, QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                     QMessageBox::Yes)) {
    case QMessageBox::Yes: return Odpoved::Ano;
    case QMessageBox::No: return Odpoved::Ne;
    default: return Odpoved::Storno;
    }
}

bool ZpravyOknem::DotazAnoNe(const std::string& text)
{
    return Zobrazit(okno_, QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
           == QMessageBox::Yes;
}

} // namespace lineon::ui
