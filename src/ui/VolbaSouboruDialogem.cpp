#include "ui/VolbaSouboruDialogem.h"

#include <QFileDialog>

namespace lineon::ui {

namespace {

std::optional<TVolbaSouboru> Vybrat(QFileDialog& dialog, const QStringList& typy)
{
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const FormatProjektu format
        = dialog.selectedNameFilter() == typy.value(1) ? FormatProjektu::Radky : FormatProjektu::Tabulka;
    return TVolbaSouboru{dialog.selectedFiles().front().toStdString(), format};
}

} // namespace

std::optional<TVolbaSouboru> VolbaSouboruDialogem::Otevrit(QWidget* okno, const std::string& adresar)
{
    const QStringList typy = {QString::fromUtf8("tabulková data (*.csv)"), QString::fromUtf8("vstupní data (*.dat)")};
    QFileDialog dialog(okno, QString::fromUtf8("Otevřít"), QString::fromStdString(adresar));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(typy);
    return Vybrat(dialog, typy);
}

std::optional<TVolbaSouboru> VolbaSouboruDialogem::UlozitJako(QWidget* okno, const std::string& adresar,
                                                              const std::string& nazev, FormatProjektu typ)
{
    const QStringList typy = {QString::fromUtf8("tabulková data (*.csv)"), QString::fromUtf8("původní data (*.dat)")};
    QFileDialog dialog(okno, QString::fromUtf8("Uložit jako"), QString::fromStdString(adresar));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(typy);
    dialog.selectNameFilter(typy.value(typ == FormatProjektu::Radky ? 1 : 0));
    if (!nazev.empty())
        dialog.selectFile(QString::fromStdString(nazev));
    return Vybrat(dialog, typy);
}

} // namespace lineon::ui
