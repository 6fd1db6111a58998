#pragma once
// The test types vantor-cli knows, and its access to the codes database.
#include <memory>
#include <string>
#include <string_view>

#include "core/FieldRule.h"
#include "core/TestFileType.h"

namespace vantor::cli {

// The type named on the command line (vehicle, component, biomech, swg,
// tca), or null when this build has no such type.
std::unique_ptr<TestFileType> MakeTestType(std::string_view name);

// Opens the codes database for `check`; null (after a message) when it cannot.
std::unique_ptr<CodeLookup> OpenCodes(const std::string& path);

}  // namespace vantor::cli
