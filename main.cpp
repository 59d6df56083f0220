// Entry point: the program takes no arguments and runs its main loop.
#include "screens/program.h"

int main() {
  RuleazaProgramul();
  return 0;
}
