// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// What File, Clear Career Stats asks before it deletes the seasons in `dataDirectory`, or empty
// when gdk.dat holds no whole season and there is nothing to lose.
QString clearCareerQuestion(const QString& dataDirectory);
