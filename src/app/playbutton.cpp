// SPDX-License-Identifier: MIT
#include "app/playbutton.h"

#include <QKeyEvent>
#include <QMouseEvent>

PlayButton::PlayButton(QWidget* parent) : QPushButton(parent) {
    setFocusPolicy(Qt::NoFocus);
    setAutoDefault(false);
}

void PlayButton::mousePressEvent(QMouseEvent* event) {
    // The play comes first: the pressed look repaints at once, and the meter must not wait.
    emit mouseDown(event->timestamp());
    if (event->button() == Qt::LeftButton)
        QPushButton::mousePressEvent(event); // the pressed look; clicked() is not used
    else
        event->accept();
}

void PlayButton::keyPressEvent(QKeyEvent* event) {
    event->ignore();
}

void PlayButton::keyReleaseEvent(QKeyEvent* event) {
    event->ignore();
}
