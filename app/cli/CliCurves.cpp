#include <string>

#include "core/Messages.h"
#include "core/TestFileType.h"

int RunCurvesCommand(vantor::TestFileType&, const std::string& type, const std::string&) {
    vantor::ShowPlain("The curve check is not part of this build for type " + type + ".",
                      "Error");
    return 1;
}
