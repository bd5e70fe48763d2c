// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>

// The windows' fonts. Where the metric-compatible faces are installed (Wine's Tahoma, Liberation
// Sans for Arial) they are used so that texts fit the boxes they were laid out for; otherwise
// the family name is left to the system's substitution.
QFont tahomaFont(double points, bool bold = false);
QFont arialFont(double points, bool bold = false);
