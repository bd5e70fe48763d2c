// SPDX-License-Identifier: MIT
// The controls and the menu of the main window, at their places in the 7500 × 4830 twips
// (500 × 322 pixels) client area.
#include "app/mainwindow.h"

#include "app/meterbar.h"
#include "app/picturewidget.h"
#include "app/playbutton.h"
#include "app/twips.h"
#include "app/uifonts.h"
#include "play/throwrules.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

namespace {

// A picture's row names its file; the player's screen reader hears its description.
struct PictureControl {
    TwipsControl control;
    const char* description;
};

// The main window's table: every control, each label placed in its frame. A label sits 210
// twips down its frame and is 330 high, so that it ends inside the frame's lower border.
constexpr struct {
    TwipsControl gameFrame{"Frame1", 720, 1200, 4755, 555, "Current Stats"};
    TwipsControl gameLine{"lblCurrentStats", 120, 210, 4575, 330};
    TwipsControl seasonFrame{"frmSeasonStats", 720, 1800, 4755, 555, "Season Stats"};
    TwipsControl seasonLine{"lblCareerStats", 120, 210, 4575, 330};
    TwipsControl throwFrame{"Frame3", 720, 2400, 4755, 555, "Current Throw"};
    TwipsControl currentThrow{"lblCurrentThrow", 120, 210, 4515, 330};
    TwipsControl meter{"pbThrow", 480, 3720, 6495, 375};
    PictureControl targetMark{{"Image1", 5580, 3240, 165, 525, "targetmark.svg"},
                              QT_TR_NOOP("Target mark at 40")};
    PictureControl receiver{{"imgRec", 5580, 1320, 1260, 1650, "receiver.svg"},
                            QT_TR_NOOP("Receiver reaching for the ball")};
    PictureControl referee{{"imgRef", 5580, 1320, 1230, 1635, "referee.svg"},
                           QT_TR_NOOP("Referee signalling a touchdown")};
    PictureControl trophy{{"imgCup", 5580, 1320, 1230, 1635, "trophy.svg"},
                          QT_TR_NOOP("Gold trophy for a broken record")};
    PictureControl interception{{"imgINT", 5580, 1320, 1230, 1635, "interception.svg"},
                                QT_TR_NOOP("Defender intercepting the pass")};
    TwipsControl playButton{"cmdThrow", 2880, 4140, 1815, 555};
} controls{};

constexpr QSize clientArea = twipsSize(7500, 4830);

// What a frame's line shows: the statistics in yellow, the current throw centred in green.
enum class FrameRole { Statistics, CurrentThrow };

QLabel* lineLabel(QGroupBox* frame, const TwipsControl& row, FrameRole role) {
    auto* label = placed(new QLabel(frame), row);
    label->setFont(arialFont(9.75, true));
    label->setAttribute(Qt::WA_TranslucentBackground);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText,
                     role == FrameRole::CurrentThrow ? QColor(0, 255, 0) : QColor(255, 255, 0));
    label->setPalette(palette);
    if (role == FrameRole::CurrentThrow)
        label->setAlignment(Qt::AlignCenter);
    return label;
}

// A black frame on the scoreboard with its line in it; `line` is set to the line's label.
QGroupBox* addFrame(QWidget* field, const TwipsControl& frameRow, const TwipsControl& lineRow,
                    FrameRole role, QLabel*& line) {
    auto* frame = placed(new QGroupBox(frameRow.caption(), field), frameRow);
    frame->setFont(arialFont(8.25, false));
    frame->setStyleSheet(QStringLiteral(
        "QGroupBox { background-color: black; color: white; border: 1px solid #7f7f7f;"
        " margin-top: 6px; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }"));
    line = lineLabel(frame, lineRow, role);
    return frame;
}

PictureWidget* addPicture(QWidget* field, const PictureControl& row) {
    auto* picture = new PictureWidget(QStringLiteral(":/pictures/") + row.control.caption(),
                                      MainWindow::tr(row.description), field);
    return placed(picture, row.control);
}

} // namespace

