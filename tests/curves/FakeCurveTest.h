#pragma once
// A test type that carries curves and nothing else, for the curve check's
// own tests: loading only notes the path, as a QX5 load does for the check.
#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "core/Messages.h"
#include "curves/CurveCheckedTest.h"

namespace vantor::test {

class FakeCurveTest : public TestFileType, public CurveCheckedTest {
  public:
    explicit FakeCurveTest(bool hasCurveCheck = true) : hasCurveCheck_(hasCurveCheck) {}

    // Records 1..n of first point, last point and time increment.
    void SetRecords(const std::vector<std::array<std::string, 3>>& records) {
        points_ = {{""}, {""}, {""}};
        for (const auto& r : records) {
            points_.firstPoints.push_back(r[0]);
            points_.lastPoints.push_back(r[1]);
            points_.timeIncrements.push_back(r[2]);
        }
    }

    bool LoadFile(const std::string& path) override {
        if (!std::filesystem::exists(path)) {
            ShowPlain("Can't open file " + path + ", error = 2\n", "Error");
            return false;
        }
        state_.ClearResults();
        state_.testPath = path;
        state_.enabled = 0;
        return true;
    }
    void ResetTest() override { state_ = {}; }
    bool Save(const std::string&) override { return false; }
    bool SaveReport(const std::string&) override { return false; }
    void Check(CodeLookup*, std::vector<FieldIssue>&) override {}
    CurveCheckState* CurveState() override { return hasCurveCheck_ ? &state_ : nullptr; }
    CurvePoints InstrumentationPoints() const override { return points_; }

    CurveCheckState& State() { return state_; }

  private:
    bool hasCurveCheck_;
    CurveCheckState state_;
    CurvePoints points_{{""}, {""}, {""}};
};

}  // namespace vantor::test
