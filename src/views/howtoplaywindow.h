// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

// The rules in plain words, with the distance table built from the rules themselves and the
// directory the career files live in. Scrollable; Esc or Close shuts it.
class HowToPlayWindow : public QDialog {
    Q_OBJECT
public:
    explicit HowToPlayWindow(const QString& dataDirectory, QWidget* parent = nullptr);
};
