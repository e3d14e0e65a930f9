// Reads the clipboard's plain text, synchronously and within a short bound.
#pragma once

#include <X11/Xlib.h>

#include <chrono>
#include <memory>
#include <optional>
#include <string>

#include <gdk/gdk.h>

namespace tavrino {

class ClipboardReader {
 public:
  // An owner that stays silent this long is taken to have no text.
  static constexpr std::chrono::milliseconds kAnswerBound{250};

  explicit ClipboardReader(GdkDisplay* display);
  ClipboardReader(const ClipboardReader&) = delete;
  ClipboardReader& operator=(const ClipboardReader&) = delete;

  // The clipboard's plain text up to its first NUL; the empty text on every failure.
  std::string ReadClipboardText();

 private:
  struct DisplayCloser {
    void operator()(Display* display) const { XCloseDisplay(display); }
  };

  std::optional<std::string> Convert(Atom target);
  std::optional<std::string> ReadIncrementally(Window requestor, Atom property);
  bool WaitForEvent(Window requestor, int type, XEvent* event);

  GdkDisplay* display_;
  std::unique_ptr<Display, DisplayCloser> connection_;  // our own, opened on the first read
  Atom clipboard_ = None, utf8_string_ = None, incr_ = None, property_ = None;
};

}  // namespace tavrino
