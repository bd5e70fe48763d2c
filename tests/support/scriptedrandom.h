// SPDX-License-Identifier: MIT
#pragma once

#include "play/randomsource.h"

#include <QtGlobal>
#include <deque>
#include <initializer_list>

// Hands out the u values a test gives, in order, and counts the reseeds. Running out is a fault
// of the test, so it stops the test loudly.
class ScriptedRandomSource final : public RandomSource {
public:
    ScriptedRandomSource() = default;
    ScriptedRandomSource(std::initializer_list<double> values) : m_values(values) {}

    void push(double u) { m_values.push_back(u); }
    void reseed() override { ++m_reseeds; }
    double uniform() override {
        if (m_values.empty())
            qFatal("scripted random source ran out of values");
        const double u = m_values.front();
        m_values.pop_front();
        return u;
    }
    int reseeds() const { return m_reseeds; }
    bool empty() const { return m_values.empty(); }

private:
    std::deque<double> m_values;
    int m_reseeds = 0;
};
