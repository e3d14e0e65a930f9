// Test-only: answers "state" lines on standard input with one JSON line on standard output
// describing the main window as the program holds it.
#pragma once

#include <memory>

namespace tavrino {

class MainWindow;

class Probe {
 public:
  explicit Probe(MainWindow& window);
  ~Probe();
  Probe(const Probe&) = delete;
  Probe& operator=(const Probe&) = delete;

 private:
  struct Watch;
  std::unique_ptr<Watch> watch_;
};

}  // namespace tavrino
