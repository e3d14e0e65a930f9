#include "playback/address_box.h"

#include "app/gobject_ptr.h"
#include "playback/unbounded_text_buffer.h"

namespace tavrino {

AddressBox::AddressBox() {
  const auto buffer = GObjectPtr<GtkEntryBuffer>::Adopt(NewUnboundedTextBuffer());
  gtk_entry_set_buffer(gobj(), buffer.get());
  set_has_frame(true);
  set_width_chars(0);
  set_max_length(0);
  set_visibility(true);
  set_alignment(0.0f);
}

std::string AddressBox::ReadText() const { return get_text(); }

void AddressBox::WriteText(std::string_view text) {
  being_set_ = true;
  // GtkEntry skips an unchanged text silently and may report one write as several changes;
  // the mark swallows those, and the single event below stands for the write.
  set_text(std::string(text));
  being_set_ = false;
  text_changed_.emit();
}

void AddressBox::on_changed() {
  Gtk::Entry::on_changed();
  if (!being_set_) text_changed_.emit();
}

bool AddressBox::on_focus_in_event(GdkEventFocus* event) {
  const bool handled = Gtk::Entry::on_focus_in_event(event);
  got_focus_.emit();
  return handled;
}

}  // namespace tavrino
