#include "playback/pick_up_clipboard.h"

#include "playback/trim_blanks.h"

namespace tavrino {

void PickUpClipboard(AddressBox& box, ClipboardReader& clipboard) {
  box.WriteText(TrimBlanks(clipboard.ReadClipboardText()));
}

}  // namespace tavrino
