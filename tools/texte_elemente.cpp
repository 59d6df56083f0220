// Developer tool: prints every text the screens show, for every element, one line per text as
// "Z<TAB>key<TAB>text" with the texts as raw Windows-1252 bytes; its output is kept as a golden file.
#include "data/elemente.h"
#include "screens/configuratie.h"
#include "screens/panou.h"
#include "screens/stare.h"
#include "screens/tabel.h"

#include <cstdio>
#include <string>

namespace {

void Scrie(int32_t z, const char* cheie, const std::string& text) {
  std::fprintf(stdout, "%d\t%s\t", static_cast<int>(z), cheie);
  std::fwrite(text.data(), 1, text.size(), stdout);
  std::fputc('\n', stdout);
}

}  // namespace

int main() {
  for (int32_t z = 1; z <= NumarElemente; ++z) {
    Scrie(z, "celula_masa", TextMasaCelula(z));
    Scrie(z, "sarcina", TextSarcina(z));
    Scrie(z, "neutroni", TextNeutroni(z));
    Scrie(z, "denumire", TextDenumire(z));
    Scrie(z, "masa", TextMasa(z));
    Scrie(z, "densitate", TextDensitate(z, TemperaturaReferintaStandard));
    Scrie(z, "descoperitor", TextDescoperitor(z));
    Scrie(z, "straturi", TextStraturi(z));
    Scrie(z, "configuratie", ConfiguratiaElectronica(z));
  }
  return std::fflush(stdout) == 0 ? 0 : 1;
}
