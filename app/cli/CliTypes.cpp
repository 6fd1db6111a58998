#include "CliTypes.h"

#include "biomech/BioTestFile.h"
#include "component/CompTestFile.h"
#include "swg/SWGTestFile.h"
#include "tca/TcaTestFile.h"
#include "vehicle/VehTestFile.h"

// Each test type registers here with one line.

namespace vantor::cli {

std::unique_ptr<TestFileType> MakeTestType(std::string_view name) {
    if (name == "swg") return std::make_unique<SWGTestFile>();
    if (name == "tca") return std::make_unique<TcaTestFile>();
    if (name == "component") return MakeComponentTestType();
    if (name == "biomech") return std::make_unique<BioTestFile>();
    if (name == "vehicle") return std::make_unique<VehTestFile>();
    return nullptr;
}

}  // namespace vantor::cli
