#include "playback/navigate_player.h"

#include "playback/player_address.h"

namespace tavrino {

void NavigatePlayer(const AddressBox& box, BrowserView& player) {
  player.SetUrl(PlayerAddress(box.ReadText()));
}

}  // namespace tavrino
