// SPDX-License-Identifier: MIT
#pragma once

#include <QProgressBar>

// The throw meter: a progress bar filled continuously in proportion to its value, so that every
// step of the meter shows. The styles fill in chunks and skip the repaint of a change smaller
// than a chunk, and a step of the meter is narrower than one; this bar draws every change.
class MeterBar : public QProgressBar {
    Q_OBJECT
public:
    explicit MeterBar(QWidget* parent = nullptr);

    // Sets the value and has it on screen before returning.
    void showValue(int value);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int fillWidth(int insideWidth) const;

    int m_drawn = -1; // the value last painted
};
