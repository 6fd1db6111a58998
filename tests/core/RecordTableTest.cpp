#include "core/RecordTable.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

RecordTable ThreeRecords() {
    RecordTable t(2);
    for (const char* v : {"a", "b", "c"}) {
        int n = t.Add();
        t.Set(n, 0, v);
        t.Set(n, 1, std::string(v) + v);
    }
    return t;
}

TEST(RecordTableTest, DeleteMovesLaterRecordsDownInEveryColumn) {
    struct Case {
        int remove;
        std::vector<std::string> first, second;
    } cases[] = {
        {1, {"", "b", "c"}, {"", "bb", "cc"}},
        {2, {"", "a", "c"}, {"", "aa", "cc"}},
        {3, {"", "a", "b"}, {"", "aa", "bb"}},
        {0, {"", "a", "b", "c"}, {"", "aa", "bb", "cc"}},  // no such record: unchanged
        {4, {"", "a", "b", "c"}, {"", "aa", "bb", "cc"}},
    };
    for (const auto& c : cases) {
        RecordTable t = ThreeRecords();
        t.Delete(c.remove);
        EXPECT_EQ(t.Column(0), c.first) << "delete " << c.remove;
        EXPECT_EQ(t.Column(1), c.second) << "delete " << c.remove;
        EXPECT_EQ(t.Count() + 1, static_cast<int>(t.Column(0).size()));
    }
}

TEST(RecordTableTest, CopyRenumberAndResize) {
    RecordTable t = ThreeRecords();
    t.CopyRecord(1, 3);
    EXPECT_EQ(t.Record(3), (std::vector<std::string>{"a", "aa"}));
    t.Renumber(0);
    EXPECT_EQ(t.Column(0), (std::vector<std::string>{"", "1", "2", "3"}));
    t.SetCount(1);
    t.SetCount(2);
    EXPECT_EQ(t.Value(2, 1), "") << "a record dropped and grown again comes back empty";
    t.Clear();
    EXPECT_EQ(t.Count(), 0);
    EXPECT_EQ(t.Column(1).size(), 1u);
    EXPECT_THROW(t.Value(1, 0), std::out_of_range);
}

// Fields are packed with their lengths: every length, long ones too, and a
// value taken from the same record must come back as stored, the other
// fields untouched.
TEST(RecordTableTest, PackedFieldsKeepEveryValue) {
    const std::string binary("a\0|\x80\xff\r\n", 7);
    const std::vector<std::string> values = {"",
                                             "x",
                                             std::string(127, 'a'),
                                             std::string(128, 'b'),
                                             std::string(16383, 'c'),
                                             std::string(16384, 'd'),
                                             std::string(300000, 'e'),
                                             binary};
    RecordTable t(4);
    const int n = t.Add();
    t.Set(n, 0, "first");
    t.Set(n, 3, "last");
    for (const auto& v : values) {
        t.Set(n, 1, v);
        EXPECT_EQ(t.Get(n, 1), v) << v.size() << " bytes";
        EXPECT_EQ(t.Record(n), (std::vector<std::string>{"first", v, "", "last"}));
    }
    t.Set(n, 2, t.Get(n, 0));  // a view into the record being changed
    t.Set(n, 0, t.Get(n, 0).substr(1));
    EXPECT_EQ(t.Record(n), (std::vector<std::string>{"irst", binary, "first", "last"}));
    EXPECT_THROW(t.Set(n, 4, "x"), std::out_of_range);
    t.Set(0, 1, "slot 0");
    t.Clear();
    EXPECT_EQ(t.Get(0, 1), "slot 0") << "Clear keeps slot 0";
    t.Reset();
    EXPECT_EQ(t.Get(0, 1), "");
}

}  // namespace
}  // namespace vantor
