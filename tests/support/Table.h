#pragma once

#include <ostream>
#include <string>

namespace lopena::testing {

// A row of a parametrised table. Its name names the test and stands for the row in the test
// list, where a plain struct would show as its bytes.
struct Row {
    const char* name;
};

inline std::ostream& operator<<(std::ostream& out, const Row& row) {
    return out << row.name;
}

// The name generator for INSTANTIATE_TEST_SUITE_P.
inline constexpr auto rowName = [](const auto& info) { return std::string(info.param.name); };

} // namespace lopena::testing
