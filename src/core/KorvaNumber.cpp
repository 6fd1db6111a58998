#include "core/KorvaNumber.h"

#include <algorithm>

#include "core/TextUtil.h"

namespace vantor {

const std::array<std::string_view, 7> kKorvaOffices = {
    "C – Compliance", "D – Defects",        "M – Rulemaking", "O – MFR Optional Test",
    "P – VELD",       "Q– Test Lab Retest", "R – Research",
};

const std::array<std::string_view, 32> kKorvaManufacturers = {
    "0100 – General Motors Corporation",
    "0200 – Ford Motor Company ",
    "0300 –Chrysler Corporation/Fiat",
    "0400 – American Motors/Renault",
    "0500 – Imported Vehicles",
    "0600 – Medium Trucks",
    "0700 – Heavy Trucks",
    "0800 – Commercial Buses",
    "0900 – School Buses",
    "1000 – Low Speed/Electric Vehicles",
    "1100 – Trailers",
    "1200 – Motorcycles/ Mopeds",
    "1300 – Multistage/Altered Vehicles",
    "1400 – Campers/Motorhomes",
    "4100 – BMW",
    "4200 – Hyundai/Kia",
    "4300 – Mercedes-Benz",
    "4400 – LandRover/Jaguar",
    "4500 – N/A",
    "4600 – N/A",
    "4700 – N/A",
    "4800 – N/A",
    "4900 – N/A",
    "5100 – Toyota",
    "5200 – Nissan ",
    "5300 – Honda ",
    "5400 – Mazda ",
    "5500 – Subaru ",
    "5600 – Mitsubishi ",
    "5700 – Isuzu ",
    "5800 – Volkswagen ",
    "5900 – Volvo ",
};

namespace {

constexpr std::string_view kOfficeLetters = "CDMOPQR";

bool AllDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool IsManufacturerCode(int code) {
    return (code >= 1 && code <= 14) || (code >= 41 && code <= 49) || (code >= 51 && code <= 59);
}

}  // namespace

std::optional<int> KorvaYearFromCode(char code) {
    if (code >= '1' && code <= '9') return 2000 + (code - '0');
    if (code >= 'A' && code <= 'L') return 2010 + (code - 'A');
    return std::nullopt;
}

std::optional<KorvaParts> SplitKorvaNumber(std::string_view text) {
    if (text.size() != 9 && text.size() != 6) return std::nullopt;
    if (kOfficeLetters.find(text[0]) == std::string_view::npos) return std::nullopt;

    KorvaParts parts;
    parts.office = text[0];
    if (text.size() == 9) {
        // A model year is four digits; a sign would make "M-201..." pass.
        if (!AllDigits(text.substr(1, 4))) return std::nullopt;
        parts.year = std::string(text.substr(1, 4));
    } else {
        std::optional<int> year = KorvaYearFromCode(text[1]);
        if (!year) return std::nullopt;
        parts.year = std::to_string(*year);
    }

    std::string_view tail = text.substr(text.size() - 4);
    if (!AllDigits(tail)) return std::nullopt;
    if (!IsManufacturerCode(TextToInt(tail.substr(0, 2)))) return std::nullopt;
    parts.manufacturer = std::string(tail.substr(0, 2));
    parts.testOrder = std::string(tail.substr(2, 2));
    return parts;
}

bool IsValidKorvaNumber(std::string_view text) {
    return SplitKorvaNumber(text).has_value();
}

std::string ComposeKorvaNumber(std::string_view officeItem, std::string_view year,
                               std::string_view manufacturerItem, std::string_view testOrder) {
    std::string number;
    if (!officeItem.empty()) number += officeItem[0];
    number += TrimmedBlanks(year);
    number += manufacturerItem.substr(0, 2);
    std::string order = TrimmedBlanks(testOrder);
    if (order.size() == 1) number += '0';
    number += order;
    return number;
}

}  // namespace vantor
