#pragma once

#include <optional>
#include <string>

namespace tkqt {

// Writes `bytes` to `path` so that an existing file is either fully replaced or left exactly
// as it was: a temporary file beside it is renamed over it once every byte is written.
// A path that names a device or a pipe is written directly, since it cannot be replaced.
// Returns the system's reason on failure, nothing on success.
std::optional<std::string> writeFileAtomically(const std::string& path, const std::string& bytes);

} // namespace tkqt
