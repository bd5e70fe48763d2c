// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The four pictures that share one spot; exactly one of them shows at a time.
enum class Picture { Receiver, Referee, Trophy, Interception };

inline const QString HikeCaption = QStringLiteral("Hike");
inline const QString ThrowCaption = QStringLiteral("Throw");

// The disabled play button's tooltip between games, and once the career is complete.
QString startGameTip();
QString careerOverTip();

// What the main window shows, kept by the core so that a whole play can be checked without a
// widget; the window only copies it onto its controls.
struct MainView {
    QString currentThrow;                                        // lblCurrentThrow
    QString gameLine;                                            // lblCurrentStats
    QString seasonLine;                                          // lblCareerStats
    QString seasonFrameCaption = QStringLiteral("Season Stats"); // frmSeasonStats
    Picture picture = Picture::Receiver;
    QString buttonCaption = HikeCaption;
    bool buttonEnabled = false;
    // Why the play button is greyed; none while a game is played, so nothing covers the meter.
    QString buttonToolTip = startGameTip();
    bool clearEnabled = true;
    bool timerStarted = false;
};
