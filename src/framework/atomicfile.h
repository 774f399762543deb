#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace framework {

// Writes the bytes to a temporary file in the target's folder and renames it over the target
// only once every byte is on disk, so an existing file is never left half-written. Returns the
// empty string on success, otherwise why the file could not be written (the target is then as
// it was).
std::string writeFileAtomically(const std::filesystem::path& target, std::string_view bytes);

} // namespace framework
