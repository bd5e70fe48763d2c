// SPDX-License-Identifier: MIT
// The controls and the menu of the main window, at their places in the 500 × 322 client area.
#include "app/mainwindow.h"

#include "app/meterbar.h"
#include "app/picturewidget.h"
#include "app/playbutton.h"
#include "app/uifonts.h"
#include "play/throwrules.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

namespace {

constexpr QSize clientArea(500, 322);

QLabel* statsLabel(QWidget* parent, const char* name, const QColor& colour) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(arialFont(9.75, true));
    label->setAttribute(Qt::WA_TranslucentBackground);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

PictureWidget* picture(QWidget* parent, const char* name, const QString& file,
                       const QString& description, const QRect& place) {
    auto* widget = new PictureWidget(QStringLiteral(":/pictures/") + file, description, parent);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(place);
    return widget;
}

} // namespace

QGroupBox* MainWindow::addFrame(const char* name, const QString& caption, int top, QLabel*& label,
                                const char* labelName, bool throwFrame) {
    auto* frame = new QGroupBox(caption, m_field);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setGeometry(48, top, 317, 37);
    frame->setFont(arialFont(8.25, false));
    frame->setStyleSheet(QStringLiteral(
        "QGroupBox { background-color: black; color: white; border: 1px solid #7f7f7f;"
        " margin-top: 6px; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }"));
    label = statsLabel(frame, labelName, throwFrame ? QColor(0, 255, 0) : QColor(255, 255, 0));
    label->setGeometry(8, 14, throwFrame ? 301 : 305, 22);
    if (throwFrame)
        label->setAlignment(Qt::AlignCenter);
    return frame;
}

void MainWindow::buildControls() {
    m_field = new PictureWidget(QStringLiteral(":/pictures/field.svg"),
                                tr("Football field at night under two floodlights"), this);
    m_field->setObjectName(QStringLiteral("field"));
    m_field->setAttribute(Qt::WA_TransparentForMouseEvents, false);
    m_field->setFixedSize(clientArea);
    setCentralWidget(m_field);

    addFrame("Frame1", QStringLiteral("Current Stats"), 80, m_gameLine, "lblCurrentStats", false);
    m_seasonFrame = addFrame("frmSeasonStats", QStringLiteral("Season Stats"), 120, m_seasonLine,
                             "lblCareerStats", false);
    addFrame("Frame3", QStringLiteral("Current Throw"), 160, m_currentThrow, "lblCurrentThrow",
             true);

    m_meter = new MeterBar(m_field);
    m_meter->setObjectName(QStringLiteral("pbThrow"));
    m_meter->setAccessibleName(tr("Throw meter"));
    m_meter->setGeometry(32, 248, 433, 25);
    m_meter->setRange(0, MeterMaximum);
    m_meter->setValue(0);
    m_meter->setTextVisible(false);

    picture(m_field, "Image1", QStringLiteral("targetmark.svg"), tr("Target mark at 40"),
            {372, 216, 11, 35});
    m_receiver = picture(m_field, "imgRec", QStringLiteral("receiver.svg"),
                         tr("Receiver reaching for the ball"), {372, 88, 84, 110});
    m_referee = picture(m_field, "imgRef", QStringLiteral("referee.svg"),
                        tr("Referee signalling a touchdown"), {372, 88, 82, 109});
    m_trophy = picture(m_field, "imgCup", QStringLiteral("trophy.svg"),
                       tr("Gold trophy for a broken record"), {372, 88, 82, 109});
    m_interception = picture(m_field, "imgINT", QStringLiteral("interception.svg"),
                             tr("Defender intercepting the pass"), {372, 88, 82, 109});

    m_playButton = new PlayButton(m_field);
    m_playButton->setObjectName(QStringLiteral("cmdThrow"));
    m_playButton->setGeometry(192, 276, 121, 37);
    m_playButton->setFont(arialFont(9.75, true));
    m_playButton->setStyleSheet(
        QStringLiteral("QPushButton { background-color: rgb(192, 192, 192); color: black;"
                       " border: 2px outset #e0e0e0; }"
                       "QPushButton:pressed { border-style: inset; }"
                       "QPushButton:disabled { color: #808080; }"));
    connect(m_playButton, &PlayButton::mouseDown, this, &MainWindow::onPlayButtonPressed);
}

void MainWindow::buildMenu() {
    const auto addItem = [this](QMenu* menu, const char* name, const QString& caption,
                                const QKeySequence& shortcut) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(shortcut);
        return action;
    };
    const auto addLine = [](QMenu* menu, const char* name) {
        menu->addSeparator()->setObjectName(QString::fromLatin1(name));
    };
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    connect(addItem(file, "mnuNewGame", QStringLiteral("&New Game"),
                    QKeySequence(Qt::CTRL | Qt::Key_N)),
            &QAction::triggered, this, &MainWindow::newGame);
    addLine(file, "mnuFileLine1");
    connect(addItem(file, "mnuExportHTML", QStringLiteral("Ex&port Stats"),
                    QKeySequence(Qt::CTRL | Qt::Key_H)),
            &QAction::triggered, this, &MainWindow::exportStats);
    addLine(file, "mnuFileLine3");
    m_clearAction = addItem(file, "mnuClear", QStringLiteral("&Clear Career Stats"), {});
    connect(m_clearAction, &QAction::triggered, this, &MainWindow::clearCareer);
    addLine(file, "mnuFileLine2");
    connect(addItem(file, "mnuExit", QStringLiteral("E&xit"), QKeySequence(Qt::CTRL | Qt::Key_X)),
            &QAction::triggered, this, &MainWindow::exitGame);

    QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
    view->setObjectName(QStringLiteral("mnuView"));
    connect(addItem(view, "mnuSeasonStats", QStringLiteral("&Career Stats"), {}),
            &QAction::triggered, this, &MainWindow::showCareerStats);
    connect(addItem(view, "mnuSeasonRecords", QStringLiteral("&Career Records"), {}),
            &QAction::triggered, this, &MainWindow::showCareerRecords);
    connect(addItem(view, "mnuPassTypes", QStringLiteral("&Pass Types"), {}), &QAction::triggered,
            this, &MainWindow::showPassTypes);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    connect(addItem(help, "mnuHowToPlay", QStringLiteral("&How to Play"), QKeySequence(Qt::Key_F1)),
            &QAction::triggered, this, &MainWindow::showHowToPlay);
    addLine(help, "mnuHelpLine1");
    connect(addItem(help, "mnuAbout", QStringLiteral("&About Gridlark"), {}), &QAction::triggered,
            this, &MainWindow::showAbout);
    connect(addItem(help, "mnuAboutQt", QStringLiteral("About &Qt"), {}), &QAction::triggered, qApp,
            &QApplication::aboutQt);
}
