#include "CliTypes.h"

#include "biomech/BioTestFileType.h"
#include "component/CompTestFileType.h"
#include "swg/CSWGTestFile.h"
#include "tca/CTcaFileType.h"
#include "vehicle/CVehTestFile.h"

// Each test type registers here with one line.

namespace vantor::cli {

std::unique_ptr<TestFileType> MakeTestType(std::string_view name) {
    if (name == "swg") return std::make_unique<CSWGTestFile>();
    if (name == "tca") return std::make_unique<CTcaFileType>();
    if (name == "component") return MakeComponentTestType();
    if (name == "biomech") return std::make_unique<BioTestFileType>();
    if (name == "vehicle") return std::make_unique<CVehTestFile>();
    return nullptr;
}

}  // namespace vantor::cli
