// Removal of blanks at both ends of a text.
#pragma once

#include <string>
#include <string_view>

namespace tavrino {

// The UTF-8 text without its leading and trailing blanks. Blanks are exactly U+0020 SPACE and
// U+3000 IDEOGRAPHIC SPACE; tabs, line breaks, no-break spaces and blanks inside stay.
std::string TrimBlanks(std::string_view text);

}  // namespace tavrino
