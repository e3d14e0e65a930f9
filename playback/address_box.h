// The address box: a one-line text box whose every change, including each write by the
// program, raises text-changed exactly once.
#pragma once

#include <gtkmm/entry.h>

#include <string>
#include <string_view>

namespace tavrino {

class AddressBox : public Gtk::Entry {
 public:
  AddressBox();
  AddressBox(const AddressBox&) = delete;
  AddressBox& operator=(const AddressBox&) = delete;

  std::string ReadText() const;

  // Replaces the whole text, then raises text-changed once before returning, even when the new
  // text equals the old one.
  void WriteText(std::string_view text);

  sigc::signal<void()>& signal_text_changed() { return text_changed_; }
  sigc::signal<void()>& signal_got_focus() { return got_focus_; }

 protected:
  void on_changed() override;
  bool on_focus_in_event(GdkEventFocus* event) override;

 private:
  bool being_set_ = false;
  sigc::signal<void()> text_changed_;
  sigc::signal<void()> got_focus_;
};

}  // namespace tavrino
