// GTK's own clipboard waits up to 30 s on a silent owner and refuses new requests meanwhile;
// this reader talks to the X server on a connection of its own, so that a silent owner costs
// one bounded wait and leaves nothing pending for the next read.
#include "playback/clipboard_reader.h"

#include <X11/Xatom.h>
#include <gdk/gdkx.h>
#include <gtk/gtk.h>
#include <poll.h>

#include "playback/clipboard_text.h"

namespace tavrino {

namespace {

using Clock = std::chrono::steady_clock;

class RequestorWindow {
 public:
  explicit RequestorWindow(Display* display)
      : display_(display),
        window_(XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0)) {
    XSelectInput(display_, window_, PropertyChangeMask);
  }
  ~RequestorWindow() {
    XDestroyWindow(display_, window_);
    XFlush(display_);
  }
  RequestorWindow(const RequestorWindow&) = delete;
  RequestorWindow& operator=(const RequestorWindow&) = delete;
  Window get() const { return window_; }

 private:
  Display* display_;
  Window window_;
};

struct PropertyValue {
  Atom type = None;
  std::string bytes;
};

// Reads and deletes the whole property.
std::optional<PropertyValue> TakeProperty(Display* display, Window window, Atom property) {
  PropertyValue value;
  long offset = 0;
  for (;;) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0, remaining = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, window, property, offset, 1 << 20, False, AnyPropertyType,
                           &type, &format, &count, &remaining, &data) != Success) {
      return std::nullopt;
    }
    value.type = type;
    const std::size_t unit = format == 32 ? sizeof(long) : static_cast<std::size_t>(format / 8);
    if (data) {
      value.bytes.append(reinterpret_cast<const char*>(data), count * unit);
      XFree(data);
    }
    offset += static_cast<long>(count * unit / 4);
    if (remaining == 0 || count == 0) break;
  }
  XDeleteProperty(display, window, property);
  return value;
}

}  // namespace

ClipboardReader::ClipboardReader(GdkDisplay* display) : display_(display) {}

std::string ClipboardReader::ReadClipboardText() {
  if (!GDK_IS_X11_DISPLAY(display_)) {
    // Elsewhere only the toolkit's own, unbounded read is there to use.
    gchar* text = gtk_clipboard_wait_for_text(
        gtk_clipboard_get_for_display(display_, GDK_SELECTION_CLIPBOARD));
    std::string result = text ? ClipboardTextFromBytes(text, ClipboardEncoding::kUtf8) : "";
    g_free(text);
    return result;
  }
  if (!connection_) {
    connection_.reset(XOpenDisplay(gdk_display_get_name(display_)));
    if (!connection_) return {};
    Display* x = connection_.get();
    clipboard_ = XInternAtom(x, "CLIPBOARD", False);
    utf8_string_ = XInternAtom(x, "UTF8_STRING", False);
    incr_ = XInternAtom(x, "INCR", False);
    property_ = XInternAtom(x, "TAVRINO_CLIPBOARD", False);
  }
  // Whatever a silent owner sent after an earlier read gave up is stale now.
  XSync(connection_.get(), True);
  if (XGetSelectionOwner(connection_.get(), clipboard_) == None) return {};
  if (auto text = Convert(utf8_string_))
    return ClipboardTextFromBytes(*text, ClipboardEncoding::kUtf8);
  if (auto text = Convert(XA_STRING))
    return ClipboardTextFromBytes(*text, ClipboardEncoding::kLatin1);
  return {};
}

std::optional<std::string> ClipboardReader::Convert(Atom target) {
  Display* x = connection_.get();
  const RequestorWindow requestor(x);
  XConvertSelection(x, clipboard_, target, property_, requestor.get(), CurrentTime);
  XFlush(x);
  XEvent event;
  if (!WaitForEvent(requestor.get(), SelectionNotify, &event)) return std::nullopt;
  if (event.xselection.property == None) return std::nullopt;
  auto value = TakeProperty(x, requestor.get(), property_);
  if (!value) return std::nullopt;
  if (value->type == incr_) return ReadIncrementally(requestor.get(), property_);
  if (value->type != target) return std::nullopt;
  return std::move(value->bytes);
}

std::optional<std::string> ClipboardReader::ReadIncrementally(Window requestor, Atom property) {
  Display* x = connection_.get();
  std::string bytes;
  XFlush(x);
  // Chunks follow the deletion of the INCR property; notices from before it are not chunks.
  bool started = false;
  for (;;) {
    XEvent event;
    if (!WaitForEvent(requestor, PropertyNotify, &event)) return std::nullopt;
    if (event.xproperty.atom != property) continue;
    if (!started) {
      started = event.xproperty.state == PropertyDelete;
      continue;
    }
    if (event.xproperty.state != PropertyNewValue) continue;
    auto chunk = TakeProperty(x, requestor, property);
    XFlush(x);
    if (!chunk) return std::nullopt;
    if (chunk->type == None) continue;
    if (chunk->bytes.empty()) return bytes;
    bytes += chunk->bytes;
  }
}

// Waits for the next event of the given type on the requestor; the bound restarts with every
// event, so a long transfer that keeps moving is not cut off.
bool ClipboardReader::WaitForEvent(Window requestor, int type, XEvent* event) {
  Display* x = connection_.get();
  const auto deadline = Clock::now() + kAnswerBound;
  for (;;) {
    if (XCheckTypedWindowEvent(x, requestor, type, event)) return true;
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    if (left.count() <= 0) return false;
    pollfd descriptor{ConnectionNumber(x), POLLIN, 0};
    poll(&descriptor, 1, static_cast<int>(left.count()));
    XEventsQueued(x, QueuedAfterReading);
  }
}

}  // namespace tavrino
