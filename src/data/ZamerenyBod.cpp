#include "data/ZamerenyBod.h"

namespace lineon {

std::string RadekSeznamu(const TZamerenyBod& bod)
{
    return bod.CisloBodu + "  " + bod.YText + "  " + bod.XText + "  " + bod.ZText + "  " + bod.Kod;
}

} // namespace lineon
