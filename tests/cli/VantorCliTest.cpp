// Runs the vantor-cli program itself: exit statuses, stdout and the stderr
// lines that stand in for the editor's message boxes.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "support/TestSupport.h"

namespace vantor {
namespace {

using test::CliRun;
using test::RunCli;

const std::string kNotRegular = " is not a regular file; nothing was read from it.\n";

// Opens the FIFO for writing once the test is over, or after a while, so that
// a reader that waits on it ends and the test fails instead of hanging.
class FifoRescue {
  public:
    explicit FifoRescue(std::string path) : path_(std::move(path)) {
        ::mkfifo(path_.c_str(), 0600);
        thread_ = std::thread([this] {
            for (int i = 0; i < 100 && !done_; ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
            int fd = ::open(path_.c_str(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) ::close(fd);
        });
    }
    ~FifoRescue() {
        done_ = true;
        thread_.join();
    }

  private:
    std::string path_;
    std::atomic<bool> done_{false};
    std::thread thread_;
};

// An input that cannot be opened, cannot be read or is no regular file
// leaves OUT as it was, for every type, whether converting or reporting.
TEST(VantorCliTest, BadInputLeavesTheOutputAlone) {
    test::TempDir dir;
    test::WriteBytes(dir.Path("vehicle.qx5"), "----- TEST -----\r\n----- END -----\r\n");
    test::WriteBytes(dir.Path("vehicle.qx4"), "no sections\r\n");
    test::WriteBytes(dir.Path("component.qx5"), "----- TEST -----\r\nB5|T| | | | | |STA| |0|\r\n");
    test::WriteBytes(dir.Path("biomech.gr6"), "short\r\n");
    test::WriteBytes(dir.Path("swg.qx5"), std::string(4, '\0'));
    test::WriteBytes(dir.Path("tca.qx5"), "# Source: x\r\n----- END -----\r\n");
    FifoRescue fifo(dir.Path("pipe.qx5"));
    struct Case {
        std::string type, input, why;  // why: "opened", "read", or empty for the FIFO
    };
    std::vector<Case> cases = {{"vehicle", "vehicle.qx5", "read"},
                               {"vehicle", "vehicle.qx4", "read"},
                               {"component", "component.qx5", "read"},
                               {"biomech", "biomech.gr6", "read"},
                               {"swg", "swg.qx5", "read"},
                               {"tca", "tca.qx5", "read"}};
    for (const char* type : {"swg", "vehicle", "component", "biomech", "tca"}) {
        cases.push_back({type, "missing.qx5", "opened"});
        cases.push_back({type, "pipe.qx5", ""});
    }
    for (const auto& c : cases) {
        for (const char* command : {"convert", "report"}) {
            SCOPED_TRACE(std::string(command) + " " + c.type + " " + c.input);
            const std::string out =
                dir.Path(std::string("out.") + (command[0] == 'c' ? "qx5" : "qxr"));
            test::WriteBytes(out, "previous\r\n");
            CliRun r = RunCli(dir, std::string(command) + " --type " + c.type + " -o " + out + " " +
                                       dir.Path(c.input));
            EXPECT_EQ(r.status, 1);
            const std::string said =
                c.why.empty()
                    ? dir.Path(c.input) + kNotRegular
                    : out + " was not written because an input could not be " + c.why + ".\n";
            EXPECT_NE(r.err.find(said), std::string::npos) << r.err;
            EXPECT_EQ(test::ReadBytes(out), "previous\r\n");
        }
    }
}

TEST(VantorCliTest, FifosAreRefusedAsSideFilesAndCodes) {
    test::TempDir dir;
    {
        test::WriteBytes(dir.Path("t.qx5"), test::ReadBytes(test::DataFile("vehicle/full.qx5")));
        FifoRescue hs5(dir.Path("t.hs5"));
        FifoRescue ip5(dir.Path("t.ip5"));
        CliRun r =
            RunCli(dir, "convert --type vehicle -o " + dir.Path("o.qx5") + " " + dir.Path("t.qx5"));
        EXPECT_NE(r.err.find(dir.Path("t.hs5") + kNotRegular), std::string::npos) << r.err;
        EXPECT_NE(r.err.find(dir.Path("t.ip5") + kNotRegular), std::string::npos) << r.err;
    }
    FifoRescue codes(dir.Path("codes.mdb"));
    CliRun r = RunCli(dir, "check --type swg --codes " + dir.Path("codes.mdb") + " " +
                               test::DataFile("swg/full.qx5"));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Error: " + dir.Path("codes.mdb") + kNotRegular);
}

TEST(VantorCliTest, StatusesAndMessages) {
    test::TempDir dir;
    test::WriteBytes(dir.Path("bad.qx5"), "----- TEST -----\r\nS5|A|B\r\n");
    test::WriteBytes(dir.Path("T1.qx5"), "");
    test::WriteBytes(dir.Path("T1.001"), "1\r\n");
    const std::string out = " -o " + dir.Path("o.qx5") + " ";
    struct Case {
        std::string args;
        int status;
        std::string out, errStart;
    } cases[] = {
        {"--version", 0, "vantor-cli 5.0.0.1\n", ""},
        {"convert --help", 0, "usage:\n", ""},
        {"convert --type swg" + out + dir.Path("none.qx5"), 1, "",
         "Error: Can't open file " + dir.Path("none.qx5") + ", error = 2\n\n"},
        {"convert --type swg" + out + dir.Path("bad.qx5"), 1, "",
         "Error: This QX5 file has 2 | characters in the TEST section, should have 14.\n"},
        {"convert --type swg" + out + dir.Path("bad.txt"), 1, "", "Error: "},
        {"check --type swg --codes " + dir.Path("none.mdb") + " " + dir.Path("bad.qx5"), 1, "",
         "Error: "},
        {"convert --type swg " + dir.Path("bad.qx5"), 2, "", "vantor-cli: -o is required\n"},
        {"convert" + out + dir.Path("bad.qx5"), 2, "", "vantor-cli: --type is required\n"},
        {"convert --type nosuch" + out + dir.Path("bad.qx5"), 2, "", "vantor-cli: unknown"},
        {"convert --type swg" + out, 2, "", "vantor-cli: no input file\n"},
        {"mangle --type swg" + out + dir.Path("bad.qx5"), 2, "", "vantor-cli: unknown command"},
        {"", 2, "", "usage:\n"},
        {"curves --type swg " + dir.Path("T1.qx5"), 2, "",
         "Error: The swg test has no curve check.\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args);
        CliRun r = RunCli(dir, c.args);
        EXPECT_EQ(r.status, c.status);
        EXPECT_TRUE(c.out.empty() ? r.out.empty() : r.out.starts_with(c.out)) << r.out;
        EXPECT_TRUE(r.err.starts_with(c.errStart)) << r.err;
    }
}

}  // namespace
}  // namespace vantor
