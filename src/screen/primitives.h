// The drawing primitives every screen is made of.
#pragma once

#include <cstdint>
#include <string_view>

#include "screen/layout.h"
#include "shell/editor.h"

namespace vorn {

void setColours(Console& console, ColourPair pair);
void drawRun(Console& console, int x, int y, int count, std::uint8_t ch);
void drawColumn(Console& console, int x, int y, int count, std::uint8_t ch);
void fillBlank(Console& console, int x, int y, int width, int rows);
void drawFrame(Console& console, int x, int y, int width, int height, int divider, bool isDouble,
               bool fill);
void parkCursor(Console& console);
void writeAt(Console& console, int x, int y, std::string_view text);

void setRowColours(EditorContext& ed, int pane, int row);
void setDefaultColours(Console& console);

}  // namespace vorn
