// SPDX-License-Identifier: MIT
#pragma once

#include "app/monotonicclock.h"
#include "play/gamesession.h"

#include <QMainWindow>
#include <QPointer>

class Career;
class CareerArchive;
class HiResTimer;
class MeterBar;
class HowToPlayWindow;
class PictureWidget;
class PlayButton;
class QAction;
class QGroupBox;
class QLabel;
class RandomSource;
class ShowFirstMessenger;

// What the main window plays with: the random source, where finished games go, the stored
// career its views read, how failures and confirmations reach the player, and the clock of
// the meter's timer and of the presses.
struct MainWindowServices {
    RandomSource& random;
    Career& career;
    CareerArchive& archive;
    ShowFirstMessenger& messenger;
    QString decimalPoint;
    MonotonicClock clock;
};

// frmMain: the game's one main window. It shows what the game session holds and forwards the
// player's presses, menu commands and the timer's events to it.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(const MainWindowServices& services, QWidget* parent = nullptr);
    ~MainWindow() override;

    const GameSession& session() const { return m_session; }

private slots:
    void mnuNewGame_Click();
    void mnuClear_Click();
    void mnuExit_Click();
    void mnuExportHTML_Click();
    void mnuSeasonStats_Click();   // View, Career Stats: the career window
    void mnuSeasonRecords_Click(); // View, Career Records: the records window
    void mnuPassTypes_Click();
    void mnuHowToPlay_Click();
    void mnuAbout_Click();
    void cmdThrow_MouseDown(quint64 stampMs);
    void cTmr_Timer(const QString& key);

private:
    void Form_Load();
    void buildControls();
    void buildMenu();
    QGroupBox* addFrame(const char* name, const QString& caption, int top, QLabel*& label,
                        const char* labelName);
    bool clearConfirmed();
    void render();
    void renderMeter();
    void showOnlyPicture(Picture picture);

    GameSession m_session;
    CareerArchive& m_archive;
    ShowFirstMessenger& m_messenger;
    QString m_decimalPoint;
    MonotonicClock m_clock;
    HiResTimer* m_cTmr = nullptr;
    QWidget* m_field = nullptr;
    QGroupBox* m_frmSeasonStats = nullptr;
    QLabel* m_lblCurrentStats = nullptr;
    QLabel* m_lblCareerStats = nullptr; // the season's line, named for the career
    QLabel* m_lblCurrentThrow = nullptr;
    MeterBar* m_pbThrow = nullptr;
    PictureWidget* m_imgRec = nullptr;
    PictureWidget* m_imgRef = nullptr;
    PictureWidget* m_imgCup = nullptr;
    PictureWidget* m_imgINT = nullptr;
    PlayButton* m_cmdThrow = nullptr;
    QAction* m_mnuClear = nullptr;
    QPointer<HowToPlayWindow> m_howToPlay;
};
