#pragma once

#include <string>

namespace tk {

// The user's number conventions, read from the system by the platform and fixed in tests.
struct Locale {
    std::string decimalSeparator = ".";
    std::string thousandsSeparator = ",";

    static Locale c() { return {".", ","}; }
    static Locale romanian() { return {",", "."}; }
};

} // namespace tk
