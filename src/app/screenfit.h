// SPDX-License-Identifier: MIT
#pragma once

#include <QSize>

class QWidget;

// Sizes a window that is about to open to `wanted`, or smaller where the screen it opens on has
// less room: with its frame it stays on the screen at any scale, and long content scrolls inside
// it instead.
void fitToScreen(QWidget& window, QSize wanted);
