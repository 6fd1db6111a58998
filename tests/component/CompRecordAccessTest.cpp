#include <gtest/gtest.h>

#include <map>
#include <memory>

#include "component/CompFieldRules.h"
#include "component/CompTestFile.h"
#include "core/TextUtil.h"
#include "support/TestSupport.h"

namespace vantor {
namespace {

using D = CCompData;
using Records = std::vector<std::vector<std::string>>;

struct Kind {
    const char* name;
    std::unique_ptr<RecordAccess> (D::*access)();
};
constexpr Kind kKinds[] = {
    {"TEST", &D::TestAccess},
    {"VEHICLE", &D::VehicleAccess},
    {"COMPONENT", &D::ComponentAccess},
    {"CONFIGURATION", &D::ConfigurationAccess},
    {"INSTRUMENTATION", &D::InstrumentationAccess},
};

// The record lines of each section of a QX5 file, split as the readers split
// them.
std::map<std::string, Records> Sections(const std::string& text) {
    std::map<std::string, Records> sections;
    Records* current = nullptr;
    for (const std::string& raw : SplitText(text, '\n')) {
        const std::string line = TrimWhite(raw);
        if (line.starts_with("----- ")) {
            current = &sections[line.substr(6, line.size() - 12)];
        } else if (current && !line.starts_with("#") && line.find('|') != std::string::npos) {
            std::vector<std::string> fields;
            for (int k = 0; k <= CountPipes(line); ++k)
                fields.push_back(GetPipeField(line, k, k + 1));
            current->push_back(std::move(fields));
        }
    }
    return sections;
}

// What the writer makes of a held value: the version is always written as
// "C5", the test date in capitals, and a rollover test's components as never
// modified and without occupant or dummy.
std::string AsWritten(const D& d, std::string_view kind, size_t f, const std::string& held) {
    if (kind == "TEST" && f == 0) return "C5";
    if (kind == "TEST" && f == 3) return ToUpper(held);
    if (kind == "COMPONENT" && d.IsRollover()) {
        if (f == D::kModificationIndicator) return "N";
        if (f == D::kOccupantType || f == D::kDummySize) return "NA";
    }
    return TrimWhite(held);
}

// Every field of every record reads as the writer wrote it at that position.
void ExpectAsWritten(D& d, const std::map<std::string, Records>& file, const std::string& what) {
    for (const Kind& kind : kKinds) {
        auto access = (d.*kind.access)();
        ASSERT_EQ(access->Rules().section, kind.name);
        const auto found = file.find(kind.name);
        ASSERT_NE(found, file.end()) << what << " " << kind.name;
        const Records& lines = found->second;
        ASSERT_EQ(static_cast<int>(lines.size()), access->Count()) << what << " " << kind.name;
        const bool plainVehicle = std::string_view(kind.name) == "VEHICLE" && !d.IsRollover();
        for (int r = 1; r <= access->Count(); ++r) {
            const auto& line = lines[static_cast<size_t>(r - 1)];
            ASSERT_EQ(line.size(),
                      plainVehicle ? size_t{kPlainVehicleFields} : access->Rules().fields.size())
                << what << " " << kind.name;
            for (size_t f = 0; f < line.size(); ++f)
                EXPECT_EQ(AsWritten(d, kind.name, f, access->Get(r, f)), line[f])
                    << what << " " << kind.name << " record " << r << " field " << f;
        }
    }
}

// Fields not to give values of their own: those written as literals, the
// test type (it decides the layout) and the vehicle number (the count).
bool Fixed(const D& d, std::string_view kind, size_t f) {
    if (kind == "TEST") return f == 0 || f == 7;
    if (kind == "VEHICLE") return f == 0;
    if (kind == "COMPONENT" && d.IsRollover())
        return f == D::kModificationIndicator || f == D::kOccupantType || f == D::kDummySize;
    return false;
}

// Gives every field of every record its own value, so a field read from or
// stored to a neighbour's column cannot go unnoticed; shown-only fields must
// ignore what is stored.
void SetDistinctValues(D& d) {
    for (const Kind& kind : kKinds) {
        auto access = (d.*kind.access)();
        const auto rules = access->Rules().fields;
        for (int r = 1; r <= access->Count(); ++r)
            for (size_t f = 0; f < rules.size(); ++f) {
                if (Fixed(d, kind.name, f)) continue;
                const std::string before = access->Get(r, f);
                const std::string number = IntToText(100 * r + static_cast<int>(f) + 1);
                const FieldKind type = rules[f].kind;
                const std::string value = type == FieldKind::Integer ? number
                                          : type == FieldKind::Real  ? number + ".5"
                                                                     : "R" + number;
                access->Set(r, f, value);
                EXPECT_EQ(access->Get(r, f), rules[f].kind == FieldKind::ReadOnly ? before : value)
                    << kind.name << " record " << r << " field " << f;
            }
    }
}

class CompRecordAccessTest : public ::testing::Test {
  protected:
    std::map<std::string, Records> Written(D& d, const std::string& name = "out.qx5") {
        EXPECT_TRUE(d.WriteQx5(dir.Path(name)));
        return Sections(test::ReadBytes(dir.Path(name)));
    }

