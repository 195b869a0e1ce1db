#pragma once

#include <QVariant>

#include <cstdint>
#include <string>

// How the cells of the main window's tables show their values.
namespace lineon::ui::bunka {

/// A level or coordinate: two decimals.
QVariant Cislo(double hodnota);
/// A diameter: a whole number.
QVariant CeleCislo(std::int32_t hodnota);
QVariant Text(const std::string& text);
/// Numbers are right-aligned, texts left-aligned.
QVariant Zarovnani(bool cislo);

} // namespace lineon::ui::bunka
