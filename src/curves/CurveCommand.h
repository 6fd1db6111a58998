#pragma once
// `vantor-cli curves`: loads a test, checks the curve files beside it and
// prints the curve error list followed by the status line.
#include <ostream>
#include <string>

#include "core/TestFileType.h"

namespace vantor {

// Exit status: 0 when every curve agrees (or there is none), 1 when the test
// could not be loaded or any curve has a hint or a file error, 2 when the
// type has no curve check. Messages go through the messages layer.
int RunCurveCommand(TestFileType& test, const std::string& type, const std::string& input,
                    std::ostream& out);

}  // namespace vantor
