// Replaces the address box's text with the clipboard's, trimmed of blanks at both ends.
#pragma once

#include "playback/address_box.h"
#include "playback/clipboard_reader.h"

namespace tavrino {

void PickUpClipboard(AddressBox& box, ClipboardReader& clipboard);

}  // namespace tavrino
