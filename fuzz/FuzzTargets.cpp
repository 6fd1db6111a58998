#include "FuzzTargets.h"

#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <sstream>

#include "biomech/BioTestFile.h"
#include "component/CompTestFile.h"
#include "core/Messages.h"
#include "curves/CurveFileReader.h"
#include "swg/SWGTestFile.h"
#include "tca/TcaTestFile.h"
#include "vehicle/CIntrusionData.h"
#include "vehicle/VehTestFile.h"
#include "vehicle/VehTestRules.h"
#include "video/CHighSpeedVideoData.h"

namespace vantor::fuzz {

namespace fs = std::filesystem;

namespace {

// A folder of this process's own, emptied before every input and removed at
// exit; parallel fuzzing jobs never share files.
class Scratch {
  public:
    Scratch() {
        // Both writes of a round trip carry the same "# Date:" line.
        ::setenv("TZ", "UTC", 1);
        ::setenv("SOURCE_DATE_EPOCH", "1236384000", 1);
        ::tzset();
        std::string pattern = (fs::temp_directory_path() / "vantor-fuzz-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) {
            std::perror("mkdtemp");
            std::abort();
        }
        root_ = pattern;
    }
    ~Scratch() {
        std::error_code ec;
        fs::remove_all(root_, ec);
    }
    // Empties the folder and makes the sub-folders named.
    void Fresh(std::initializer_list<const char*> folders) {
        std::error_code ec;
        for (const auto& entry : fs::directory_iterator(root_, ec))
            fs::remove_all(entry.path(), ec);
        for (const char* f : folders)
            fs::create_directory(root_ / f);
    }
    std::string Path(const char* folder, const std::string& name) const {
        return (root_ / folder / name).string();
    }
    std::string Folder(const char* folder) const { return (root_ / folder).string() + "/"; }

  private:
    fs::path root_;
};

Scratch& TheScratch() {
    static Scratch scratch;
    return scratch;
}

void WriteFile(const std::string& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        std::abort();
    }
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Every file of a folder by name.
std::map<std::string, std::string> FolderFiles(const std::string& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(folder))
        files[entry.path().filename().string()] = ReadFile(entry.path());
    return files;
}

std::string Escaped(std::string_view bytes) {
    std::string out;
    for (unsigned char c : bytes) {
        if (c == '\\') {
            out += "\\\\";
        } else if (c >= 0x20 && c < 0x7f) {
            out += static_cast<char>(c);
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02x", c);
            out += hex;
        }
    }
    return out;
}

[[noreturn]] void Fault(const std::string& what) {
    std::fprintf(stderr, "\n*** round-trip fault: %s\n", what.c_str());
    std::fflush(stderr);
    std::abort();
}

// The first place where two writes of the same test differ, for the report.
std::string Difference(const std::map<std::string, std::string>& first,
                       const std::map<std::string, std::string>& second) {
    std::ostringstream s;
    for (const auto& [name, bytes] : first) {
        auto other = second.find(name);
        if (other == second.end()) {
            s << name << " written first, not second";
            return s.str();
        }
        if (other->second == bytes) continue;
        size_t at = 0;
        while (at < bytes.size() && at < other->second.size() && bytes[at] == other->second[at])
            ++at;
        const size_t from = bytes.rfind('\n', at == 0 ? 0 : at - 1);
        const size_t start = from == std::string::npos ? 0 : from + 1;
        s << name << " differs at byte " << at << "\n  first:  "
          << Escaped(std::string_view(bytes).substr(start, at - start + 80)) << "\n  second: "
          << Escaped(std::string_view(other->second).substr(start, at - start + 80));
        return s.str();
    }
    for (const auto& [name, bytes] : second)
        if (!first.count(name)) s << name << " written second, not first";
    return s.str();
}

// Every box shown, caption and text, with the scratch folder taken out of the
// paths so that boxes about the input and about the written file compare.
class BoxRecorder : public RecordingMessages {
  public:
    explicit BoxRecorder(std::string folder) : folder_(std::move(folder)), scope_(*this) {}
    std::vector<std::string> Boxes() const {
        std::vector<std::string> boxes;
        for (const RecordedMessage& m : All()) {
            if (m.kind == MessageKind::Question) continue;
            std::string text = m.caption + ": " + m.text;
            for (size_t at; (at = text.find(folder_)) != std::string::npos;)
                text.erase(at, folder_.size());
            boxes.push_back(text);
        }
        return boxes;
    }

