// The main window's client area: places each control at exactly the geometry written for it,
// never asks the window for a minimum size, and moves the focus by the template's tab rules.
#pragma once

#include <gtkmm/container.h>

#include <vector>

#include "app/focus_rules.h"
#include "app/geometry.h"

namespace tavrino {

class ControlArea : public Gtk::Container {
 public:
  explicit ControlArea(const WindowTemplate& window);
  ControlArea(const ControlArea&) = delete;
  ControlArea& operator=(const ControlArea&) = delete;

  // Adds the template's control `index` at the given geometry.
  void Put(Gtk::Widget& control, std::size_t index, Geometry geometry);
  Geometry GetGeometry(std::size_t index) const;
  void SetGeometry(std::size_t index, Geometry geometry);
  Gtk::Widget* Control(std::size_t index) const;

  // Gives control `index` the whole area and hides the others, or with nullopt returns to the
  // written geometries, which keep following every write meanwhile.
  void FillWith(std::optional<std::size_t> index);

 protected:
  Gtk::SizeRequestMode get_request_mode_vfunc() const override;
  void get_preferred_width_vfunc(int& minimum, int& natural) const override;
  void get_preferred_height_vfunc(int& minimum, int& natural) const override;
  void get_preferred_width_for_height_vfunc(int height, int& minimum, int& natural) const override;
  void get_preferred_height_for_width_vfunc(int width, int& minimum, int& natural) const override;
  void on_size_allocate(Gtk::Allocation& allocation) override;
  bool on_draw(const Cairo::RefPtr<Cairo::Context>& cr) override;
  bool on_focus(Gtk::DirectionType direction) override;
  void on_add(Gtk::Widget* widget) override;
  void on_remove(Gtk::Widget* widget) override;
  void forall_vfunc(gboolean include_internals, GtkCallback callback, gpointer data) override;
  GType child_type_vfunc() const override;

 private:
  struct Child {
    Gtk::Widget* widget;
    std::size_t index;
    Geometry geometry;
    bool enlarged;  // allocated above the geometry to satisfy the theme's minimum
  };

  void Allocate(Child& child);
  std::optional<std::size_t> FocusedIndex() const;
  Child* Find(std::size_t index);
  const Child* Find(std::size_t index) const;

  const WindowTemplate& template_;
  std::vector<std::size_t> tab_sequence_;
  std::vector<Child> children_;  // in template order, which is also the stacking order
  std::optional<std::size_t> filling_;
};

}  // namespace tavrino