    test::TempDir dir;
    test::MessageRecorder messages;
};

TEST_F(CompRecordAccessTest, EveryFieldReadsAsTheFileCarriesIt) {
    for (const char* input :
         {"component/rollover.qx5", "component/legacy.qx5", "component/legacy.qx4"})
        for (bool distinct : {false, true}) {
            const std::string what = std::string(input) + (distinct ? " distinct" : " as read");
            CompTestFile type;
            ASSERT_TRUE(type.Load(test::DataFile(input))) << input;
            D& d = type.Data();
            if (distinct) SetDistinctValues(d);
            ExpectAsWritten(d, Written(d), what);

            // And as the file reads back.
            CompTestFile back;
            ASSERT_TRUE(back.Load(dir.Path("out.qx5")));
            ExpectAsWritten(back.Data(), Written(back.Data(), "back.qx5"), what + " read back");
        }
    EXPECT_TRUE(messages.All().empty());
}

TEST_F(CompRecordAccessTest, VehicleNumberZeroIsTheNonVehicleLineAndKeepsTheVehicle) {
    CompTestFile type;
    ASSERT_TRUE(type.Load(test::DataFile("component/legacy.qx5")));
    D& d = type.Data();
    auto vehicle = d.VehicleAccess();

    vehicle->Set(1, 0, "0");
    const Records none = Written(d)["VEHICLE"];
    ASSERT_EQ(none.size(), 1u);
    EXPECT_EQ(none[0].front(), "0");
    EXPECT_EQ(vehicle->Get(1, 1), "HONDA");

    vehicle->Set(1, 0, "1");
    const Records back = Written(d)["VEHICLE"];
    ASSERT_EQ(back.size(), 1u);
    EXPECT_EQ(back[0][1], "HONDA");
}

TEST_F(CompRecordAccessTest, AddCopyDeleteKeepCountsValuesAndKeys) {
    struct Case {
        std::unique_ptr<RecordAccess> (D::*access)();
        size_t place;  // the field that is the record's number; npos: none
        size_t key;    // a number the user types, which nothing renumbers
    } cases[] = {
        {&D::ComponentAccess, std::string::npos, D::kComponentNumber},
        {&D::ConfigurationAccess, std::string::npos, D::kConfigurationNumber},
        {&D::InstrumentationAccess, 3, 2},  // the curve number; the configuration number
    };
    for (const Case& c : cases) {
        CompTestFile type;
        ASSERT_TRUE(type.Load(test::DataFile("component/rollover.qx5")));
        D& d = type.Data();
        auto records = (d.*c.access)();
        const std::string section(records->Rules().section);
        const auto rules = records->Rules().fields;
        const int n = records->Count();
        auto expected = [&](int r, size_t f, const std::string& held) {
            return f == c.place ? IntToText(r) : held;
        };
        std::vector<std::string> first;
        for (size_t f = 0; f < rules.size(); ++f)
            first.push_back(records->Get(1, f));

        const int added = records->Add();
        ASSERT_EQ(added, n + 1) << section;
        ASSERT_EQ(records->Count(), n + 1) << section;
        for (size_t f = 0; f < rules.size(); ++f)
            EXPECT_EQ(records->Get(added, f),
                      expected(added, f, std::string(rules[f].defaultValue)))
                << section << " field " << f;

        records->Copy(1, added);
        records->Set(added, c.key, "77");
        records->Delete(1);
        ASSERT_EQ(records->Count(), n) << section;
        for (size_t f = 0; f < rules.size(); ++f)
            EXPECT_EQ(records->Get(n, f), expected(n, f, f == c.key ? "77" : first[f]))
                << section << " field " << f;

        // The file carries the records held, and a curve total that counts them.
        records->Add();
        auto file = Written(d);
        EXPECT_EQ(file[section].size(), static_cast<size_t>(records->Count())) << section;
        EXPECT_EQ(file["TEST"][0][D::kTestTotalCurves],
                  IntToText(static_cast<long long>(file["INSTRUMENTATION"].size())))
            << section;
    }
}

}  // namespace
}  // namespace vantor
