#pragma once
// The SWG test as the File menu and vantor-cli handle it: loading by
// extension, Save Test and Save Report with the ".hs5"/".hsr" side files, and
// the whole-test check. SWG tests have no curve check.
#include "core/TestFileType.h"
#include "swg/CSWGData.h"

namespace vantor {

class CSWGTestFile : public TestFileType {
  public:
    bool Load(const std::string& path) override;
    bool Save(const std::string& path) override;
    bool SaveReport(const std::string& path) override;
    void Check(CodeLookup* codes, std::vector<FieldIssue>& out) override;

    CSWGData& Data() { return data_; }

  private:
    // Resets the test; every clear but the first asks first. False when the
    // user keeps the entries.
    bool Clear();
    // Writes a side file of the test file when there are cameras and they
    // pass the camera rules.
    bool SaveSideFile(const std::string& testPath, bool report);

    CSWGData data_;
    bool firstClear_ = true;
};

}  // namespace vantor
