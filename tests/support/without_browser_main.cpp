// Tavrino whose browser component cannot be created.
#include "app/run_program.h"

int main() {
  return tavrino::RunProgram([](const tavrino::BrowserEngine&) { return nullptr; });
}
