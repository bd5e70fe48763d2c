// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>
#include <QSize>
#include <QString>

// The game's fixed windows are laid out in twips (1/1440 inch); at 96 dots per inch a pixel is
// 15 twips.
constexpr int twipsToPixels(int twips) {
    return (twips * 2 + 15) / 30; // nearest pixel, for the non-negative sizes used here
}

constexpr QRect twipsRect(int left, int top, int width, int height) {
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

constexpr QSize twipsSize(int width, int height) {
    return {twipsToPixels(width), twipsToPixels(height)};
}

// One row of a fixed window's table of controls: the control's object name, its place in its
// parent in twips, and the text it shows, if any.
struct TwipsControl {
    const char* name;
    int left;
    int top;
    int width;
    int height;
    const char* text = "";

    QString caption() const { return QString::fromLatin1(text); }
};

// Names `control` and sets it at its place: every control of a fixed window is placed from its
// row so, and the window keeps the pointer returned rather than looking the control up by name.
template <typename Widget> Widget* placed(Widget* control, const TwipsControl& row) {
    control->setObjectName(QString::fromLatin1(row.name));
    control->setGeometry(twipsRect(row.left, row.top, row.width, row.height));
    return control;
}
