#include "codes/CodesDatabase.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "codes/CodesTestDatabase.h"
#include "support/TestSupport.h"

namespace vantor {
namespace {

constexpr const char* kVersions = R"(
CREATE TABLE DATABASE_VERSION (DATABASE_VERSION TEXT);
INSERT INTO DATABASE_VERSION VALUES ('2008.11.14');
INSERT INTO DATABASE_VERSION VALUES ('2009.02.27');
INSERT INTO DATABASE_VERSION VALUES ('2008.06.30');
CREATE TABLE KORVADB_MAKE (MAKE TEXT, MAKED TEXT, MAKE_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_MAKE VALUES ('09', 'FORD', '', 'VEHDB');
)";

// Leaves the shared connection closed whatever a test did.
class CodesDatabaseTest : public ::testing::Test {
  protected:
    void TearDown() override { CloseCodesDatabase(); }
    test::TempDir dir;
    test::MessageRecorder messages;
};

TEST_F(CodesDatabaseTest, FilesThatAreNoCodesDatabaseAreRefusedWithTheReason) {
    enum Kind { kMissing, kFolder, kBytes, kNoTables };
    std::string garbage;
    for (int i = 0; i < 8192; ++i)
        garbage += static_cast<char>((i * 7919) & 0xff);
    struct Case {
        const char* name;
        Kind kind;
        std::string bytes;
        std::vector<std::string> says;
    } cases[] = {
        {"missing file", kMissing, "", {"does not exist"}},
        {"folder", kFolder, "", {"is a folder"}},
        {"Access Jet file",
         kBytes,
         std::string("\x00\x01\x00\x00Standard Jet DB\x00", 20) + std::string(4076, 'Z'),
         {"Microsoft Access (Jet) database", "README", "convert"}},
        {"Access ACE file",
         kBytes,
         std::string("\x00\x01\x00\x00Standard ACE DB\x00", 20) + std::string(4076, '\0'),
         {"Microsoft Access (Jet) database"}},
        {"text file",
         kBytes,
         test::Crlf(std::string(40, 'x') + "\n"),
         {"is not an SQLite database"}},
        {"binary garbage", kBytes, garbage, {"is not an SQLite database"}},
        {"empty file", kBytes, "", {"is empty"}},
        {"database without tables", kNoTables, "", {"holds no tables"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempDir scratch;
        messages.Clear();
        const std::string path = scratch.Path("ncodes.mdb");
        if (c.kind == kFolder) std::filesystem::create_directory(path);
        if (c.kind == kBytes) test::WriteBytes(path, c.bytes);
        if (c.kind == kNoTables) test::WriteCodesDatabase(path, "PRAGMA user_version = 5;");
        EXPECT_FALSE(OpenCodesDatabase(path));
        EXPECT_FALSE(CodesDatabaseOpen());
        EXPECT_FALSE(SharedCodesConnection().IsOpen());
        ASSERT_EQ(messages.All().size(), 1u);
        EXPECT_EQ(messages.All()[0].caption, "Error");
        const std::string& text = messages.All()[0].text;
        EXPECT_NE(text.find(path), std::string::npos) << text;
        for (const auto& words : c.says)
            EXPECT_NE(text.find(words), std::string::npos) << text;
    }
}

TEST_F(CodesDatabaseTest, NoPathGivesTheConnectionMessage) {
    EXPECT_FALSE(OpenCodesDatabase(""));
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Code MDB connetion fails!"});
}

TEST_F(CodesDatabaseTest, OpenSetsTheFlagAndCloseClearsIt) {
    const auto path = test::WriteCodesDatabase(dir.Path("ncodes.mdb"), kVersions);
    EXPECT_FALSE(CodesDatabaseOpen());
    ASSERT_TRUE(OpenCodesDatabase(path));
    EXPECT_TRUE(CodesDatabaseOpen());
    EXPECT_EQ(QueryDatabaseVersion(), "2009.02.27");
    CloseCodesDatabase();
    EXPECT_FALSE(CodesDatabaseOpen());
    EXPECT_FALSE(SharedCodesConnection().IsOpen());
    CloseCodesDatabase();  // a second close does nothing
    EXPECT_TRUE(messages.All().empty());

    // A failed reopen leaves the flag cleared.
    ASSERT_TRUE(OpenCodesDatabase(path));
    EXPECT_FALSE(OpenCodesDatabase(dir.Path("missing.mdb")));
    EXPECT_FALSE(CodesDatabaseOpen());
}

TEST_F(CodesDatabaseTest, PathsWithUriCharactersOpen) {
    for (const char* name : {"codes?mode=rw.mdb", "a#b.mdb", "100%25 done.mdb", "o'k+1.mdb"}) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(OpenCodesDatabase(test::WriteCodesDatabase(dir.Path(name), kVersions)));
        EXPECT_EQ(QueryDatabaseVersion(), "2009.02.27");
    }
    // A relative path is taken from the current folder.
    const auto here = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path(""));
    const bool opened = OpenCodesDatabase("a#b.mdb");
    std::filesystem::current_path(here);
    ASSERT_TRUE(opened);
    EXPECT_EQ(QueryDatabaseVersion(), "2009.02.27");
    EXPECT_TRUE(messages.All().empty());
}

TEST_F(CodesDatabaseTest, DatabaseVersionWithoutRowsOrTable) {
    ASSERT_TRUE(OpenCodesDatabase(test::WriteCodesDatabase(
        dir.Path("empty.mdb"), "CREATE TABLE DATABASE_VERSION (DATABASE_VERSION TEXT);")));
    bool failed = true;
    EXPECT_EQ(QueryDatabaseVersion(&failed), std::nullopt);
    EXPECT_FALSE(failed);

    ASSERT_TRUE(OpenCodesDatabase(
        test::WriteCodesDatabase(dir.Path("other.mdb"), "CREATE TABLE KORVADB_MAKE (MAKE TEXT);")));
    EXPECT_EQ(QueryDatabaseVersion(&failed), "The codes database has no table DATABASE_VERSION.");
    EXPECT_TRUE(failed);
    // The launcher shows the text in its label: no message box.
    EXPECT_TRUE(messages.All().empty());
}

TEST_F(CodesDatabaseTest, ConnectionOnlyReads) {
    const auto path = test::WriteCodesDatabase(dir.Path("ncodes.mdb"), kVersions);
    CodesConnection connection;
    ASSERT_TRUE(connection.Open(path));
    CodesAnswer answer;
    struct Case {
        std::string sql;
        const char* says;
    } cases[] = {
        {"UPDATE KORVADB_MAKE SET MAKED = 'X'", "readonly"},
        {"DELETE FROM KORVADB_MAKE", "readonly"},
        {"SELECT MAKE FROM KORVADB_MAKE; DELETE FROM KORVADB_MAKE", "one statement at a time"},
        {std::string("SELECT MAKE FROM KORVADB_MAKE\0; DELETE", 38), "NUL"},
    };
    for (const auto& c : cases) {
        messages.Clear();
        EXPECT_FALSE(connection.Run(c.sql, answer)) << c.sql;
        ASSERT_EQ(messages.All().size(), 1u) << c.sql;
        EXPECT_NE(messages.All()[0].text.find(c.says), std::string::npos) << messages.All()[0].text;
    }
    messages.Clear();
    ASSERT_TRUE(connection.Run("SELECT MAKED FROM KORVADB_MAKE;  ", answer));
    EXPECT_EQ(answer.rows, (std::vector<std::vector<std::string>>{{"FORD"}}));
    EXPECT_TRUE(messages.All().empty());
}

}  // namespace
}  // namespace vantor
