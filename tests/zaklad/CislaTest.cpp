#include "zaklad/Chyba.h"
#include "zaklad/Cisla.h"

#include <cmath>
#include <gtest/gtest.h>
#include <charconv>
#include <limits>
#include <random>

using namespace lineon::cisla;

TEST(FormatF, PadsToTheMinimumWidthAndNeverCuts)
{
    EXPECT_EQ(FormatF(5.5, 7, 3), "  5.500");
    EXPECT_EQ(FormatF(-745.456, 7, 3), "-745.456");
    EXPECT_EQ(FormatF(-1.5, 7, 3), " -1.500");
    EXPECT_EQ(FormatF(-0.0, 7, 3), " -0.000");
    EXPECT_EQ(FormatF(-0.0, 1, 3), "-0.000");
    EXPECT_EQ(FormatF(0, 6, 3), " 0.000");
    EXPECT_EQ(FormatF(0, 7, 3), "  0.000");
    EXPECT_EQ(FormatF(0, 4, 3), "0.000");
    EXPECT_EQ(FormatF(745123.4567, 6, 3), "745123.457");
    EXPECT_EQ(FormatF(2, 1, 2), "2.00");
    EXPECT_EQ(FormatF(12345.6, 4, 2), "12345.60");
}

TEST(FormatE23, WritesTwentyThreeCharacters)
{
    EXPECT_EQ(FormatE23(1.0), " 1.00000000000000E+0000");
    EXPECT_EQ(FormatE23(0.25), " 2.50000000000000E-0001");
    EXPECT_EQ(FormatE23(0.5), " 5.00000000000000E-0001");
    EXPECT_EQ(FormatE23(0.0), " 0.00000000000000E+0000");
    EXPECT_EQ(FormatE23(-2.0), "-2.00000000000000E+0000");
    EXPECT_EQ(FormatE23(123456.0), " 1.23456000000000E+0005");
    EXPECT_EQ(FormatE23(1e-300).size(), 23u);
}

TEST(FormatyCisel, NonFiniteValuesAreRefusedAndTheLargestFiniteOnesWritten)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (const double hodnota : {inf, -inf, nan}) {
        EXPECT_THROW(FormatE23(hodnota), lineon::Chyba);
        EXPECT_THROW(FormatF(hodnota, 7, 3), lineon::Chyba);
    }
    const double nejvetsi = std::numeric_limits<double>::max();
    EXPECT_EQ(FormatE23(nejvetsi), " 1.79769313486232E+0308");
    EXPECT_EQ(FormatE23(-std::numeric_limits<double>::denorm_min()), "-4.94065645841247E-0324");
    const std::string f = FormatF(-nejvetsi, 7, 3);
    EXPECT_EQ(f.size(), 1u + 309u + 4u);
    EXPECT_TRUE(f.starts_with("-17976931348623157")) << f;
    EXPECT_TRUE(f.ends_with(".000")) << f;
}

TEST(CtiDesetinne, AcceptsPlainDecimalsOnly)
{
    EXPECT_EQ(CtiDesetinne("12.5"), 12.5);
    EXPECT_EQ(CtiDesetinne("  -3"), -3.0);
    EXPECT_EQ(CtiDesetinne("+.5"), 0.5);
    EXPECT_EQ(CtiDesetinne("7."), 7.0);
    for (const char* ne : {"", " ", "12,5", "12.5x", "12.5 ", "nan", "inf", "-inf", "1e5", "0x10", "0x1p3", ".", "-",
                           "1.2.3", "--1"})
        EXPECT_EQ(CtiDesetinne(ne), std::nullopt) << ne;
    EXPECT_EQ(CtiDesetinne(std::string(400, '9')), std::nullopt); // overflows to infinity
}

TEST(CtiDesetinne, ExponentOnlyWhereTheFormatHasOne)
{
    EXPECT_EQ(CtiDesetinne(" 1.00000000000000E+0000", Exponent::Povolen), 1.0);
    EXPECT_EQ(CtiDesetinne("-2.5E-0001", Exponent::Povolen), -0.25);
    EXPECT_EQ(CtiDesetinne("1e", Exponent::Povolen), std::nullopt);
    EXPECT_EQ(CtiDesetinne("1e999", Exponent::Povolen), std::nullopt);
    EXPECT_EQ(CtiDesetinne("inf", Exponent::Povolen), std::nullopt);
}

