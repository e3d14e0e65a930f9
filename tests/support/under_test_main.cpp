// Tavrino as shipped, plus a probe that reports the window's state to the window tests.
#include <optional>

#include "app/run_program.h"
#include "tests/support/probe.h"

int main() {
  std::optional<tavrino::Probe> probe;
  return tavrino::RunProgram(&tavrino::BrowserView::Create,
                             [&](tavrino::MainWindow& window) { probe.emplace(window); });
}
