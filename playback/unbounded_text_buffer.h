// A text store for GtkEntry without GtkEntryBuffer's 64 KiB cap: an address may be longer.
#pragma once

#include <gtk/gtk.h>

namespace tavrino {

// A new, empty buffer (full reference, not floating).
GtkEntryBuffer* NewUnboundedTextBuffer();

}  // namespace tavrino
