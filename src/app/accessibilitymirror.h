// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

// Mirrors every widget's object name into its accessible description, application-wide and
// dialogs and message boxes included, so that assistive technology and automation can find
// each control by name while the accessible name stays the visible text.
class AccessibilityMirror : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
