#include "kontrola/Nalez.h"

namespace lineon {

const char* NazevDruhu(DruhNalezu druh)
{
    switch (druh) {
    case DruhNalezu::Chyba: return "error";
    case DruhNalezu::Varovani: return "warning";
    case DruhNalezu::Informace: break;
    }
    return "information";
}

} // namespace lineon
