#pragma once

#include <string>
#include <string_view>

// Checks of a value given to a window control by name (the batch program's options file).
namespace lineon {

/// Throws Chyba "NAME: očekává se EXPECTED, ne „VALUE“."
[[noreturn]] void OdmitnoutHodnotu(std::string_view nazev, const std::string& ocekava, std::string_view hodnota);

/// The text, when the control could hold it: at most `maxZnaku` characters (0: no limit), one
/// line, and only characters of code page 1250, since every text ends up in a file.
std::string TextOvladace(std::string_view nazev, std::string_view hodnota, int maxZnaku);

} // namespace lineon
