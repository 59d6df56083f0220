// The display layer: the graphics, mouse and keyboard routines the screens call, under the names of
// the original platform. One window with a 640 x 480 drawing area of 8-bit palette indices, four pages.
#pragma once

#include <cstdint>
#include <string_view>

// --- Window -------------------------------------------------------------------------------------

// Opens the window (driver 3: 256 colours; mode 4: 640 x 480) with the title as its caption, makes
// page 0 active and visible and resets the drawing state. Returns once the window is shown. Does
// nothing while the window is open. When the window cannot be opened, prints one line on stderr and
// ends the process with status 1.
void InitGraph(int16_t driver, int16_t mode, std::string_view title);

// Destroys the window and releases the pages; returns once the window is gone.
void CloseGraph();

// 639 and 479: the drawing area's width and height less one.
int16_t GetMaxX();
int16_t GetMaxY();

// --- Pages --------------------------------------------------------------------------------------

// The page every drawing operation draws on. Pages 0..3; a number of 4 or more selects page 0.
void SetActivePage(uint16_t page);

// The page the window shows; the whole window is repainted from it shortly after the call.
void SetVisualPage(uint16_t page);

// Fills the whole active page with colour 0 and moves the current position to (0, 0).
void ClearDevice();

// --- Colours and drawing ------------------------------------------------------------------------

// The colour value of a named colour 0xRRGGBB: the nearest palette entry (smallest sum of squared
// component differences), the lowest index winning a tie.
uint32_t NamedColor(uint32_t rgb);

// Colour values are palette indices, used modulo 256.
void SetColor(uint32_t colour);
void SetFillStyle(uint16_t pattern, uint32_t colour);

// All boxes have inclusive corners, given in either order; whatever falls outside the page is clipped.
void Bar(int16_t x1, int16_t y1, int16_t x2, int16_t y2);        // filled, no outline
void Rectangle(int16_t x1, int16_t y1, int16_t x2, int16_t y2);  // 1-pixel outline in the colour
void Circle(int16_t x, int16_t y, uint16_t radius);              // 1-pixel outline, not filled

// --- Text ---------------------------------------------------------------------------------------

// font 0 is monospaced ("Courier New"), the others proportional ("Arial"); cell height size x 8 for
// sizes 1..5, size itself from 6 up, 16 for size 0. Only horizontal text is drawn.
void SetTextStyle(uint16_t font, uint16_t direction, uint16_t size);

// horizontal 0 left, 1 centre, 2 right; vertical 0 cell top, 1 cell bottom, 2 baseline on y.
// A value outside 0..2 leaves the justification as it was.
void SetTextJustify(uint16_t horizontal, uint16_t vertical);

// Draws a Windows-1252 text (its first 255 bytes) about (x, y) in the current style and colour;
// only glyph pixels are set.
void OutTextXY(int16_t x, int16_t y, std::string_view text);

// --- Input --------------------------------------------------------------------------------------

// The mouse state at the latest mouse event over the drawing area; never waits.
uint16_t GetMouseX();
uint16_t GetMouseY();
// Button bits: 1 left, 2 right, 4 middle, 8 Shift, 16 Ctrl.
uint16_t GetMouseButtons();

// True while the key queue holds an entry; takes nothing out. A close request counts as a key.
bool KeyPressed();

// --- Time and chance ----------------------------------------------------------------------------

// Suspends the calling thread; the window goes on being served.
void Delay(uint16_t milliseconds);

// Seeds the random generator from the millisecond tick counter.
void Randomize();

// A uniformly distributed integer from 0 to n - 1 (0 when n is 0).
uint16_t Random(uint16_t n);
