#include "CliTypes.h"
#include "component/CompTestFileType.h"

// Each test type registers here with one line.

namespace vantor::cli {

std::unique_ptr<TestFileType> MakeTestType(std::string_view name) {
    if (name == "component") return MakeComponentTestType();
    return nullptr;
}

}  // namespace vantor::cli
