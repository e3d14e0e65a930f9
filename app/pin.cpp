#include "app/pin.h"

#include "app/main_window.h"

namespace tavrino {

void UpdatePin(MainWindow& window) { window.WriteAlwaysOnTop(window.PinChecked() == 1 ? 1 : 0); }

}  // namespace tavrino
