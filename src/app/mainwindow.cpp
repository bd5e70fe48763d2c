// SPDX-License-Identifier: MIT
#include "app/mainwindow.h"

#include "app/hirestimer.h"
#include "app/meterbar.h"
#include "app/picturewidget.h"
#include "app/playbutton.h"
#include "app/pressinstant.h"
#include "app/showfirstmessenger.h"
#include "play/career.h"
#include "storage/clearquestion.h"
#include "storage/recordswindow.h"
#include "views/careerwindow.h"
#include "views/exportwriter.h"
#include "views/howtoplaywindow.h"
#include "views/playtypeswindow.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QInputDialog>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>

#include "buildinfo.h"

// The pictures are compiled into the window's static library; naming them here keeps the
// linker from dropping them.
static void loadPictures() {
    Q_INIT_RESOURCE(gridlark);
}

MainWindow::MainWindow(const MainWindowServices& services, QWidget* parent)
    : QMainWindow(parent), m_session(services.random, services.career, services.decimalPoint),
      m_archive(services.archive), m_messenger(services.messenger),
      m_decimalPoint(services.decimalPoint), m_clock(services.clock) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Gridlark v%1.%2")
                       .arg(BuildInfo::versionMajor)
                       .arg(BuildInfo::versionMinor));
    loadPictures();
    buildControls();
    buildMenu();
    buildMeterTimer();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    render();
    m_messenger.setShow([this] { render(); });
}

MainWindow::~MainWindow() {
    m_messenger.setShow({});
}

void MainWindow::buildMeterTimer() {
    m_meterTimer = new HiResTimer(m_clock, 1, this);
    m_meterTimer->setObjectName(QStringLiteral("cTmr"));
    connect(m_meterTimer, &HiResTimer::timeout, this, &MainWindow::onMeterTick);
}

void MainWindow::newGame() {
    m_session.newGame();
    render();
}

void MainWindow::clearCareer() {
    if (!clearConfirmed())
        return;
    m_session.clearCareer();
    render();
}

// Two keys should not cost a career: with a season stored, the player says Yes first; No is
// the default and Esc answers No.
bool MainWindow::clearConfirmed() {
    const QString question = clearCareerQuestion(m_archive.dataDirectory());
    if (question.isEmpty())
        return true;
    QMessageBox box(QMessageBox::Question, QStringLiteral("Clear Career Stats"), question,
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void MainWindow::exitGame() {
    QApplication::exit(0);
}

void MainWindow::exportStats() {
    QInputDialog box(this);
    box.setObjectName(QStringLiteral("InputBox"));
    box.setWindowTitle(QStringLiteral("Name Your QB"));
    box.setLabelText(QStringLiteral("Enter Your Quarterback's Name:"));
    const QString name = box.exec() == QDialog::Accepted ? box.textValue() : QString();
    m_messenger.show(exportCareer(m_archive, name, m_decimalPoint));
}

void MainWindow::showCareerStats() {
    CareerWindow window(m_archive.loadSeasons(), m_decimalPoint, this);
    window.exec();
}

void MainWindow::showCareerRecords() {
    RecordsWindow window(m_archive.loadRecords(), m_decimalPoint, this);
    window.exec();
}

void MainWindow::showPassTypes() {
    PlayTypesWindow window(m_archive.peekSeasons(), m_decimalPoint, this);
    window.exec();
}

// Help stays open beside the game, and a second F1 brings the open window forward.
void MainWindow::showHowToPlay() {
    if (!m_howToPlay) {
        m_howToPlay = new HowToPlayWindow(m_archive.dataDirectory(), this);
        m_howToPlay->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_howToPlay->show();
    m_howToPlay->raise();
    m_howToPlay->activateWindow();
}

void MainWindow::showAbout() {
    const QString home = QString::fromUtf8(BuildInfo::homePage);
    QMessageBox::about(
        this, QStringLiteral("About Gridlark"),
        QStringLiteral("<h3>Gridlark</h3><p>Version %1</p>"
                       "<p>A quarterback's passing game: one button, one throw meter and a "
                       "career of %2 seasons.</p>"
                       "<p>Released under the MIT licence.</p>"
                       "<p><a href=\"%3\">%3</a></p>")
            .arg(QString::fromLatin1(BuildInfo::version))
            .arg(SeasonsInCareer)
            .arg(home));
}

void MainWindow::showAboutQt() {
    QApplication::aboutQt();
}

void MainWindow::onPlayButtonPressed(quint64 stampMs) {
    // The timer may have caught up past the press while the window was held up; the throw is
    // graded on the meter of the moment the player pressed.
    const int lateTicks = m_meterTimer->settle(pressInstant(stampMs, m_clock()));
    m_session.press(lateTicks);
    render();
}

void MainWindow::onMeterTick() {
    m_session.tick();
    renderMeter(m_session.view());
}

void MainWindow::render() {
    // The meter first: a snap's timer starts before the slower text and picture updates.
    const MainView view = m_session.view();
    renderMeter(view);
    m_currentThrow->setText(view.currentThrow);
    m_gameLine->setText(view.gameLine);
    m_seasonLine->setText(view.seasonLine);
    m_seasonLine->adjustSize();
    m_seasonFrame->setTitle(view.seasonFrameCaption);
    m_playButton->setText(view.buttonCaption);
    m_playButton->setEnabled(view.buttonEnabled);
    m_playButton->setToolTip(view.buttonToolTip);
    m_clearAction->setEnabled(view.clearEnabled);
    showOnlyPicture(view.picture);
}

void MainWindow::renderMeter(const MainView& view) {
    // The timer first: the progress bar repaints at once whenever its value changes.
    if (m_meterTimer->isStarted() != view.timerStarted)
        m_meterTimer->setStarted(view.timerStarted);
    if (m_meter->value() != view.meter)
        m_meter->showValue(view.meter);
}

void MainWindow::showOnlyPicture(Picture picture) {
    m_receiver->setVisible(picture == Picture::Receiver);
    m_referee->setVisible(picture == Picture::Referee);
    m_trophy->setVisible(picture == Picture::Trophy);
    m_interception->setVisible(picture == Picture::Interception);
}
