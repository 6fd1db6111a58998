#pragma once
// The SWG test as the File menu and vantor-cli handle it: loading by
// extension, Save Test and Save Report with the ".hs5"/".hsr" side files, and
// the whole-test check. SWG tests have no curve check.
#include "core/TestFileType.h"
#include "swg/CSWGData.h"

namespace vantor {

class SWGTestFile : public TestFileType {
  public:
    bool Save(const std::string& path) override;
    bool SaveReport(const std::string& path) override;
    void Check(CodeLookup* codes, std::vector<FieldIssue>& out) override;

    CSWGData& Data() { return data_; }

  protected:
    bool LoadFile(const std::string& path) override;
    void ResetTest() override { data_.Reset(); }

  private:
    CSWGData data_;
};

}  // namespace vantor
