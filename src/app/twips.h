// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>
#include <QSize>

// The windows are laid out in twips (1/1440 inch); at 96 dots per inch a pixel is 15 twips.
constexpr int twipsToPixels(int twips) {
    return (twips * 2 + 15) / 30; // nearest pixel, for the non-negative sizes used here
}

constexpr QRect twipsRect(int left, int top, int width, int height) {
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

constexpr QSize twipsSize(int width, int height) {
    return {twipsToPixels(width), twipsToPixels(height)};
}
