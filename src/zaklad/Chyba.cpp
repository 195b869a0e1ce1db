#include "zaklad/Chyba.h"

#include <new>

namespace lineon {

std::string ZpravaOVyjimce(const std::exception& vyjimka)
{
    if (dynamic_cast<const Chyba*>(&vyjimka))
        return vyjimka.what();
    if (dynamic_cast<const std::bad_alloc*>(&vyjimka))
        return "Na dokončení příkazu nestačí paměť; příkaz byl přerušen.";
    return std::string("Příkaz byl přerušen vnitřní chybou programu (") + vyjimka.what()
           + "). Uložte prosím projekt pod novým názvem a chybu nahlaste.";
}

} // namespace lineon
