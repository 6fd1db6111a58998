// Speed of the curve check: generates a folder of A-Y and Y curve files,
// times the check over it beside a plain newline scan of the same bytes, and
// shows that the check's memory does not grow with the size of a curve file;
// then times a plot of the largest file.
// Prints figures only; it never fails on speed.
#include <sys/resource.h>
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "curves/CurveCheckedTest.h"
#include "curves/CurveChecker.h"
#include "curves/CurvePlot.h"

using namespace vantor;
namespace fs = std::filesystem;

namespace {

struct Options {
    int filesPerFormat = 40;
    int points = 100000;
    int repeat = 3;
    int bigFileFactor = 20;  // the memory probe's file holds this many times `points`
    bool keep = false;
};

constexpr int kPointsBeforeZero = 100;
constexpr double kStepSeconds = 0.0001;

void Usage() {
    std::printf(
        "usage: bench_curves [--full] [--files N] [--points N] [--repeat N] [--keep]\n"
        "  --files N   curve files of each format (A-Y and Y); default 40\n"
        "  --points N  points per curve file; default 100000\n"
        "  --full      200 files of each format, 100000 points each\n"
        "  --repeat N  timed rounds, the best one counts; default 3\n"
        "  --keep      leave the generated folder in place\n");
}

bool ParseOptions(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        auto number = [&](int& into) {
            if (i + 1 >= argc) return false;
            into = std::atoi(argv[++i]);
            return into > 0;
        };
        if (a == "--full") {
            o.filesPerFormat = 200;
            o.points = 100000;
        } else if (a == "--files") {
            if (!number(o.filesPerFormat)) return false;
        } else if (a == "--points") {
            if (!number(o.points)) return false;
        } else if (a == "--repeat") {
            if (!number(o.repeat)) return false;
        } else if (a == "--keep") {
            o.keep = true;
        } else {
            return false;
        }
    }
    return true;
}

double Seconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// The machine may be shared: CPU time (user and system, which includes the
// copies out of the page cache) is what the ratio is taken from.
double CpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + t.tv_nsec / 1e9;
}

struct Timing {
    double wall = 1e300, cpu = 1e300;
    template <class F>
    void Best(F&& run) {
        auto wallStart = std::chrono::steady_clock::now();
        double cpuStart = CpuSeconds();
        run();
        cpu = std::min(cpu, CpuSeconds() - cpuStart);
        wall = std::min(wall, Seconds(wallStart));
    }
};

long PeakRssKb() {
    struct rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// One curve file as a recorder writes it: CR LF line ends; A-Y lines carry
// the time in seconds from -0.01 with a zero-time point, Y lines the value.
bool WriteCurve(const std::string& path, int points, bool withTime, unsigned seed) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    static char buffer[1 << 16];
    std::setvbuf(f, buffer, _IOFBF, sizeof buffer);
    for (int i = 0; i < points; ++i) {
        double y = 100.0 * std::sin(0.001 * i + seed) + 0.37 * (i % 7);
        if (withTime)
            std::fprintf(f, "%.6f\t%.5f\r\n", (i - kPointsBeforeZero) * kStepSeconds, y);
        else
            std::fprintf(f, "%.5f\r\n", y);
    }
    return std::fclose(f) == 0;
}

// What any reader of these bytes must at least do: read them and find the
// line ends.
long long PlainScan(const std::vector<std::string>& files, std::vector<char>& buffer) {
    long long lines = 0;
    for (const auto& path : files) {
        std::FILE* f = std::fopen(path.c_str(), "rb");
        if (!f) continue;
        std::setvbuf(f, nullptr, _IONBF, 0);
        size_t got;
        while ((got = std::fread(buffer.data(), 1, buffer.size(), f)) > 0) {
            const char* p = buffer.data();
            const char* end = p + got;
            while ((p = static_cast<const char*>(std::memchr(p, '\n', end - p)))) {
                ++lines;
                ++p;
            }
        }
        std::fclose(f);
    }
    return lines;
}

// INSTRUMENTATION values that agree with the generated curves.
CurveCheckedTest::CurvePoints AgreeingPoints(int curves, int points) {
    CurveCheckedTest::CurvePoints p;
    p.firstPoints.assign(curves + 1, "");
    p.lastPoints.assign(curves + 1, "");
    p.timeIncrements.assign(curves + 1, "");
    for (int n = 1; n <= curves; ++n) {
        p.firstPoints[n] = std::to_string(-kPointsBeforeZero);
        p.lastPoints[n] = std::to_string(points - 1 - kPointsBeforeZero);
        p.timeIncrements[n] = std::to_string(static_cast<int>(kStepSeconds * 1e6 + 0.5));
    }
    return p;
}

struct CheckResult {
    int records = 0;
    int disagreeing = 0;
};

CheckResult RunCheck(const std::string& testPath, const CurveCheckedTest::CurvePoints& points) {
    CurveChecker checker(testPath);
    CheckResult r;
    r.records = checker.Run();
    checker.AttachTestValues(points.firstPoints, points.lastPoints, points.timeIncrements);
    for (const auto& info : checker.Records())
        r.disagreeing += info.HasError() ? 1 : 0;
    return r;
}

}  // namespace

