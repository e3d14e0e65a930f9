#include "app/arrange_controls.h"

#include "app/layout.h"
#include "app/main_window.h"

namespace tavrino {

void ArrangeControls(MainWindow& window) {
  const Size outer = window.OuterSize();
  for (const GeometryWrite& write : LayoutWrites(outer.width, outer.height)) {
    window.WriteGeometry(write.control, write.property, write.value);
  }
}

}  // namespace tavrino
