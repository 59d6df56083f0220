// Benchmarks of the display layer: polls, page clear, circles, text and the present path.
#include "display/core.h"
#include "display/graph.h"
#include "display/headless.h"

#include <benchmark/benchmark.h>
#include <string>
#include <vector>

namespace {

void Open() { InitGraph(3, 4, "bench"); }

void BM_GetMouseButtons(benchmark::State& state) {
  Open();
  for (auto _ : state) benchmark::DoNotOptimize(GetMouseButtons());
}
BENCHMARK(BM_GetMouseButtons);

void BM_KeyPressed(benchmark::State& state) {
  Open();
  for (auto _ : state) benchmark::DoNotOptimize(KeyPressed());
}
BENCHMARK(BM_KeyPressed);

void BM_ClearDevice(benchmark::State& state) {
  Open();
  SetActivePage(1);
  for (auto _ : state) ClearDevice();
}
BENCHMARK(BM_ClearDevice);

// The electrons of the heaviest element: 118 rings of radius 2 on seven shells.
void BM_118SmallCircles(benchmark::State& state) {
  Open();
  SetActivePage(1);
  for (auto _ : state) {
    for (int i = 0; i < 118; ++i) Circle(static_cast<int16_t>(160 + (i * 37) % 320), static_cast<int16_t>(80 + (i * 53) % 320), 2);
  }
}
BENCHMARK(BM_118SmallCircles);

// The longest data line of the element screen, 73 characters in the 16-pixel monospaced face.
void BM_OutText73(benchmark::State& state) {
  Open();
  SetActivePage(1);
  SetTextStyle(0, 0, 2);
  SetTextJustify(1, 1);
  const std::string text =
      "MASA ATOMICA: 238.029 g/mol; Se topeste la: 1132.4\xB0" "C; Fierbe la: 3818.0\xB0" "C";
  for (auto _ : state) OutTextXY(319, 435, text);
  state.SetLabel(std::to_string(text.size()) + " characters");
}
BENCHMARK(BM_OutText73);

// What a present costs the window thread apart from the window library: copying the visible page
// under the page lock and converting it through the palette.
void BM_PresentPage(benchmark::State& state) {
  Open();
  std::vector<uint8_t> copy(display::kWidth * display::kHeight);
  std::vector<uint32_t> rgb(copy.size());
  for (auto _ : state) {
    display::CopyVisiblePage(copy.data());
    display::IndicesToXrgb(copy.data(), rgb.data(), copy.size());
    benchmark::DoNotOptimize(rgb.data());
  }
}
BENCHMARK(BM_PresentPage);

}  // namespace
