#pragma once

#include <string>
#include <string_view>

namespace framework {

// Text as the program keeps it (UTF-8) from bytes of unknown origin: valid UTF-8 stays as it is,
// and every byte that is not part of a valid UTF-8 sequence is read as a Latin-1 character, so
// text saved by older programs in a one-byte encoding still opens.
std::string decodeUtf8OrLatin1(std::string_view bytes);

// A text file's contents: as decodeUtf8OrLatin1, after skipping a leading byte-order mark.
std::string decodeTextFile(std::string_view bytes);

} // namespace framework
