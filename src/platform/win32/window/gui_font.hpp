#pragma once
// The windows' font: "ＭＳ Ｐゴシック", 12 pixels at 96 DPI, Shift-JIS. Where
// that face is not installed (Wine, a stripped system) a Japanese face that
// is takes its place, so captions render and keep their size.
#include <windows.h>

#include "platform/win32/handles/unique_handle.hpp"

// Pixels per logical inch of the screen (96 at 100 %).
int screenDpi();

// A design value in 96-DPI pixels scaled to the screen.
int scaleToDpi(int value96, int dpi);

// Creates the window font at `pixelHeight` (96-DPI pixels, scaled), weight
// and underline as given.
UniqueFont createWindowFont(int pixelHeight, int dpi, int weight = FW_NORMAL, bool underline = false);

// For a window that moved to `newDpi`: its font (12 pixels at 96 DPI) made
// again and `dpi` set, when the DPI differs and the font can be made. Returns
// the old font, to be kept until every control has the new one; empty when
// nothing changed.
UniqueFont remakeWindowFont(UniqueFont& font, int& dpi, int newDpi);
