// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading and writing numbers, with "," and "." as separators.

#include "core/erreurs.h"
#include "core/nombres.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

using namespace ohmira;

TEST(Separateur, LocaleValueAndUsability)
{
    EXPECT_EQ(separateurOuPoint(","), ",");
    EXPECT_EQ(separateurOuPoint("·"), "·");  // one character, two bytes
    EXPECT_EQ(separateurOuPoint(""), ".");
    EXPECT_EQ(separateurOuPoint(",,"), ".");
    EXPECT_EQ(separateurOuPoint("\xC3"), ".");  // truncated UTF-8
    for (const char* bon : {",", ".", "·", "/", "\u066B", "\U0001F4A1"})
        EXPECT_TRUE(separateurUtilisable(bon)) << bon;
    // No-break and other Unicode blanks, invisible characters, an overlong
    // "," and a lone surrogate.
    for (const char* mauvais : {"", "1", " ", "-", "+", "e", "E", ",,", "\t", "\u00A0", "\u202F", "\u2007",
                                "\u3000", "\u200B", "\uFEFF", "\xC2\x85", "\xC0\xAC", "\xED\xA0\x80"})
        EXPECT_FALSE(separateurUtilisable(mauvais)) << mauvais;
}

TEST(LireReel, AcceptedTexts)
{
    struct Cas {
        const char* texte;
        const char* separateur;
        long double attendu;
    };
    const Cas cas[] = {
        {"12,5", ",", 12.5L}, {" 12,5  ", ",", 12.5L}, {"12.5", ".", 12.5L},
        {"+5", ",", 5.0L}, {"-5", ",", -5.0L}, {",", ",", 0.0L}, {".", ".", 0.0L},
        {",5", ",", 0.5L}, {"5,", ",", 5.0L}, {"1e", ",", 1.0L}, {"1E+2", ",", 100.0L},
        {"1,5E2", ",", 150.0L}, {"1e-", ".", 1.0L}, {"2,0001", ",", 2.0001L},
        {"2.0001", ".", 2.0001L}, {"0,1", ",", 0.1L}, {"1e-5000", ",", 0.0L},
        {"0e99999999999", ",", 0.0L}, {"3,6e306", ",", 3.6e306L}, {"1e4000", ",", 1e4000L},
        {"12·5", "·", 12.5L},
    };
    for (const Cas& c : cas) {
        const auto v = lireReel(c.texte, c.separateur);
        ASSERT_TRUE(v.has_value()) << c.texte;
        EXPECT_EQ(*v, c.attendu) << c.texte;
    }
    EXPECT_TRUE(std::signbit(*lireReel("-,", ",")));
}

TEST(LireReel, RejectedTexts)
{
    struct Cas {
        const char* texte;
        const char* separateur;
    };
    const Cas cas[] = {
        {"12.5", ","}, {"12,5", "."}, {"1 000", ","}, {"1.000,5", ","}, {"1,000.5", "."},
        {"", ","}, {" ", ","}, {"+", ","}, {"-", ","}, {"e5", ","}, {"\t5", ","},
        {"5\t", ","}, {"--5", ","}, {"5-", ","}, {"1,5,5", ","}, {"1e5,5", ","},
        {"INF", "."}, {"NAN", "."}, {"0x10", "."}, {"$10", "."}, {"En Volt", ","},
        {"1e5000", ","}, {"12 V", ","}, {"1e+-2", ","}, {"5 5", ","},
    };
    for (const Cas& c : cas)
        EXPECT_FALSE(lireReel(c.texte, c.separateur).has_value()) << c.texte;
    // More digits than the extended range holds.
    EXPECT_FALSE(lireReel("1" + std::string(5000, '0'), ",").has_value());
}

