// The owner drawing of the profile-properties dialog: the colour box's items (a swatch of the
// colour and its name) and the icon list's pictures.
#pragma once

#include <windows.h>

#include "store/text_policy.h"

// Height of the colour box's selection field and items.
constexpr int COLOR_ITEM_HEIGHT = 16;

// White, or light grey when selected; the swatch from 5 to 50 pixels right of the left edge,
// one pixel in from the top and the bottom; the name from 60 pixels on.
void DrawColorItem(const DRAWITEMSTRUCT &item, const DualText &name, const TextPolicy &text);
// Bitmap 112 + the item's index at the item's top-left corner.
void DrawIconItem(HINSTANCE resources, const DRAWITEMSTRUCT &item);
// The size of bitmap 112, which every icon has; zero when it cannot be loaded.
SIZE IconBitmapSize(HINSTANCE resources);
