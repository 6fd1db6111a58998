#include "controls/KorvaNumber.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

TEST(KorvaNumberTest, Check) {
    struct Case {
        const char* number;
        bool valid;
    } cases[] = {
        {"M20150107", true},
        {"C20260199", true},
        {"R19990100", true},
        {"A20150107", false},   // office letter outside C D M O P Q R
        {"m20150107", false},   // office letters are capitals
        {"M20151507", false},   // manufacturer 15 to 40 unused
        {"M20151407", true},
        {"M20154107", true},
        {"M20155007", false},
        {"M20155107", true},
        {"M20155907", true},
        {"M20156007", false},
        {"M20150007", false},   // manufacturer 00
        {"M-2010107", false},   // a year is four digits, no sign
        {"M20 50107", false},
        {"M2015010", false},    // 8 characters
        {"M201501070", false},  // 10 characters
        {"M201501", false},     // 7 characters
        {"MA0100", true},       // 6-character form: A is 2010
        {"ML5900", true},       // L is 2021
        {"M90100", true},       // 9 is 2009
        {"MM0100", false},      // no year letter after L
        {"M00100", false},      // 0 codes no year
        {"Ma0100", false},
        {"MA1500", false},
        {"MA01-1", false},
        {"", false},
        {"M", false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsValidKorvaNumber(c.number), c.valid) << c.number;
}

TEST(KorvaNumberTest, SplitGivesTheBoxesOfTheDialog) {
    auto nine = SplitKorvaNumber("O20234299");
    ASSERT_TRUE(nine);
    EXPECT_EQ(nine->office, 'O');
    EXPECT_EQ(nine->year, "2023");
    EXPECT_EQ(nine->manufacturer, "42");
    EXPECT_EQ(nine->testOrder, "99");

    auto six = SplitKorvaNumber("MA0100");
    ASSERT_TRUE(six);
    EXPECT_EQ(six->year, "2010");
    EXPECT_EQ(six->manufacturer, "01");
    EXPECT_EQ(six->testOrder, "00");

    for (char code = '1'; code <= '9'; ++code)
        EXPECT_EQ(KorvaYearFromCode(code), 2000 + (code - '0'));
    EXPECT_EQ(KorvaYearFromCode('A'), 2010);
    EXPECT_EQ(KorvaYearFromCode('L'), 2021);
    EXPECT_FALSE(KorvaYearFromCode('M'));
    EXPECT_FALSE(KorvaYearFromCode('0'));
}

TEST(KorvaNumberTest, ComposeRunsTheFourBoxesTogether) {
    struct Case {
        std::string_view office, year, manufacturer, order;
        const char* number;
    } cases[] = {
        {kKorvaOffices[2], "2015", kKorvaManufacturers[0], "07", "M20150107"},
        {kKorvaOffices[5], "2012", kKorvaManufacturers[2], "5", "Q20120305"},
        {kKorvaOffices[0], " 2020 ", kKorvaManufacturers[31], "99", "C20205999"},
        {kKorvaOffices[2], "", kKorvaManufacturers[0], "07", "M0107"},
        {"", "2015", "", "", "2015"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ComposeKorvaNumber(c.office, c.year, c.manufacturer, c.order), c.number);
}

TEST(KorvaNumberTest, EveryListedManufacturerComposesAValidNumber) {
    for (auto item : kKorvaManufacturers)
        EXPECT_TRUE(IsValidKorvaNumber(ComposeKorvaNumber("M", "2015", item, "00"))) << item;
    for (auto item : kKorvaOffices)
        EXPECT_TRUE(IsValidKorvaNumber(ComposeKorvaNumber(item, "2015", "0100", "00"))) << item;
}

}  // namespace
}  // namespace vantor
