#include "CliTypes.h"
#include "core/Messages.h"

namespace vantor::cli {

std::unique_ptr<CodeLookup> OpenCodes(const std::string& path) {
    ShowPlain("The codes database " + path + " cannot be used by this build.", "Error");
    return nullptr;
}

}  // namespace vantor::cli
