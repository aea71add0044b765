#pragma once

// Sizes given in twips (1440 to the inch) on a 96 dots-per-inch screen: 15 twips a pixel.
constexpr int kTwipsPerPixel = 15;

constexpr int TwipsToPixels(int twips) { return twips / kTwipsPerPixel; }
constexpr int PixelsToTwips(int pixels) { return pixels * kTwipsPerPixel; }
