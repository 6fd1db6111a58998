#pragma once
// A crash-avoidance test as vantor-cli handles it: QX5 files only, and no
// report file or curve check for this type.
#include <string>
#include <vector>

#include "core/TestFileType.h"
#include "tca/CTcaData.h"

namespace vantor {

class TcaTestFile : public TestFileType {
  public:
    bool Save(const std::string& path) override { return data_.Write(path); }
    // Refused with a message: a crash-avoidance test has no report file.
    bool SaveReport(const std::string& path) override;
    void Check(CodeLookup* codes, std::vector<FieldIssue>& out) override {
        data_.Check(codes, out);
    }

    CTcaData& Data() { return data_; }

  protected:
    // Reads a ".qx5" file and shows its read errors.
    bool LoadFile(const std::string& path) override;
    void ResetTest() override { data_.Clear(); }

  private:
    CTcaData data_;
};

}  // namespace vantor
