#include <iostream>
#include <string>

#include "core/TestFileType.h"
#include "curves/CurveCommand.h"

int RunCurvesCommand(vantor::TestFileType& test, const std::string& type,
                     const std::string& input) {
    return vantor::RunCurveCommand(test, type, input, std::cout);
}
