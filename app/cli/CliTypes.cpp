#include "CliTypes.h"
#include "tca/CTcaFileType.h"
#include "vehicle/CVehTestFile.h"

// Each test type registers here with one line.

namespace vantor::cli {

std::unique_ptr<TestFileType> MakeTestType(std::string_view name) {
    if (name == "tca") return std::make_unique<CTcaFileType>();
    if (name == "vehicle") return std::make_unique<CVehTestFile>();
    (void)name;
    return nullptr;
}

}  // namespace vantor::cli
