#include "app/run_program.h"

int main() { return tavrino::RunProgram(); }
