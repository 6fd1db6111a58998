#pragma once
// The five test types as vantor-cli names them, each with a new test of its
// own, for the tests that hold every type to the same behaviour. Header only:
// the UI test programs share the support sources and need none of this.
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "biomech/BioTestFile.h"
#include "component/CompTestFile.h"
#include "swg/SWGTestFile.h"
#include "tca/TcaTestFile.h"
#include "vehicle/VehTestFile.h"

namespace vantor::test {

struct TestType {
    std::string name;  // the --type word of vantor-cli
    std::function<std::unique_ptr<TestFileType>()> make;
};

inline const std::vector<TestType>& TestTypes() {
    static const std::vector<TestType> types = {
        {"vehicle", [] { return std::make_unique<VehTestFile>(); }},
        {"component", [] { return std::make_unique<CompTestFile>(); }},
        {"biomech", [] { return std::make_unique<BioTestFile>(); }},
        {"swg", [] { return std::make_unique<SWGTestFile>(); }},
        {"tca", [] { return std::make_unique<TcaTestFile>(); }},
    };
    return types;
}

inline std::unique_ptr<TestFileType> MakeTestType(const std::string& name) {
    for (const TestType& type : TestTypes())
        if (type.name == name) return type.make();
    throw std::invalid_argument("no test type " + name);
}

}  // namespace vantor::test
