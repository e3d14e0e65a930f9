// The widths of the frame and title bar that the window manager puts around a top-level window.
#pragma once

#include <gdk/gdk.h>

namespace tavrino {

struct FrameExtents {
  int left = 0;
  int right = 0;
  int top = 0;
  int bottom = 0;
};

// The extents the window manager reports for the window now (_NET_FRAME_EXTENTS); zero where
// it reports none or the display is not X11.
FrameExtents CurrentFrameExtents(GdkWindow* window);

// For a realized window that has never been mapped: asks the window manager for the extents it
// will give the window (_NET_REQUEST_FRAME_EXTENTS) and waits a short while for the answer.
FrameExtents EstimateFrameExtents(GdkWindow* window);

}  // namespace tavrino
