// Sends the player view to the address built from the address box's text.
#pragma once

#include "playback/address_box.h"
#include "playback/browser_view.h"

namespace tavrino {

void NavigatePlayer(const AddressBox& box, BrowserView& player);

}  // namespace tavrino
