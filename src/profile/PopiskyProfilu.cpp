#include "profile/PopiskyProfilu.h"

namespace lineon {

std::optional<std::string_view> PopisekVJazyce(const TPopisek& popisek, const std::string& jazyk)
{
    if (jazyk == "CZ")
        return popisek.CZ;
    if (jazyk == "SK")
        return popisek.SK;
    if (popisek.CZ == popisek.SK)
        return popisek.CZ;
    return std::nullopt;
}

} // namespace lineon