TEST(LireEntier, DecimalAndHexadecimal)
{
    struct Cas {
        const char* texte;
        std::optional<std::int32_t> attendu;
    };
    const Cas cas[] = {
        {"3", 3}, {" 3", 3}, {"+5", 5}, {"-5", -5}, {"0", 0}, {"00012", 12},
        {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1},
        {"$A", 10}, {"$a", 10}, {"x1F", 31}, {"X1f", 31}, {"0x10", 16}, {"0X10", 16},
        {"$FFFFFFFF", -1}, {"-$1", -1}, {"-$FFFFFFFF", 1}, {"$80000000", -2147483647 - 1},
        {" -0x7FFFFFFF", -2147483647},
        {"3 ", std::nullopt}, {"", std::nullopt}, {" ", std::nullopt}, {"-", std::nullopt},
        {"2147483648", std::nullopt}, {"-2147483649", std::nullopt},
        {"99999999999999999999", std::nullopt}, {"$100000000", std::nullopt},
        {"$", std::nullopt}, {"0x", std::nullopt}, {"$G", std::nullopt}, {"0x-5", std::nullopt},
        {"1.5", std::nullopt}, {"1,5", std::nullopt}, {"1e3", std::nullopt},
        {"- 5", std::nullopt}, {"\t3", std::nullopt}, {"trois", std::nullopt},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(lireEntier(c.texte), c.attendu) << "'" << c.texte << "'";
}

TEST(EcrireFixe, TwoDecimalsFromEighteenDigits)
{
    struct Cas {
        double valeur;
        const char* virgule;  // with "," ; the "." form is the same text with "."
    };
    const Cas cas[] = {
        {0.125, "0,13"}, {2.675, "2,67"}, {0.005, "0,01"}, {0.0049, "0,00"},
        {0.001, "0,00"}, {1.005, "1,00"}, {99.995, "100,00"}, {99.999, "100,00"}, {170.0, "170,00"},
        {170.0 / 3.0, "56,67"}, {1.2, "1,20"}, {-30000.0, "-30000,00"}, {-0.005, "-0,01"},
        {-1e-9, "0,00"}, {-0.004, "0,00"}, {0.0, "0,00"}, {-0.0, "0,00"},
        {std::numeric_limits<double>::denorm_min(), "0,00"},
        {1e17, "100000000000000000,00"}, {123456789012345678.0, "123456789012345680,00"},
        {1e18, "1E18"}, {1.5e20, "1,5E20"}, {-2.5e20, "-2,5E20"},
        {5e28, "4,99999999999999957E28"}, {1.7976931348623157e308, "1,79769313486231571E308"},
        {1e-310, "0,00"}, {0.99999, "1,00"}, {999999999999999.875, "999999999999999,88"},
    };
    for (const Cas& c : cas) {
        EXPECT_EQ(ecrireFixe(c.valeur, ","), c.virgule) << c.valeur;
        std::string point = c.virgule;
        for (char& ch : point)
            if (ch == ',')
                ch = '.';
        EXPECT_EQ(ecrireFixe(c.valeur, "."), point) << c.valeur;
    }
    EXPECT_EQ(ecrireFixe(1.5, "·"), "1·50");
}

// The examples given in the headers' comments, exactly.
TEST(CommentExamples, Nombres)
{
    EXPECT_EQ(lireReel(" 12,5 ", ","), 12.5L);
    EXPECT_EQ(lireReel(",", ","), 0.0L);
    EXPECT_EQ(lireReel("1,5E2", ","), 150.0L);
    EXPECT_EQ(lireReel("1e", "."), 1.0L);
    EXPECT_FALSE(lireReel("12.5", ","));
    EXPECT_FALSE(lireReel("1 000", ","));
    EXPECT_FALSE(lireReel("INF", "."));
    EXPECT_FALSE(lireReel("$10", "."));
    EXPECT_EQ(lireEntier(" 3"), 3);
    EXPECT_FALSE(lireEntier("3 "));
    EXPECT_EQ(lireEntier("$A"), 10);
    EXPECT_EQ(lireEntier("$FFFFFFFF"), -1);
    EXPECT_FALSE(lireEntier("2147483648"));
    EXPECT_EQ(ecrireFixe(0.125, ","), "0,13");
    EXPECT_EQ(ecrireFixe(2.675, "."), "2.67");
    EXPECT_EQ(ecrireFixe(-1e-9, ","), "0,00");
    EXPECT_EQ(ecrireFixe(-30000, "."), "-30000.00");
    EXPECT_EQ(ecrireFixe(1.5e20, ","), "1,5E20");
    EXPECT_EQ(messageBoite("Division par zéro"), "Division par zéro.");
    EXPECT_EQ(messageBoite("fin)"), "fin)");
    EXPECT_EQ(messageBoite(""), "");
}

TEST(MessageBoite, FinalFullStopRule)
{
    struct Cas {
        const char* message;
        const char* boite;
    };
    const Cas cas[] = {
        {"abc", "abc."}, {"abc.", "abc."}, {"1,60 V", "1,60 V."}, {"a5", "a5."},
        {"a/", "a/."}, {"a-", "a-"}, {"a,", "a,"}, {"a ", "a "}, {"a)", "a)"},
        {"entière", "entière."}, {"'", "'"},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(messageBoite(c.message), c.boite) << c.message;
}
