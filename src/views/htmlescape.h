// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Text made safe for any place in the page: & < > " ' become entities, and every character
// outside printable ASCII (control characters included) becomes a decimal character reference,
// so the result is plain ASCII that reads the same in any encoding and stays on one line.
// Printable ASCII other than the five is kept as it is.
QString htmlEscaped(QStringView text);
