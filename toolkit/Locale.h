#pragma once

#include <string>

namespace tk {

// The user's number conventions, read from the system by the platform and fixed in tests. Only
// the decimal separator is shown; numbers are never grouped, and read with either separator.
struct Locale {
    std::string decimalSeparator = ".";

    static Locale c() { return {"."}; }
    static Locale romanian() { return {","}; }
};

} // namespace tk
