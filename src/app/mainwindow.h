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
    void newGame();
    void clearCareer();
    void exitGame();
    void exportStats();
    void showCareerStats();   // View, Career Stats: the career window
    void showCareerRecords(); // View, Career Records: the records window
    void showPassTypes();
    void showHowToPlay();
    void showAbout();
    void onPlayButtonPressed(quint64 stampMs);
    void onMeterTick(const QString& key);

private:
    void buildMeterTimer();
    void buildControls();
    void buildMenu();
    QGroupBox* addFrame(const char* name, const QString& caption, int top, QLabel*& label,
                        const char* labelName, bool throwFrame);
    bool clearConfirmed();
    void render();
    void renderMeter(const MainView& view);
    void showOnlyPicture(Picture picture);

    GameSession m_session;
    CareerArchive& m_archive;
    ShowFirstMessenger& m_messenger;
    QString m_decimalPoint;
    MonotonicClock m_clock;
    HiResTimer* m_meterTimer = nullptr;
    QWidget* m_field = nullptr;
    QGroupBox* m_seasonFrame = nullptr;
    QLabel* m_gameLine = nullptr;
    QLabel* m_seasonLine = nullptr;
    QLabel* m_currentThrow = nullptr;
    MeterBar* m_meter = nullptr;
    PictureWidget* m_receiver = nullptr;
    PictureWidget* m_referee = nullptr;
    PictureWidget* m_trophy = nullptr;
    PictureWidget* m_interception = nullptr;
    PlayButton* m_playButton = nullptr;
    QAction* m_clearAction = nullptr;
    QPointer<HowToPlayWindow> m_howToPlay;
};
