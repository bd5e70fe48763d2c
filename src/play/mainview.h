// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The four pictures that share one spot; exactly one of them shows at a time.
enum class Picture { Receiver, Referee, Trophy, Interception };

// What the main window shows, told by the core so that a whole play can be checked without a
// widget; the window only copies it onto its controls.
struct MainView {
    QString currentThrow;       // lblCurrentThrow
    QString gameLine;           // lblCurrentStats
    QString seasonLine;         // lblCareerStats
    QString seasonFrameCaption; // frmSeasonStats
    Picture picture = Picture::Receiver;
    QString buttonCaption;
    bool buttonEnabled = false;
    QString buttonToolTip;
    bool clearEnabled = false;
    bool timerStarted = false;
    int meter = 0; // pbThrow
};
