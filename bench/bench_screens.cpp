// Benchmarks of the screens: the whole table screen and one element-screen frame.
#include "display/graph.h"
#include "screens/electroni.h"
#include "screens/configuratie.h"
#include "screens/panou.h"
#include "screens/program.h"
#include "screens/stare.h"
#include "screens/tabel.h"

#include <benchmark/benchmark.h>

namespace {

void BM_TableScreen(benchmark::State& state) {
  InitGraph(3, 4, "bench");
  for (auto _ : state) DeseneazaTabelul();
}
BENCHMARK(BM_TableScreen)->Unit(benchmark::kMicrosecond);

// One frame of the element screen of element 118 (the most electrons and the longest texts), flip
// included; the headless Delay does not sleep, so the 4 ms pause is left out.
void BM_ElementFrame118(benchmark::State& state) {
  InitGraph(3, 4, "bench");
  Stare.ElementAles = 118;
  PregatesteEcranulElement();
  for (auto _ : state) {
    DeseneazaPanoulText();
    DeseneazaConfiguratia();
    DeseneazaElectronii();
    SchimbaPagina();
  }
}
BENCHMARK(BM_ElementFrame118)->Unit(benchmark::kMicrosecond);

}  // namespace
