#include "CliTypes.h"

namespace vantor::cli {

std::unique_ptr<TestFileType> MakeTestType(std::string_view name) {
    (void)name;
    return nullptr;
}

}  // namespace vantor::cli
