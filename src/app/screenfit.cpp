// SPDX-License-Identifier: MIT
#include "app/screenfit.h"

#include <QScreen>
#include <QWidget>

namespace {
// What the window system's frame and title bar may take, in logical pixels.
const QSize frameAllowance(16, 48);
} // namespace

void fitToScreen(QWidget& window, QSize wanted) {
    const QSize room = window.screen()->availableGeometry().size() - frameAllowance;
    window.resize(wanted.boundedTo(room));
}
