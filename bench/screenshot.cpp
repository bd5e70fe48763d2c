// SPDX-License-Identifier: MIT
#include "screenshot.h"

#include "benchwindow.h"
#include "play/throwrules.h"
#include "storage/filecareer.h"
#include "storage/stderrmessenger.h"
#include "views/playtypeswindow.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QPixmap>
#include <QProgressBar>
#include <QTimer>

namespace {
// Passes thrown before the picture, so that the game's statistics line has something to say.
constexpr int passesBefore = 3;
// Where the meter stands in the picture: well on its way, short of the target.
constexpr int meterInPicture = 27;
constexpr int waitLimitMs = 5000;

// Runs the event loop until the meter shows `value`; false if it never does.
bool waitForMeter(BenchWindow& bench, int value) {
    if (bench.meter()->value() >= value)
        return true;
    QEventLoop loop;
    bool reached = false;
    QObject::connect(bench.meter(), &QProgressBar::valueChanged, &loop, [&](int shown) {
        if (shown >= value) {
            reached = true;
            loop.quit();
        }
    });
    QTimer::singleShot(waitLimitMs, &loop, &QEventLoop::quit);
    loop.exec();
    return reached;
}

QString savePicture(QWidget& window, const QString& file) {
    if (!window.grab().save(file, "PNG"))
        return QStringLiteral("cannot write %1").arg(file);
    return {};
}

} // namespace

QString takeScreenshot(const QString& file, std::uint64_t seed, const QString& careerDir) {
    BenchWindow bench(seed, careerDir);
    bench.window().show();
    bench.newGame();
    for (int pass = 0; pass < passesBefore; ++pass) {
        bench.press();
        if (!waitForMeter(bench, MeterTarget))
            return QStringLiteral("the meter did not reach its target");
        bench.press();
    }
    bench.press();
    if (!waitForMeter(bench, meterInPicture))
        return QStringLiteral("the meter did not rise");
    return savePicture(bench.window(), file);
}

QString takePassTypesPicture(const QString& file, const QString& careerDir) {
    StderrMessenger messenger;
    FileCareer career(careerDir, messenger);
    PlayTypesWindow window(career.peekSeasons(), QStringLiteral("."));
    window.show();
    QCoreApplication::processEvents();
    return savePicture(window, file);
}
