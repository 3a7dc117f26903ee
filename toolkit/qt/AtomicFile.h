#pragma once

#include <optional>
#include <string>

namespace tkqt {

// Writes `bytes` to `path` so that an existing file is either fully replaced or left exactly
// as it was: a temporary file beside it is renamed over it once every byte is written. A
// writable file in a folder that takes no temporary file is written over in place, its old
// bytes put back if the write fails. A path that names a device or a pipe is written directly,
// since it cannot be replaced.
// On failure returns the Romanian explanation: the kind of failure, the system's own text in
// parentheses, and what became of the old file. Nothing on success.
std::optional<std::string> writeFileAtomically(const std::string& path, const std::string& bytes);

} // namespace tkqt
