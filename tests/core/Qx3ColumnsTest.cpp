#include "core/Qx3Columns.h"

#include <gtest/gtest.h>

#include "support/TestSupport.h"

namespace vantor {
namespace {

const Qx3Columns kLayout("GR7", {{0, 2}, {2, 3}, {5, 1}}, 6);

TEST(Qx3ColumnsTest, ReadingRules) {
    using enum Qx3Columns::Records;
    const char* kFormat = " is not in proper GR7 format.";
    const char* kEmpty = " is empty; it holds no GR7 record.";
    struct Case {
        const char* name;
        std::string bytes;
        Qx3Columns::Records records;
        std::vector<std::string> lines;  // handed to the callback
        const char* message;             // after the path; none when read
    } cases[] = {
        {"crlf and comments", "# head\r\nab c d\r\n#\r\n123456\r\n", All, {"ab c d", "123456"}},
        {"one record only", "ab c d\n123456\n", One, {"ab c d"}},
        {"one short", "ab c d\n12345\nabcdef\n", All, {"ab c d"}, kFormat},
        {"one long", "1234567\n", One, {}, kFormat},
        {"empty first line", "\nab c d\n", All, {}, kFormat},
        {"empty file", "", All, {}, kEmpty},
        {"line ends only", "\r\n\n", All, {}, kEmpty},
        {"comments only", "# a\n# b\n", All, {}, kFormat},
        {"blank line inside", "ab c d\n\n123456\n", All, {"ab c d"}, kFormat},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
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
        EXPECT_EQ(ok, c.message == nullptr);
        EXPECT_EQ(seen, c.lines);
        std::vector<RecordedMessage> expected;
        if (c.message) expected.push_back({MessageKind::Error, "ERROR", path + c.message});
        EXPECT_EQ(messages.All(), expected);
    }
}

}  // namespace
}  // namespace vantor
