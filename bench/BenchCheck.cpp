// Speed and memory of `vantor-cli check` beside `convert` and `report`:
// generates vehicle tests of 10, 1,000 and 100,000 instrumentation records,
// runs each command as a child process and reads its CPU time and peak
// memory from wait4. Prints figures only; it never fails on speed.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Run {
    double cpu = 0;   // user + system seconds of the child
    long peakKb = 0;  // its peak resident memory
    int status = -1;
};

// Runs vantor-cli with the arguments, its output thrown away.
Run RunCli(const std::vector<std::string>& args) {
    std::vector<char*> argv;
    // VANTOR_CLI names another build to measure, e.g. that of an older commit.
    const char* other = std::getenv("VANTOR_CLI");
    std::string cli = other && *other ? other : VANTOR_CLI_PATH;
    argv.push_back(cli.data());
    std::vector<std::string> copies = args;
    for (auto& a : copies)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    Run run;
    pid_t pid = fork();
    if (pid == 0) {
        int null = open("/dev/null", O_WRONLY);
        dup2(null, 1);
        dup2(null, 2);
        execv(argv[0], argv.data());
        _exit(127);
    }
    if (pid < 0) return run;
    int status = 0;
    struct rusage usage {};
    if (wait4(pid, &status, 0, &usage) != pid) return run;
    run.cpu = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
              (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    run.peakKb = usage.ru_maxrss;
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

// The fastest of `repeat` runs, and the largest peak.
Run Best(const std::vector<std::string>& args, int repeat) {
    Run best;
    best.cpu = 1e300;
    for (int i = 0; i < repeat; ++i) {
        Run r = RunCli(args);
        best.cpu = std::min(best.cpu, r.cpu);
        best.peakKb = std::max(best.peakKb, r.peakKb);
        best.status = r.status;
    }
    return best;
}

// A vehicle test with codes of the shipped database in every coded field of
// its curves, so that each record asks the look-ups a check makes.
void WriteVehicleTest(const std::string& path, int curves) {
    std::ofstream out(path, std::ios::binary);
    const char* types[] = {"AC", "AD", "AR", "DP", "ES", "LC"};
    const char* locations[] = {"01", "02", "OT", "NA"};
    const char* attachments[] = {"ABDM", "AORT", "BELT", "BRFC", "BRKP", "CHST"};
    const char* axes[] = {"AS", "CN", "FG", "HA", "HS", "HY"};
    const char* units[] = {"BLN", "DEG", "DPS", "FET"};
    const char* dataStatus[] = {"AM", "CF", "CM"};
    const char* channelStatus[] = {"F", "P", "Q"};
    out << "# Source: Vantor for Windows v5 in Vehicle Test - No curve error checking\r\n"
           "# Date: <3/7/2009>\r\n"
           "----- QX5 -----\r\n"
           "----- TEST -----\r\n"
           "V5|Frontal pole impact|Measure occupant response|07-JAN-2009|TRC|DTNH22-08-D-00123|"
           "REF-2009-0042|NCA|PTV|CON|DRY|21|DDA|UMB|48.3|90|-150|320|2|Pole into driver side\r\n"
           "----- INSTRUMENTATION -----\r\n";
    for (int i = 1; i <= curves; ++i)
        out << 1 + i % 2 << "|" << i << "|" << types[i % 6] << "|" << locations[i % 4] << "|"
            << attachments[i % 6] << "|" << axes[i % 6] << "|SEC|" << units[i % 4]
            << "|1650|ENDEVCO MODEL 7264C SERIAL " << 10000 + i
            << "|01-MAR-2008|2000|100|48.3|-100|20000|100|" << dataStatus[i % 3] << "|"
            << channelStatus[i % 3] << "|Channel " << i << " of the driver dummy\r\n";
    out << "----- END -----\r\n";
}

}  // namespace

int main(int argc, char** argv) {
    int smallTests = 200;
    if (argc == 3 && std::string(argv[1]) == "--small")
        smallTests = std::max(1, std::atoi(argv[2]));
    const fs::path dir = fs::temp_directory_path() / ("bench_check." + std::to_string(getpid()));
    fs::create_directories(dir);
    const std::string codes = VANTOR_CODES_DATABASE;

    std::printf(
        "vantor-cli on a vehicle test: CPU time (user + system) and peak memory of\n"
        "each command as its own process; check / convert is the time ratio.\n\n");
    std::printf("%9s %10s %9s %9s %9s %8s %10s %10s %10s\n", "records", "file KB", "convert s",
                "report s", "check s", "chk/cnv", "cnv mem/f", "rep mem/f", "chk mem/f");
    for (int records : {10, 1000, 100000}) {
        const std::string input = (dir / ("test" + std::to_string(records) + ".qx5")).string();
        const std::string output = (dir / "out.qx5").string();
        const std::string report = (dir / "out.qxr").string();
        WriteVehicleTest(input, records);
        const double fileKb = static_cast<double>(fs::file_size(input)) / 1024.0;
        const int repeat = records >= 100000 ? 2 : 10;
        Run convert = Best({"convert", "--type", "vehicle", "-o", output, input}, repeat);
        Run rep = Best({"report", "--type", "vehicle", "-o", report, input}, repeat);
        Run check = Best({"check", "--type", "vehicle", "--codes", codes, input}, repeat);
        std::printf("%9d %10.0f %9.4f %9.4f %9.4f %8.2f %10.1f %10.1f %10.1f\n", records, fileKb,
                    convert.cpu, rep.cpu, check.cpu, convert.cpu > 0 ? check.cpu / convert.cpu : 0,
                    convert.peakKb / fileKb, rep.peakKb / fileKb, check.peakKb / fileKb);
        if (convert.status != 0 || rep.status != 0 || check.status < 0 || check.status > 1)
            std::printf("  (a command failed: convert %d, report %d, check %d)\n", convert.status,
                        rep.status, check.status);
    }

    // Small tests checked one process each, as a script over a folder would.
    const std::string small = (dir / "test10.qx5").string();
    auto start = std::chrono::steady_clock::now();
    double cpu = 0;
    for (int i = 0; i < smallTests; ++i)
        cpu += RunCli({"check", "--type", "vehicle", "--codes", codes, small}).cpu;
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf(
        "\n%d small tests checked one process each: %.0f tests/s (wall), %.0f tests/s "
        "(CPU)\n",
        smallTests, smallTests / wall, cpu > 0 ? smallTests / cpu : 0);
    fs::remove_all(dir);
    return 0;
}
