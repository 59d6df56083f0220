// The element catalogue: one constant record for each of the 118 elements, indexed by atomic number.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// Missing data is marked by sentinels compared exactly: 0.0 for mass and density, this value for the
// melting and boiling points, 0 for the year; an empty discoverer means not yet discovered and
// "necunoscut" known since antiquity.
inline constexpr double TemperaturaNecunoscuta = 10000.0;

struct TipElement {
  std::string_view Simbol;        // 1 to 3 upper-case letters
  std::string_view Denumire;      // Romanian name, upper case
  std::string_view Descoperitor;  // who discovered it; "" not yet, "necunoscut" antiquity
  double MasaAtomica;             // g/mol
  double Densitate;               // g/cmc or g/l by state
  double PunctTopire;             // degrees Celsius
  double PunctFierbere;           // degrees Celsius
  std::array<int32_t, 7> Electroni;  // shells 1 (K) to 7 (Q); Electroni[i - 1] is shell i
  int32_t Pozitie;                // cell code: (row - 1) x 18 + column
  int32_t AnDescoperire;          // year of discovery, 0 when none
};

// Read-only access by atomic number: Elemente[Z] for Z from 1 to 118.
struct TipCatalog {
  std::array<TipElement, 118> Inregistrari;
  constexpr const TipElement& operator[](int32_t z) const { return Inregistrari[static_cast<std::size_t>(z - 1)]; }
};

extern const TipCatalog Elemente;

inline constexpr int32_t NumarElemente = 118;

// The Z whose cell code equals the code, or 0 when none: a scan of all 118 records, last match wins.
int32_t CautaElement(int32_t cod);
