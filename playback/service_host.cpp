// Compiled into each executable with its own TAVRINO_SERVICE_HOST.
#include "playback/player_address.h"

#ifndef TAVRINO_SERVICE_HOST
#error "TAVRINO_SERVICE_HOST must name the video-parsing service's host"
#endif

namespace tavrino {

std::string_view ServiceHost() { return TAVRINO_SERVICE_HOST; }

}  // namespace tavrino
