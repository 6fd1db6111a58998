#pragma once
// The program's product version, "major.minor.patch.build", as the launcher
// and the About box show it. It is the version the build gives the project.
#include <string>

namespace vantor {

std::string ProductVersion();

}  // namespace vantor
