#pragma once
// The biomechanics test as the editor's File menu and vantor-cli handle it.
#include "biomech/CBioData.h"
#include "core/TestFileType.h"
#include "curves/CurveCheckedTest.h"

namespace vantor {

class BioTestFile : public TestFileType, public CurveCheckedTest {
  public:
    CBioData& Data() { return data_; }

    // Refused, with the editor's message, when no occupant record would be
    // written. Cameras go to the ".hs5" file beside it when they pass their
    // check.
    bool Save(const std::string& path) override;
    bool SaveReport(const std::string& path) override;
    void Check(CodeLookup* codes, std::vector<FieldIssue>& out) override;

    CurveCheckState* CurveState() override { return &data_.curveCheck_; }
    CurvePoints InstrumentationPoints() const override;

  protected:
    // QX5 and QX4 files clear the test first (the editor's clear: occupant
    // type "CD"); a QX5 file brings its ".hs5" cameras. Group files are
    // imported into the test as it stands.
    bool LoadFile(const std::string& path) override;
    void ResetTest() override { data_.Clear(); }

  private:
    CBioData data_;
};

}  // namespace vantor
