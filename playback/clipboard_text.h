// Turning the bytes an owner puts on the clipboard into the program's text.
#pragma once

#include <string>
#include <string_view>

namespace tavrino {

enum class ClipboardEncoding { kUtf8, kLatin1 };

// The text up to its first NUL, as valid UTF-8: sequences that are not valid in the declared
// encoding become U+FFFD, the rest is kept as it is.
std::string ClipboardTextFromBytes(std::string_view bytes, ClipboardEncoding encoding);

}  // namespace tavrino
