// The application icon in its four drawn sizes, compiled into the program (GResource).
#pragma once

#include <gdkmm/pixbuf.h>

#include <vector>

namespace tavrino {

// The icon at 16, 24, 32 and 256 pixels, for the window's icon list.
std::vector<Glib::RefPtr<Gdk::Pixbuf>> WindowIcons();

}  // namespace tavrino
