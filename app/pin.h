// Keeps the main window above all others while the pin box is checked.
#pragma once

namespace tavrino {

class MainWindow;

void UpdatePin(MainWindow& window);

}  // namespace tavrino
