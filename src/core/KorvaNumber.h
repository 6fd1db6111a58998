#pragma once
// The KORVA number of a test vehicle: the purchase number under which it was
// bought, O YYYY MM TT run together (office, model year, manufacturer code,
// test order). Older records still carry the 6-character form O Y MM TT.
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace vantor {

// The items of the edit dialog's drop-downs, exactly as the users know them
// (the dash is an en dash; the odd blanks are part of the items).
extern const std::array<std::string_view, 7> kKorvaOffices;
extern const std::array<std::string_view, 32> kKorvaManufacturers;
constexpr int kKorvaFirstListedYear = 2012;
constexpr int kKorvaLastListedYear = 2026;

// Whether text is a complete, well-formed KORVA number of 9 or 6 characters.
bool IsValidKorvaNumber(std::string_view text);

// The four-digit model year a year code of the 6-character form stands for
// ('1' to '9': 2001 to 2009, 'A' to 'L': 2010 to 2021), or nothing.
std::optional<int> KorvaYearFromCode(char code);

struct KorvaParts {
    char office = 0;
    std::string year;          // four digits
    std::string manufacturer;  // two digits
    std::string testOrder;     // two digits
};

// The parts of a valid number of either form; nothing for an invalid one.
std::optional<KorvaParts> SplitKorvaNumber(std::string_view text);

// The number the dialog's four boxes give: the office's first character, the
// year, the manufacturer item's two code digits and the test order (a single
// digit gets a leading zero). Whatever is missing is simply left out, so an
// incomplete choice gives an incomplete number.
std::string ComposeKorvaNumber(std::string_view officeItem, std::string_view year,
                               std::string_view manufacturerItem, std::string_view testOrder);

}  // namespace vantor
