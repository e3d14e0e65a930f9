#include "playback/clipboard_text.h"

#include <glib.h>

#include <memory>

namespace tavrino {

std::string ClipboardTextFromBytes(std::string_view bytes, ClipboardEncoding encoding) {
  bytes = bytes.substr(0, bytes.find('\0'));
  if (encoding == ClipboardEncoding::kLatin1) {
    std::string text;
    text.reserve(bytes.size());
    for (unsigned char byte : bytes) {
      if (byte < 0x80) {
        text += static_cast<char>(byte);
      } else {
        text += static_cast<char>(0xC0 | (byte >> 6));
        text += static_cast<char>(0x80 | (byte & 0x3F));
      }
    }
    return text;
  }
  const std::unique_ptr<gchar, decltype(&g_free)> valid(
      g_utf8_make_valid(bytes.data(), static_cast<gssize>(bytes.size())), &g_free);
  return valid.get();
}

}  // namespace tavrino
