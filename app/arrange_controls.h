// Fits the controls to the main window's current outer size.
#pragma once

namespace tavrino {

class MainWindow;

void ArrangeControls(MainWindow& window);

}  // namespace tavrino
