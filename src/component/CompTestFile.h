#pragma once
// The component test as the File menu and vantor-cli handle it.
#include <memory>

#include "component/CCompData.h"
#include "core/TestFileType.h"
#include "curves/CurveCheckedTest.h"

namespace vantor {

class CompTestFile : public TestFileType, public CurveCheckedTest {
  public:
    bool Save(const std::string& path) override;
    bool SaveReport(const std::string& path) override;
    void Check(CodeLookup* codes, std::vector<FieldIssue>& out) override;
    CurveCheckState* CurveState() override { return &data_.curveCheck_; }
    CurvePoints InstrumentationPoints() const override;

    CCompData& Data() { return data_; }

  protected:
    bool LoadFile(const std::string& path) override;
    void ResetTest() override { data_.Reset(); }

  private:
    CCompData data_;
};

std::unique_ptr<TestFileType> MakeComponentTestType();

}  // namespace vantor
