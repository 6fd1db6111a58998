#pragma once
// The vehicle test as the editor's File menu and vantor-cli handle it: load
// by extension, save with the side files, report, whole-test check.
#include "core/TestFileType.h"
#include "curves/CurveCheckedTest.h"
#include "vehicle/CVehData.h"

namespace vantor {

inline constexpr std::string_view kNoVideoFileMessage =
    "Illegal data found. No high-speed video file output.";
inline constexpr std::string_view kNoIntrusionFileMessage =
    "Illegal data found. No intrusion file output.";

class VehTestFile : public TestFileType, public CurveCheckedTest {
  public:
    // The QX5 file (".qx5" appended unless the name has it) with the vehicle
    // count of the test configuration, then the ".hs5" and ".ip5" files when
    // their records pass their checks; an old ".hs5" or ".ip5" of that name is
    // removed when the test has no cameras or no intrusion points. False when
    // anything was not written.
    bool Save(const std::string& path) override;
    // The report (".qxr" appended unless the name has it), the ".hsr" report
    // when the cameras pass their check, and the ".ipr" report.
    bool SaveReport(const std::string& path) override;
    void Check(CodeLookup* codes, std::vector<FieldIssue>& out) override;

    CurveCheckState* CurveState() override { return &data_.curveCheck_; }
    CurvePoints InstrumentationPoints() const override;

    CVehData& Data() { return data_; }
    const CVehData& Data() const { return data_; }

  protected:
    // ".qx5" clears the test, reads it and its ".hs5" and ".ip5" side files;
    // ".qx4" clears and reads; ".gr1" to ".gr5" import into the current test.
    // A QX5 or QX4 file that cannot be read leaves the previous test as it was;
    // declining the clear loads nothing.
    bool LoadFile(const std::string& path) override;
    void ResetTest() override { data_.Reset(); }

  private:
    // Loaded, declined at the clear question, or not readable (the previous
    // test is then restored).

    CVehData data_;
};

}  // namespace vantor
