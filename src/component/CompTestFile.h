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
    CurveCheckState* CurveState() override { return &m_data.m_curveCheck; }
    CurvePoints InstrumentationPoints() const override;

    CCompData& Data() { return m_data; }

  protected:
    bool LoadFile(const std::string& path) override;
    void ResetTest() override { m_data.Reset(); }

  private:
    CCompData m_data;
};

std::unique_ptr<TestFileType> MakeComponentTestType();

}  // namespace vantor
