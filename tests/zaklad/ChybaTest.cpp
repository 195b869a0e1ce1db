#include "zaklad/Chyba.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

using namespace lineon;

TEST(Chyba, EveryExceptionReachesTheUserInCzech)
{
    EXPECT_EQ(ZpravaOVyjimce(Chyba("Soubor „a.csv“ nelze otevřít.")), "Soubor „a.csv“ nelze otevřít.");
    EXPECT_EQ(ZpravaOVyjimce(ChybaVypoctu("Výkres je příliš dlouhý.")), "Výkres je příliš dlouhý.");
    EXPECT_EQ(ZpravaOVyjimce(std::bad_alloc()), "Na dokončení příkazu nestačí paměť; příkaz byl přerušen.");
    EXPECT_EQ(ZpravaOVyjimce(std::out_of_range("Tabulka::at")),
              "Příkaz byl přerušen vnitřní chybou programu (Tabulka::at). Uložte prosím projekt pod novým názvem a "
              "chybu nahlaste.");
}
