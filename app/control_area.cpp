#include "app/control_area.h"

#include <algorithm>

namespace tavrino {

ControlArea::ControlArea(const WindowTemplate& window)
    : Glib::ObjectBase("TavrinoControlArea"),
      template_(window),
      tab_sequence_(TabSequence(window)) {
  set_has_window(false);
  set_redraw_on_allocate(false);
}

void ControlArea::Put(Gtk::Widget& control, std::size_t index, Geometry geometry) {
  const auto at = std::ranges::upper_bound(children_, index, {}, &Child::index);
  children_.insert(at, Child{&control, index, geometry, false});
  control.set_parent(*this);
}

Geometry ControlArea::GetGeometry(std::size_t index) const {
  const Child* child = Find(index);
  return child ? child->geometry : Geometry{};
}

void ControlArea::SetGeometry(std::size_t index, Geometry geometry) {
  Child* child = Find(index);
  if (!child) return;
  child->geometry = geometry;
  // GTK allocates in its layout phase, before the next frame; allocating here at once would
  // cost every write of a layout run its own allocations and redraw.
  queue_resize_no_redraw();
}

Gtk::Widget* ControlArea::Control(std::size_t index) const {
  const Child* child = Find(index);
  return child ? child->widget : nullptr;
}

void ControlArea::FillWith(std::optional<std::size_t> index) {
  filling_ = index;
  queue_resize();
}

Gtk::SizeRequestMode ControlArea::get_request_mode_vfunc() const {
  return Gtk::SIZE_REQUEST_CONSTANT_SIZE;
}

// The controls' own minimum sizes never reach the window: the user may shrink it to anything.
void ControlArea::get_preferred_width_vfunc(int& minimum, int& natural) const {
  minimum = natural = 0;
}

void ControlArea::get_preferred_height_vfunc(int& minimum, int& natural) const {
  minimum = natural = 0;
}

void ControlArea::get_preferred_width_for_height_vfunc(int, int& minimum, int& natural) const {
  minimum = natural = 0;
}

void ControlArea::get_preferred_height_for_width_vfunc(int, int& minimum, int& natural) const {
  minimum = natural = 0;
}

void ControlArea::on_size_allocate(Gtk::Allocation& allocation) {
  set_allocation(allocation);
  for (Child& child : children_) Allocate(child);
  queue_draw();
}

void ControlArea::Allocate(Child& child) {
  if (filling_) {
    const bool fills = child.index == *filling_;
    child.enlarged = false;
    child.widget->set_child_visible(fills);
    if (fills) child.widget->size_allocate(get_allocation());
    return;
  }
  const Geometry& g = child.geometry;
  // GTK refuses to allocate below a widget's minimum; the part beyond the geometry is clipped
  // when drawing, and an empty geometry hides the control.
  int minimum_width = 0, natural_width = 0, minimum_height = 0, natural_height = 0;
  child.widget->get_preferred_width(minimum_width, natural_width);
  child.widget->get_preferred_height(minimum_height, natural_height);
  const Gtk::Allocation area = get_allocation();
  Gtk::Allocation allocation(area.get_x() + g.left, area.get_y() + g.top,
                             std::max(g.width, minimum_width), std::max(g.height, minimum_height));
  child.enlarged = allocation.get_width() > g.width || allocation.get_height() > g.height;
  child.widget->set_child_visible(g.width > 0 && g.height > 0);
  child.widget->size_allocate(allocation);
}

bool ControlArea::on_draw(const Cairo::RefPtr<Cairo::Context>& cr) {
  // Reverse template order, so that the first control of the template ends up on top.
  for (auto it = children_.rbegin(); it != children_.rend(); ++it) {
    const Child& child = *it;
    if (filling_ && child.index != *filling_) continue;
    cr->save();
    if (child.enlarged) {
      const Geometry& g = child.geometry;
      cr->rectangle(g.left, g.top, g.width, g.height);
      cr->clip();
    }
    propagate_draw(*child.widget, cr);
    cr->restore();
  }
  return false;
}

std::optional<std::size_t> ControlArea::FocusedIndex() const {
  const Gtk::Widget* focus = const_cast<ControlArea*>(this)->get_focus_child();
  for (const Child& child : children_) {
    if (child.widget == focus) return child.index;
  }
  return std::nullopt;
}

bool ControlArea::on_focus(Gtk::DirectionType direction) {
  const bool forward = direction == Gtk::DIR_TAB_FORWARD;
  if (!forward && direction != Gtk::DIR_TAB_BACKWARD) return false;
  // The controls move the focus within themselves (a page among its links) by their own key
  // handling; asked here, the player view would keep the focus for good.
  const std::optional<std::size_t> current = FocusedIndex();
  // While one control fills the area, the window takes the focus away and back, so it stays
  // there.
  if (filling_ && current == filling_) return false;
  const std::optional<std::size_t> next =
      filling_ ? filling_
      : !current && forward
          ? InitialFocus(template_)
          : NextInTabSequence(tab_sequence_, current,
                              forward ? FocusDirection::kForward : FocusDirection::kBackward);
  if (!next) return false;
  Gtk::Widget* target = Control(*next);
  if (!target) return false;
  if (target->child_focus(direction)) return true;
  target->grab_focus();
  return target->has_focus();
}

void ControlArea::on_add(Gtk::Widget*) { g_warning("ControlArea: controls are added with Put()"); }

void ControlArea::on_remove(Gtk::Widget* widget) {
  const auto it = std::ranges::find(children_, widget, &Child::widget);
  if (it == children_.end()) return;
  const bool was_visible = widget->get_visible();
  widget->unparent();
  children_.erase(it);
  if (was_visible) queue_resize();
}

void ControlArea::forall_vfunc(gboolean, GtkCallback callback, gpointer data) {
  // The callback may remove the child it is given.
  const std::vector<Child> snapshot = children_;
  for (const Child& child : snapshot) callback(child.widget->gobj(), data);
}

GType ControlArea::child_type_vfunc() const { return G_TYPE_NONE; }

ControlArea::Child* ControlArea::Find(std::size_t index) {
  const auto it = std::ranges::find(children_, index, &Child::index);
  return it == children_.end() ? nullptr : &*it;
}

const ControlArea::Child* ControlArea::Find(std::size_t index) const {
  const auto it = std::ranges::find(children_, index, &Child::index);
  return it == children_.end() ? nullptr : &*it;
}

}  // namespace tavrino
