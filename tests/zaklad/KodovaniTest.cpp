#include "zaklad/Chyba.h"
#include "zaklad/Kodovani.h"

#include <gtest/gtest.h>

using namespace lineon;

TEST(Kodovani, CzechAndSlovakLettersHaveOneByteEach)
{
    const std::string text = "Šachta ř ě ů ĺ ľ ô ä Ž ‰ €";
    const std::string bajty = kodovani::DoCp1250(text);
    EXPECT_EQ(bajty, "\x8A" "achta \xF8 \xEC \xF9 \xE5 \xBE \xF4 \xE4 \x8E \x89 \x80");
    std::string zpet;
    EXPECT_FALSE(kodovani::ZCp1250(bajty, zpet));
    EXPECT_EQ(zpet, text);
}

TEST(Kodovani, EveryDefinedByteSurvivesARoundTrip)
{
    for (int b = 0; b < 256; ++b) {
        const std::string bajt(1, static_cast<char>(b));
        std::string text;
        if (kodovani::ZCp1250(bajt, text))
            continue;
        EXPECT_EQ(kodovani::DoCp1250(text), bajt) << b;
    }
}

TEST(Kodovani, UndefinedBytesAreNamedWithTheirPosition)
{
    std::string text;
    const auto chyba = kodovani::ZCp1250("ab\x81" "c", text);
    ASSERT_TRUE(chyba);
    EXPECT_EQ(chyba->pozice, 2u);
    EXPECT_EQ(chyba->bajt, 0x81);
}

TEST(Kodovani, CharactersOutsideTheCodePageAreRefusedByName)
{
    try {
        kodovani::DoCp1250("Šachta 北");
        FAIL();
    } catch (const Chyba& chyba) {
        EXPECT_NE(std::string(chyba.what()).find("北"), std::string::npos);
        EXPECT_NE(std::string(chyba.what()).find("U+5317"), std::string::npos);
    }
    EXPECT_EQ(kodovani::PrvniNekodovatelnyZnak("abc"), std::nullopt);
    EXPECT_EQ(kodovani::PrvniNekodovatelnyZnak("aßΩb"), "Ω");
    EXPECT_THROW(kodovani::DoCp1250("a\xC3"), Chyba); // broken UTF-8
}

TEST(Kodovani, TextsAreCutByCharactersNotBytes)
{
    EXPECT_EQ(kodovani::PrvnichZnaku("ŠŠŠŠŠŠŠŠŠŠŠŠŠŠŠ", 12), "ŠŠŠŠŠŠŠŠŠŠŠŠ");
    EXPECT_EQ(kodovani::PocetZnaku("řeřicha"), 7u);
    EXPECT_EQ(kodovani::ZnakyOd("Š12", 1), "12");
    EXPECT_EQ(kodovani::PrvnichZnaku("ab", 5), "ab");
}
