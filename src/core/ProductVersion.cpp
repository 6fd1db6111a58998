#include "core/ProductVersion.h"

#include <cstdio>

namespace vantor {

std::string ProductVersion() {
    // Each part is a 16-bit number, as in a program file's version block; an
    // absent part (a project version with fewer numbers) counts as 0.
    unsigned parts[] = {VANTOR_VERSION_MAJOR + 0u, VANTOR_VERSION_MINOR + 0u,
                        VANTOR_VERSION_PATCH + 0u, VANTOR_VERSION_TWEAK + 0u};
    char text[32];
    std::snprintf(text, sizeof text, "%u.%u.%u.%u", parts[0] & 0xFFFFu, parts[1] & 0xFFFFu,
                  parts[2] & 0xFFFFu, parts[3] & 0xFFFFu);
    return text;
}

}  // namespace vantor
