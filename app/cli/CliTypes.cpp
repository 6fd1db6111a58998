#include "CliTypes.h"

#include "swg/CSWGTestFile.h"

// Each test type registers here with one line.

namespace vantor::cli {

std::unique_ptr<TestFileType> MakeTestType(std::string_view name) {
    if (name == "swg") return std::make_unique<CSWGTestFile>();
    return nullptr;
}

}  // namespace vantor::cli
