#include "playback/trim_blanks.h"

#include <array>

namespace tavrino {

namespace {

constexpr std::array<std::string_view, 2> kBlanks{" ", "\u3000"};

// UTF-8 never starts one character inside another, so matching whole encodings is enough.
bool StartsWithBlank(std::string_view text, std::size_t* length) {
  for (std::string_view blank : kBlanks) {
    if (text.starts_with(blank)) {
      *length = blank.size();
      return true;
    }
  }
  return false;
}

bool EndsWithBlank(std::string_view text, std::size_t* length) {
  for (std::string_view blank : kBlanks) {
    if (text.ends_with(blank)) {
      *length = blank.size();
      return true;
    }
  }
  return false;
}

}  // namespace

std::string TrimBlanks(std::string_view text) {
  std::size_t length = 0;
  while (StartsWithBlank(text, &length)) text.remove_prefix(length);
  while (EndsWithBlank(text, &length)) text.remove_suffix(length);
  return std::string(text);
}

}  // namespace tavrino
