// Soak driver: runs many element-screen frames headless, cycling through all 118 elements, so that a
// leak or a slow drift shows under ASan/LeakSanitizer. Usage: soak_frames [FRAMES]
#include "display/graph.h"
#include "screens/configuratie.h"
#include "screens/electroni.h"
#include "screens/panou.h"
#include "screens/program.h"
#include "screens/stare.h"
#include "screens/tabel.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  const long frames = argc > 1 ? std::atol(argv[1]) : 1000000;
  InitGraph(3, 4, "soak");
  Randomize();
  for (long n = 0; n < frames; ++n) {
    if (n % 10000 == 0) {  // a new visit every 10,000 frames, as after a right click
      DeseneazaTabelul();
      Stare.ElementAles = static_cast<int32_t>(1 + (n / 10000) % 118);
      PregatesteEcranulElement();
    }
    DeseneazaPanoulText();
    DeseneazaConfiguratia();
    DeseneazaElectronii();
    SchimbaPagina();
  }
  CloseGraph();
  std::printf("%ld frames\n", frames);
  return 0;
}