void MainWindow::buildControls() {
    m_field = new PictureWidget(QStringLiteral(":/pictures/field.svg"),
                                tr("Football field at night under two floodlights"), this);
    m_field->setObjectName(QStringLiteral("field"));
    m_field->setAttribute(Qt::WA_TransparentForMouseEvents, false);
    m_field->setFixedSize(clientArea);
    setCentralWidget(m_field);

    addFrame(m_field, controls.gameFrame, controls.gameLine, FrameRole::Statistics, m_gameLine);
    m_seasonFrame = addFrame(m_field, controls.seasonFrame, controls.seasonLine,
                             FrameRole::Statistics, m_seasonLine);
    addFrame(m_field, controls.throwFrame, controls.currentThrow, FrameRole::CurrentThrow,
             m_currentThrow);

    m_meter = placed(new MeterBar(m_field), controls.meter);
    m_meter->setAccessibleName(tr("Throw meter"));
    m_meter->setRange(0, MeterMaximum);
    m_meter->setValue(0);
    m_meter->setTextVisible(false);

    addPicture(m_field, controls.targetMark);
    m_receiver = addPicture(m_field, controls.receiver);
    m_referee = addPicture(m_field, controls.referee);
    m_trophy = addPicture(m_field, controls.trophy);
    m_interception = addPicture(m_field, controls.interception);

    m_playButton = placed(new PlayButton(m_field), controls.playButton);
    m_playButton->setFont(arialFont(9.75, true));
    m_playButton->setStyleSheet(
        QStringLiteral("QPushButton { background-color: rgb(192, 192, 192); color: black;"
                       " border: 2px outset #e0e0e0; }"
                       "QPushButton:pressed { border-style: inset; }"
                       "QPushButton:disabled { color: #808080; }"));
    connect(m_playButton, &PlayButton::mouseDown, this, &MainWindow::onPlayButtonPressed);
}

void MainWindow::buildMenu() {
    // The menus' table: each item's name, caption, shortcut and command, and the member that
    // keeps it where the window changes it later. An item without a caption is a line.
    struct Item {
        const char* name;
        const char* caption = nullptr;
        QKeyCombination shortcut = Qt::Key_unknown;
        void (MainWindow::*command)() = nullptr;
        QAction** kept = nullptr;
    };
    struct Menu {
        const char* name;
        const char* caption;
        std::initializer_list<Item> items;
    };
    const Menu menus[] = {
        {"mnuFile",
         "&File",
         {{"mnuNewGame", "&New Game", Qt::CTRL | Qt::Key_N, &MainWindow::newGame},
          {"mnuFileLine1"},
          {"mnuExportHTML", "Ex&port Stats", Qt::CTRL | Qt::Key_H, &MainWindow::exportStats},
          {"mnuFileLine3"},
          {"mnuClear", "&Clear Career Stats", Qt::Key_unknown, &MainWindow::clearCareer,
           &m_clearAction},
          {"mnuFileLine2"},
          {"mnuExit", "E&xit", Qt::CTRL | Qt::Key_X, &MainWindow::exitGame}}},
        {"mnuView",
         "&View",
         {{"mnuSeasonStats", "&Career Stats", Qt::Key_unknown, &MainWindow::showCareerStats},
          {"mnuSeasonRecords", "&Career Records", Qt::Key_unknown, &MainWindow::showCareerRecords},
          {"mnuPassTypes", "&Pass Types", Qt::Key_unknown, &MainWindow::showPassTypes}}},
        {"mnuHelp",
         "&Help",
         {{"mnuHowToPlay", "&How to Play", Qt::Key_F1, &MainWindow::showHowToPlay},
          {"mnuHelpLine1"},
          {"mnuAbout", "&About Gridlark", Qt::Key_unknown, &MainWindow::showAbout},
          {"mnuAboutQt", "About &Qt", Qt::Key_unknown, &MainWindow::showAboutQt}}},
    };
    for (const Menu& row : menus) {
        QMenu* menu = menuBar()->addMenu(QString::fromLatin1(row.caption));
        menu->setObjectName(QString::fromLatin1(row.name));
        for (const Item& item : row.items) {
            QAction* action = item.caption ? menu->addAction(QString::fromLatin1(item.caption))
                                           : menu->addSeparator();
            action->setObjectName(QString::fromLatin1(item.name));
            if (item.shortcut.key() != Qt::Key_unknown)
                action->setShortcut(item.shortcut);
            if (item.command)
                connect(action, &QAction::triggered, this, item.command);
            if (item.kept)
                *item.kept = action;
        }
    }
}
