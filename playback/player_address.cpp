#include "playback/player_address.h"

namespace tavrino {

std::string ServicePrefix() {
  std::string prefix = "https://";
  prefix += ServiceHost();
  prefix += "/webcloud/?v=";
  return prefix;
}

std::string PlayerAddress(std::string_view box_text) {
  std::string address = ServicePrefix();
  address += box_text;
  return address;
}

}  // namespace tavrino
