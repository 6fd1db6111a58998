#include "core/KorvaNumber.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <set>

namespace vantor {
namespace {

TEST(KorvaNumberTest, Check) {
    const char* valid[] = {
        "M20150107", "C20260199", "M20151407",
        "M20154107", "M20155107",            // manufacturer codes at the ends of their ranges
        "MA0100",    "ML5900",    "M90100",  // old form: A is 2010, L 2021, 9 2009
    };
    const char* invalid[] = {
        "A20150107", "m20150107",               // office letters: C D M O P Q R
        "M20151507", "M20155007", "M20156007",  // manufacturer 15 to 40, 50, 60 up
        "M20150007",
        "M-2010107",                                 // a year is four digits, no sign
        "M201501",   "M2015010",  "M201501070", "",  // 7, 8, 10 characters
        "MM0100",    "M00100",    "MA1500",     "MA01-1",
    };
    for (const char* number : valid)
        EXPECT_TRUE(IsValidKorvaNumber(number)) << number;
    for (const char* number : invalid)
        EXPECT_FALSE(IsValidKorvaNumber(number)) << number;
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

// Each item must carry a code the check accepts, and every code must have its item.
TEST(KorvaNumberTest, EveryListedItemComposesAValidNumber) {
    std::set<std::string> listed;
    for (auto item : kKorvaManufacturers)
        listed.insert(std::string(item.substr(0, 2)));
    EXPECT_EQ(listed.size(), kKorvaManufacturers.size());
    for (int code = 0; code <= 99; ++code) {
        char digits[3];
        std::snprintf(digits, sizeof digits, "%02d", code);
        EXPECT_EQ(listed.count(digits) == 1,
                  IsValidKorvaNumber(ComposeKorvaNumber("M", "2015", digits, "00")))
            << digits;
    }
    for (auto item : kKorvaOffices)
        EXPECT_TRUE(IsValidKorvaNumber(ComposeKorvaNumber(item, "2015", "0100", "00"))) << item;
}

}  // namespace
}  // namespace vantor