int main(int argc, char** argv) {
#if !defined(__OPTIMIZE__)
    std::printf("note: built without optimisation; configure with -DCMAKE_BUILD_TYPE=Release\n");
#endif
    Options o;
    if (argc == 2 && (std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h")) {
        Usage();
        return 0;
    }
    if (!ParseOptions(argc, argv, o)) {
        Usage();
        return 2;
    }

    std::string pattern = (fs::temp_directory_path() / "vantor-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
        std::perror("bench_curves: temporary folder");
        return 1;
    }
    const fs::path dir = pattern;
    const std::string testPath = (dir / "bench.qx5").string();
    std::FILE* test = std::fopen(testPath.c_str(), "wb");
    if (test) std::fclose(test);

    const int curves = 2 * o.filesPerFormat;
    std::printf("curve check benchmark: %d A-Y and %d Y files of %d points in %s\n",
                o.filesPerFormat, o.filesPerFormat, o.points, dir.c_str());
    auto started = std::chrono::steady_clock::now();
    std::vector<std::string> files;
    long long bytes = 0;
    bool ok = true;
    for (int n = 1; n <= curves && ok; ++n) {
        char ext[16];
        std::snprintf(ext, sizeof ext, ".%03d", n);
        std::string path = (dir / ("bench" + std::string(ext))).string();
        ok = WriteCurve(path, o.points, n <= o.filesPerFormat, static_cast<unsigned>(n));
        files.push_back(path);
        std::error_code ec;
        bytes += static_cast<long long>(fs::file_size(path, ec));
    }
    if (!ok) {
        std::fprintf(stderr, "bench_curves: could not write the curve files\n");
        fs::remove_all(dir);
        return 1;
    }
    std::printf("generated %.1f MB in %.1f s\n", bytes / 1e6, Seconds(started));

    const auto points = AgreeingPoints(curves, o.points);
    std::vector<char> scanBuffer(size_t{1} << 16);
    PlainScan(files, scanBuffer);  // both start from the same warm page cache

    Timing scan, check;
    long long lines = 0;
    CheckResult result;
    long rssBeforeCheck = PeakRssKb();
    for (int round = 0; round < o.repeat; ++round) {
        scan.Best([&] { lines = PlainScan(files, scanBuffer); });
        check.Best([&] { result = RunCheck(testPath, points); });
    }
    long rssAfterCheck = PeakRssKb();

    const double mb = bytes / 1e6;
    std::printf("best of %d rounds; MB/s over CPU time (wall-clock time in brackets)\n", o.repeat);
    std::printf("plain newline scan: %8.1f MB/s (%8.1f)  %lld lines\n", mb / scan.cpu,
                mb / scan.wall, lines);
    std::printf("curve check:        %8.1f MB/s (%8.1f)  %d curves, %d disagreeing\n",
                mb / check.cpu, mb / check.wall, result.records, result.disagreeing);
    std::printf("ratio check/scan:   %8.2f      (%8.2f)  target: at least 0.25\n",
                scan.cpu / check.cpu, scan.wall / check.wall);
    std::printf("peak memory: %.1f MB before the check, %.1f MB after it\n",
                rssBeforeCheck / 1024.0, rssAfterCheck / 1024.0);

    // Memory probe: one curve file many times larger, alone in its folder.
    const fs::path bigDir = dir / "big";
    std::error_code ec;
    fs::create_directory(bigDir, ec);
    const std::string bigCurve = (bigDir / "big.001").string();
    const int bigPoints = o.points * o.bigFileFactor;
    if (!ec && WriteCurve(bigCurve, bigPoints, true, 1)) {
        long before = PeakRssKb();
        CheckResult big = RunCheck((bigDir / "big.qx5").string(), AgreeingPoints(1, bigPoints));
        long after = PeakRssKb();
        std::printf(
            "memory probe: a %.1f MB curve file (%d points, %d disagreeing) raised the peak "
            "memory by %ld kB\n",
            static_cast<double>(fs::file_size(bigCurve, ec)) / 1e6, bigPoints, big.disagreeing,
            after - before);

        // What the Plot button costs on that file: reading its points through
        // the curve reader and reducing them to a plot 1,000 pixels wide.
        Timing plot;
        size_t drawn = 0;
        for (int round = 0; round < o.repeat; ++round)
            plot.Best([&] {
                const CurvePlotData data = CurvePlot::Load(
                    bigCurve, {1, std::to_string(-kPointsBeforeZero),
                               std::to_string(bigPoints - kPointsBeforeZero - 1), "100", "SEC"});
                drawn = CurvePlot::Reduce(data.points, data.points.front().x,
                                          data.points.back().x, 1000)
                            .size();
            });
        std::printf("curve plot: %d points read and reduced to %zu in %.2f s CPU (%.2f s)\n",
                    bigPoints, drawn, plot.cpu, plot.wall);
    }

    if (o.keep)
        std::printf("kept %s\n", dir.c_str());
    else
        fs::remove_all(dir, ec);
    return 0;
}
