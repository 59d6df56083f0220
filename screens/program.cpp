// The program's control flow: start-up, the table screen and the element screen in turn, and the end
// on a pending key.
#include "screens/program.h"

#include "display/graph.h"
#include "screens/configuratie.h"
#include "screens/electroni.h"
#include "screens/panou.h"
#include "screens/stare.h"
#include "screens/tabel.h"

void PregatesteEcranulElement() {
  Stare.TemperaturaReferinta = TemperaturaReferintaStandard;
  Stare.CentruX = GetMaxX() / 2;
  Stare.CentruY = GetMaxY() / 2;
  // Seven consecutive draws, shell 1 first: every visit starts from new phases.
  for (double& faza : Stare.Faza) faza = Random(1000) / 1000.0;
}

void SchimbaPagina() {
  SetActivePage(static_cast<uint16_t>(Stare.Pagina));
  Stare.Pagina = 1 - Stare.Pagina;
  SetVisualPage(static_cast<uint16_t>(Stare.Pagina));
  ClearDevice();
  Delay(4);
}

bool RuleazaEcranulElement() {
  for (;;) {
    // Only the button state at the start of the frame counts; it is tested after the flip.
    Stare.Butoane = GetMouseButtons();
    DeseneazaPanoulText();
    DeseneazaConfiguratia();
    DeseneazaElectronii();
    SchimbaPagina();
    if (Stare.Butoane == 2) break;
    if (KeyPressed()) break;
  }
  // A key stays pending once pressed, so it ends the program even after a right click.
  return KeyPressed();
}

void RuleazaProgramul() {
  InitGraph(Stare.Driver, Stare.Mod, "TABELUL PERIODIC AL LUI MENDELEEV");
  Randomize();
  for (;;) {
    DeseneazaTabelul();
    Stare.ElementAles = AsteaptaSelectia();
    if (Stare.ElementAles == 0) break;
    PregatesteEcranulElement();
    if (RuleazaEcranulElement()) break;
  }
  CloseGraph();
}
