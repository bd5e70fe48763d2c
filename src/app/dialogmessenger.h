// SPDX-License-Identifier: MIT
#pragma once

#include "storage/messenger.h"

class QWidget;

// The career's messages as modal message boxes over the main window.
class DialogMessenger final : public Messenger {
public:
    explicit DialogMessenger(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }

    bool show(const Message& message) override;

private:
    QWidget* m_parent;
};
