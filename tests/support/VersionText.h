#pragma once

#include "about/Version.h"

#include <string>

namespace lopena::testing {

// What the About window says of the version the build was made with.
inline std::string versionText() {
    return "Versiunea " + std::to_string(version::major) + "." + std::to_string(version::minor) +
           "." + std::to_string(version::revision);
}

} // namespace lopena::testing
