// SPDX-License-Identifier: MIT
#pragma once

#include <QPushButton>

// The play button: any mouse button going down on it plays, the right one too; the keyboard
// never does, and the button takes no focus.
class PlayButton : public QPushButton {
    Q_OBJECT
public:
    explicit PlayButton(QWidget* parent = nullptr);

signals:
    // The window system's stamp of the press, in milliseconds; 0 when it gave none.
    void mouseDown(quint64 stampMs);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
};
