// The player address: the video-parsing service's prefix followed by the address box's text.
#pragma once

#include <string>
#include <string_view>

namespace tavrino {

// Host (or host:port) of the video-parsing service, fixed when the executable is built.
std::string_view ServiceHost();

// "https://" + host + "/webcloud/?v=".
std::string ServicePrefix();

// The prefix followed by the text exactly as given: nothing encoded, trimmed or checked.
std::string PlayerAddress(std::string_view box_text);

}  // namespace tavrino
