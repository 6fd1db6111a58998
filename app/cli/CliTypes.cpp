#include "CliTypes.h"
#include "tca/CTcaFileType.h"

// Each test type registers here with one line.

namespace vantor::cli {

std::unique_ptr<TestFileType> MakeTestType(std::string_view name) {
    if (name == "tca") return std::make_unique<CTcaFileType>();
    (void)name;
    return nullptr;
}

}  // namespace vantor::cli
