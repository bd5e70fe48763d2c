// SPDX-License-Identifier: MIT
#include "app/accessibilitymirror.h"

#include <QEvent>
#include <QWidget>

bool AccessibilityMirror::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Polish || event->type() == QEvent::Show) {
        if (auto* widget = qobject_cast<QWidget*>(watched);
            widget && !widget->objectName().isEmpty() && widget->accessibleDescription().isEmpty())
            widget->setAccessibleDescription(widget->objectName());
    }
    return QObject::eventFilter(watched, event);
}
