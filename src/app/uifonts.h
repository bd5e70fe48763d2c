// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>

// The windows' fonts. Where Wine's Tahoma is installed it is used so that texts fit the boxes they
// were laid out for; otherwise the family name is left to the system's substitution, which also
// finds the main window's Arial.
QFont tahomaFont(double points, bool bold = false);
QFont arialFont(double points, bool bold = false);
