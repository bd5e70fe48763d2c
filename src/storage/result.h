// SPDX-License-Identifier: MIT
#pragma once

#include "storage/message.h"

#include <QList>
#include <QString>
#include <type_traits>
#include <utility>
#include <variant>

// Why a step failed, as the player is told it; never empty.
struct Failure {
    QString text;
};

// What a step on the career files or the page came to: its value, or why it failed; and the
// messages it leaves for the player, in order. No step shows a message itself: whoever called
// it shows them once the step has returned, and with it any lock the step held.
template <typename T = std::monostate> class Result {
public:
    Result(T value = T()) : m_value(std::move(value)) {}
    Result(Failure failure) : m_failure(std::move(failure)) {}

    bool ok() const { return m_failure.text.isEmpty(); }
    const T& value() const { return m_value; }
    const Failure& failure() const { return m_failure; }
    const QList<Message>& messages() const { return m_messages; }

    void tell(Message message) { m_messages.append(std::move(message)); }

    // The step that follows this one, given its value: run only when this one succeeded, and
    // telling its messages after this one's.
    template <typename Next>
    std::invoke_result_t<const Next&, const T&> then(const Next& next) const {
        std::invoke_result_t<const Next&, const T&> result = ok() ? next(m_value) : m_failure;
        result.m_messages = m_messages + result.m_messages;
        return result;
    }

private:
    template <typename> friend class Result;

    T m_value{};
    Failure m_failure;
    QList<Message> m_messages;
};