  private:
    std::string folder_;
    ScopedMessages scope_;
};

std::string Listed(const std::vector<std::string>& boxes) {
    std::string out;
    for (const std::string& b : boxes)
        out += "\n  " + Escaped(b);
    return out.empty() ? "\n  (none)" : out;
}

// Boxes of the second read that the first did not show.
void CheckNoNewBoxes(const std::vector<std::string>& first, const std::vector<std::string>& second) {
    for (const std::string& box : second)
        if (std::find(first.begin(), first.end(), box) == first.end())
            Fault("reading back what was written shows a box the first read did not:\n  " +
                  Escaped(box) + "\nfirst read showed:" + Listed(first));
}

// Reads the input as a user loads it into a new test, checks it, saves the
// test and its report; then loads the saved test into another new test and
// saves it again. The two saves must write the same files, and the second
// load must not fail or complain where the first did not.
template <class TestFile>
int TestFileRoundTrip(std::string_view input, const std::string& inputName) {
    Scratch& scratch = TheScratch();
    scratch.Fresh({"in", "w1", "w2", "report"});
    const std::string in = scratch.Path("in", inputName);
    WriteFile(in, input);

    bool loaded1 = false;
    bool saved1 = false;
    std::vector<std::string> boxes1;
    {
        BoxRecorder boxes(scratch.Folder("in"));
        TestFile first;
        loaded1 = first.Load(in);
        boxes1 = boxes.Boxes();
        std::vector<FieldIssue> issues;
        first.Check(nullptr, issues);
        first.SaveReport(scratch.Path("report", "test.qxr"));
        saved1 = first.Save(scratch.Path("w1", "test.qx5"));
    }
    // A refused save writes nothing; there is nothing to read back.
    if (!fs::exists(scratch.Path("w1", "test.qx5"))) return 0;

    BoxRecorder boxes(scratch.Folder("w1"));
    TestFile second;
    const bool loaded2 = second.Load(scratch.Path("w1", "test.qx5"));
    const std::vector<std::string> boxes2 = boxes.Boxes();
    if (loaded1 && !loaded2)
        Fault("the saved test does not load back; boxes:" + Listed(boxes2));
    CheckNoNewBoxes(boxes1, boxes2);
    const bool saved2 = second.Save(scratch.Path("w2", "test.qx5"));
    if (saved1 && !saved2)
        Fault("the test read back is refused by the save that wrote it; boxes:" +
              Listed(boxes.Boxes()));
    const auto files1 = FolderFiles(scratch.Folder("w1"));
    const auto files2 = FolderFiles(scratch.Folder("w2"));
    if (files1 != files2)
        Fault("saving the test read back writes other bytes: " + Difference(files1, files2));
    return 0;
}

// The same round trip for a side file alone: read, check, write it and its
// report, read back, write again.
template <class SideData>
int SideFileRoundTrip(std::string_view input, const char* ext,
                      const std::function<bool(SideData&, const std::string&)>& read,
                      const std::function<bool(const SideData&, const std::string&)>& write,
                      const std::function<void(const SideData&, const std::string&)>& writeReport,
                      const std::function<void(const SideData&)>& check) {
    Scratch& scratch = TheScratch();
    scratch.Fresh({"in", "w1", "w2", "report"});
    const std::string name = std::string("test.") + ext;
    const std::string in = scratch.Path("in", name);
    WriteFile(in, input);

    bool read1 = false;
    std::vector<std::string> boxes1;
    {
        BoxRecorder boxes(scratch.Folder("in"));
        SideData first;
        read1 = read(first, in);
        boxes1 = boxes.Boxes();
        check(first);
        writeReport(first, scratch.Path("report", name));
        if (!write(first, scratch.Path("w1", name))) return 0;
    }
    BoxRecorder boxes(scratch.Folder("w1"));
    SideData second;
    const bool read2 = read(second, scratch.Path("w1", name));
    if (read1 && !read2) Fault("the written file does not read back; boxes:" + Listed(boxes.Boxes()));
    CheckNoNewBoxes(boxes1, boxes.Boxes());
    if (!write(second, scratch.Path("w2", name)))
        Fault("what was read back is refused by the writer that wrote it");
    const auto files1 = FolderFiles(scratch.Folder("w1"));
    const auto files2 = FolderFiles(scratch.Folder("w2"));
    if (files1 != files2)
        Fault("writing what was read back writes other bytes: " + Difference(files1, files2));
    return 0;
}

int Hs5RoundTrip(std::string_view input) {
    return SideFileRoundTrip<CHighSpeedVideoData>(
        input, "hs5", [](CHighSpeedVideoData& d, const std::string& p) { return d.ReadHs5(p, true); },
        // As a test's save writes it: only cameras that pass their rules.
        [](const CHighSpeedVideoData& d, const std::string& p) {
            return d.CamerasValid() && d.WriteHs5(p);
        },
        [](const CHighSpeedVideoData& d, const std::string& p) { d.WriteHsr(p); },
        [](const CHighSpeedVideoData& d) {
            std::vector<FieldIssue> issues;
            d.CheckCameras(nullptr, issues);
        });
}

int Ip5RoundTrip(std::string_view input) {
    return SideFileRoundTrip<CIntrusionData>(
        input, "ip5", [](CIntrusionData& d, const std::string& p) { return d.ReadIp5(p, true); },
        // As a vehicle test's save writes it: only records that pass their
        // checks (two vehicles allow every vehicle number a test can have).
        [](const CIntrusionData& d, const std::string& p) {
            std::vector<FieldIssue> issues;
            CheckIntrusion(d, 2, nullptr, issues);
            return issues.empty() && d.WriteIp5(p);
        },
        [](const CIntrusionData& d, const std::string& p) { d.WriteIpr(p); },
        [](const CIntrusionData& d) {
            std::vector<FieldIssue> issues;
            d.CheckRecordLines(issues);
        });
}

// A curve file has no writer; its reader streams the file through a buffer,
// so what it finds must not depend on where the buffer splits the lines.
int CurveReadback(std::string_view input) {
    Scratch& scratch = TheScratch();
    scratch.Fresh({"in"});
    const std::string in = scratch.Path("in", "curve.001");
    WriteFile(in, input);

    struct Result {
        CurveInfo info;
        std::vector<std::string> reports;
        std::string Text() const {
            std::ostringstream s;
            s << "columns " << info.columns << ", points " << info.totalPointsCurve << ", first "
              << info.firstPointCurve << ", last " << info.lastPointCurve << ", step "
              << info.timeStepCurve << (info.timeStepFound ? " (found)" : " (none)") << ", bad "
              << info.badLines << ", error \"" << Escaped(info.fileError) << "\"";
            for (const std::string& r : reports)
                s << "\n    " << Escaped(r);
            return s.str();
        }
    };
    auto read = [&](size_t bufferSize) {
        Result r;
        CurveFileReader reader(bufferSize);
        reader.SetErrorSink([&](const std::string& report) { r.reports.push_back(report); });
        reader.Read(in, r.info);
        return r;
    };
    const std::string whole = read(size_t{1} << 16).Text();
    for (size_t bufferSize : {1, 2, 3, 7, 64}) {
        const std::string split = read(bufferSize).Text();
        if (split != whole)
            Fault("a " + std::to_string(bufferSize) + "-byte read buffer reads otherwise:\n  whole: " +
                  whole + "\n  split: " + split);
    }
    return 0;
}

// A QX3 target's first byte names the group file (its extension's last
// character, "1" for ".gr1"); any other byte picks one by its value. The
// rest of the input is the file.
template <class TestFile>
int GroupFileRoundTrip(const std::uint8_t* data, size_t size, std::string_view groups) {
    if (size == 0) return 0;
    char group = static_cast<char>(std::tolower(data[0]));
    if (groups.find(group) == std::string_view::npos) group = groups[data[0] % groups.size()];
    const std::string_view file(reinterpret_cast<const char*>(data) + 1, size - 1);
    return TestFileRoundTrip<TestFile>(file, std::string("test.gr") + group);
}

struct Target {
    const char* name;
    std::function<int(const std::uint8_t*, size_t)> run;
};

std::string_view Bytes(const std::uint8_t* data, size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

template <class TestFile>
Target TestFileTarget(const char* name, const char* ext) {
    return {name, [ext](const std::uint8_t* d, size_t n) {
                return TestFileRoundTrip<TestFile>(Bytes(d, n), std::string("test.") + ext);
            }};
}

template <class TestFile>
Target GroupFileTarget(const char* name, std::string_view groups) {
    return {name, [groups](const std::uint8_t* d, size_t n) {
                return GroupFileRoundTrip<TestFile>(d, n, groups);
            }};
}

const std::vector<Target>& Targets() {
    static const std::vector<Target> targets = {
        TestFileTarget<VehTestFile>("vehicle_qx5", "qx5"),
        TestFileTarget<VehTestFile>("vehicle_qx4", "qx4"),
        GroupFileTarget<VehTestFile>("vehicle_qx3", "12345"),
        TestFileTarget<CompTestFile>("component_qx5", "qx5"),
        TestFileTarget<CompTestFile>("component_qx4", "qx4"),
        GroupFileTarget<CompTestFile>("component_qx3", "159"),
        TestFileTarget<BioTestFile>("biomech_qx5", "qx5"),
        TestFileTarget<BioTestFile>("biomech_qx4", "qx4"),
        GroupFileTarget<BioTestFile>("biomech_qx3", "15678yz"),
        TestFileTarget<SWGTestFile>("swg_qx5", "qx5"),
        TestFileTarget<SWGTestFile>("swg_qx4", "qx4"),
        GroupFileTarget<SWGTestFile>("swg_qx3", "15"),
        TestFileTarget<TcaTestFile>("tca_qx5", "qx5"),
        {"hs5", [](const std::uint8_t* d, size_t n) { return Hs5RoundTrip(Bytes(d, n)); }},
        {"ip5", [](const std::uint8_t* d, size_t n) { return Ip5RoundTrip(Bytes(d, n)); }},
        {"curve", [](const std::uint8_t* d, size_t n) { return CurveReadback(Bytes(d, n)); }},
    };
    return targets;
}

}  // namespace

int RunTarget(std::string_view name, const std::uint8_t* data, std::size_t size) {
    for (const Target& t : Targets())
        if (name == t.name) return t.run(data, size);
    std::fprintf(stderr, "no fuzz target named %.*s\n", static_cast<int>(name.size()), name.data());
    std::abort();
}

}  // namespace vantor::fuzz