TEST(CtiCele, ReadsThirtyTwoBitNumbers)
{
    EXPECT_EQ(CtiCele("400"), 400);
    EXPECT_EQ(CtiCele(" -5"), -5);
    EXPECT_EQ(CtiCele("+7"), 7);
    EXPECT_EQ(CtiCele("2147483647"), 2147483647);
    for (const char* ne : {"", "2147483648", "4.0", "12a", "+-1", "-+1", "0x10", "1 "})
        EXPECT_EQ(CtiCele(ne), std::nullopt) << ne;
}

TEST(Zaokrouhleni, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(ZaokrouhlitCele(2.5), 2);
    EXPECT_EQ(ZaokrouhlitCele(3.5), 4);
    EXPECT_EQ(ZaokrouhlitCele(-2.5), -2);
    EXPECT_EQ(ZaokrouhlitCele(1e30), static_cast<std::int64_t>(9.2e18));
    EXPECT_EQ(ZaokrouhlitCele(NAN), 0);
    EXPECT_DOUBLE_EQ(ZaokrouhlitNaSetiny(245.304), 245.30);
    EXPECT_DOUBLE_EQ(ZaokrouhlitNaSetiny(0.125), 0.12);
    EXPECT_FALSE(std::signbit(ZaokrouhlitNaSetiny(-0.001)));
    EXPECT_EQ(FormatF(ZaokrouhlitNaSetiny(-0.004), 0, 2), "0.00");
    EXPECT_EQ(Oriznout(-2.7), -2.0);
}

TEST(CtiDesetinne, AValueTooSmallForADoubleIsZeroButOneTooLargeIsNoNumber)
{
    EXPECT_EQ(CtiDesetinne("0." + std::string(330, '0') + "1"), 0.0);
    EXPECT_EQ(CtiDesetinne("-0." + std::string(400, '0') + "7"), 0.0);
    EXPECT_EQ(CtiDesetinne("1e-400", Exponent::Povolen), 0.0);
    EXPECT_EQ(CtiDesetinne("0.001e-99999999", Exponent::Povolen), 0.0);
    EXPECT_EQ(CtiDesetinne("1" + std::string(309, '0')), std::nullopt);
    EXPECT_EQ(CtiDesetinne("0.1e400", Exponent::Povolen), std::nullopt);
}

TEST(CisloF, AgreesWithTheExactDecimalValueOfEveryDouble)
{
    // Values near every kind of half: decimal halves that a double only approaches, binary
    // halves that are exact (0.125 with two decimals), large and tiny values, both signs.
    std::mt19937_64 nahoda(11);
    const auto porovnat = [](double x, int desetin) {
        char ocekavano[400];
        const auto konec = std::to_chars(ocekavano, ocekavano + sizeof ocekavano, x, std::chars_format::fixed, desetin).ptr;
        ASSERT_EQ(CisloF(x, 1, desetin).Text(), std::string_view(ocekavano, static_cast<std::size_t>(konec - ocekavano)))
            << std::hexfloat << x << " " << desetin;
    };
    for (int k = 0; k < 400000; ++k) {
        const int desetin = static_cast<int>(nahoda() % 5);
        const double mez = std::pow(10.0, static_cast<double>(nahoda() % 18) - 4);
        double x = std::uniform_real_distribution<double>(-mez, mez)(nahoda);
        if (k % 3 == 0)
            x = std::nearbyint(x * 2 * std::pow(10.0, desetin)) / 2 / std::pow(10.0, desetin);
        if (k % 5 == 0)
            x = std::nextafter(x, k % 10 ? 1e300 : -1e300);
        porovnat(x, desetin);
    }
    for (const double x : {0.125, 0.375, -2.5, 0.5, 1.5, 1e-300, -1e-300, 4503599627370495.5, 9007199254740993.0,
                           1e22, -0.0005, 0.0005, 2.675, 1.005})
        for (int desetin = 0; desetin <= 4; ++desetin)
            porovnat(x, desetin);
}
