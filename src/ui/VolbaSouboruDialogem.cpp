#include "ui/VolbaSouboruDialogem.h"

#include <QFileDialog>
#include <QFileSystemModel>

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

QStringList VolbaSouboruDialogem::TypyZamereni()
{
    return {QString::fromUtf8("textový soubor (*.txt,*.stx)"), QString::fromUtf8("speciální textový soubor (*.txt)")};
}

void VolbaSouboruDialogem::PouzitTypZamereni(QFileDialog& dialog)
{
    const QStringList pripony = dialog.selectedNameFilter() == TypyZamereni().value(0)
                                    ? QStringList{QStringLiteral("*.txt"), QStringLiteral("*.stx")}
                                    : QStringList{QStringLiteral("*.txt")};
    if (auto* model = dialog.findChild<QFileSystemModel*>())
        model->setNameFilters(pripony);
}

std::optional<TVolbaZamereni> VolbaSouboruDialogem::Importovat(QWidget* okno, const std::string& adresar,
                                                               TypZamereni typ)
{
    const QStringList typy = TypyZamereni();
    QFileDialog dialog(okno, QString::fromUtf8("Importovat"), QString::fromStdString(adresar));
    // The dialog of the toolkit itself, whose file list the types can be applied to.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(typy);
    dialog.selectNameFilter(typy.value(typ == TypZamereni::Specialni ? 1 : 0));
    PouzitTypZamereni(dialog);
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog] { PouzitTypZamereni(dialog); });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return TVolbaZamereni{dialog.selectedFiles().front().toStdString(),
                          dialog.selectedNameFilter() == typy.value(1) ? TypZamereni::Specialni : TypZamereni::Textovy};
}

} // namespace lineon::ui
