#include "core/Qx3Columns.h"

#include <gtest/gtest.h>

#include "support/TestSupport.h"

namespace vantor {
namespace {

const Qx3Columns kLayout("GR7", {{0, 2}, {2, 3}, {5, 1}}, 6);

TEST(Qx3ColumnsTest, ReadingRules) {
    struct Case {
        const char* name;
        std::string bytes;
        Qx3Columns::Records records;
        bool ok;
        std::vector<std::string> lines;  // handed to the callback
        const char* message;             // after the path, or none
    };
    const char* kFormat = " is not in proper GR7 format.";
    const char* kEmpty = " is empty; it holds no GR7 record.";
    const Case cases[] = {
        {"crlf and comments",
         "# head\r\nab c d\r\n#\r\n123456\r\n",
         Qx3Columns::Records::All,
         true,
         {"ab c d", "123456"},
         nullptr},
        {"one record only",
         "ab c d\n123456\n",
         Qx3Columns::Records::One,
         true,
         {"ab c d"},
         nullptr},
        {"one short",
         "ab c d\n12345\nabcdef\n",
         Qx3Columns::Records::All,
         false,
         {"ab c d"},
         kFormat},
        {"one long", "1234567\n", Qx3Columns::Records::One, false, {}, kFormat},
        {"empty first line", "\nab c d\n", Qx3Columns::Records::All, false, {}, kFormat},
        {"empty file", "", Qx3Columns::Records::All, false, {}, kEmpty},
        {"line ends only", "\r\n\n", Qx3Columns::Records::All, false, {}, kEmpty},
        {"comments only", "# a\n# b\n", Qx3Columns::Records::All, false, {}, kFormat},
        {"blank line inside",
         "ab c d\n\n123456\n",
         Qx3Columns::Records::All,
         false,
         {"ab c d"},
         kFormat},
    };
    for (const auto& c : cases) {
        test::TempDir dir;
        test::MessageRecorder messages;
        std::string path = dir.Path("a.gr7");
        test::WriteBytes(path, c.bytes);
        std::vector<std::string> seen;
        bool ok = kLayout.Read(path, c.records, [&](std::string_view line, int number) {
            EXPECT_EQ(number, static_cast<int>(seen.size()) + 1);
            seen.emplace_back(line);
            return true;
        });
        EXPECT_EQ(ok, c.ok) << c.name;
        EXPECT_EQ(seen, c.lines) << c.name;
        if (c.message) {
            ASSERT_EQ(messages.All().size(), 1u) << c.name;
            EXPECT_EQ(messages.All()[0],
                      (RecordedMessage{MessageKind::Error, "ERROR", path + c.message}))
                << c.name;
        } else {
            EXPECT_TRUE(messages.All().empty()) << c.name;
        }
    }
}

}  // namespace
}  // namespace vantor
