#pragma once

#include <string>

namespace lineon {

enum class DruhNalezu { Chyba, Varovani, Informace };

/// The table row a finding belongs to: a point, the section from that point to the next, or a connection.
enum class MistoNalezu { Bod, Usek, Pripojka };

/// One finding of the checks of the line.
struct TNalez {
    DruhNalezu Druh = DruhNalezu::Informace;
    MistoNalezu Misto = MistoNalezu::Bod;
    int Radek = 0;          ///< point, section or connection number, from 1
    double Staniceni = 0;   ///< where it lies on the line: the point, the section's start, the connection
    double Hodnota = 0;     ///< the checked value
    double Limit = 0;       ///< the limit it broke (the neighbouring level for a high or low point)
    std::string Text;       ///< what the user reads, in Czech

    bool operator==(const TNalez&) const = default;
};

/// "error", "warning" or "information": how the batch program labels a finding.
const char* NazevDruhu(DruhNalezu druh);

} // namespace lineon
