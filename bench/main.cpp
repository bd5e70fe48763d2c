// SPDX-License-Identifier: MIT
// gridlark-bench: how late the throw meter reaches its target, with the other processor idle
// and then busy; or, with --screenshot, a picture of the window in the middle of a game.
#include "app/accessibilitymirror.h"
#include "benchwindow.h"
#include "busyload.h"
#include "latencysummary.h"
#include "meterprobe.h"
#include "screenshot.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTextStream>
#include <cstring>
#include <exception>
#include <optional>

namespace {

struct Options {
    int snaps = 200;
    std::uint64_t seed = 1;
    QString screenshot;
};

std::optional<Options> parseOptions(const QApplication& app) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Times the throw meter of the game."));
    parser.addHelpOption();
    const QCommandLineOption snaps(QStringLiteral("snaps"), QStringLiteral("Snaps per condition."),
                                   QStringLiteral("count"), QStringLiteral("200"));
    const QCommandLineOption seed(QStringLiteral("seed"), QStringLiteral("Seed of the draws."),
                                  QStringLiteral("number"), QStringLiteral("1"));
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        QStringLiteral("Save a picture of the window instead."),
                                        QStringLiteral("file"));
    parser.addOptions({snaps, seed, screenshot});
    parser.process(app);
    Options options;
    bool snapsOk = false;
    bool seedOk = false;
    options.snaps = parser.value(snaps).toInt(&snapsOk);
    options.seed = parser.value(seed).toULongLong(&seedOk);
    options.screenshot = parser.value(screenshot);
    if (!snapsOk || options.snaps < 1 || !seedOk)
        return std::nullopt;
    return options;
}

std::vector<double> column(const std::vector<SnapTiming>& timings, double SnapTiming::*field) {
    std::vector<double> values;
    values.reserve(timings.size());
    for (const SnapTiming& timing : timings)
        values.push_back(timing.*field);
    return values;
}

// Where the lateness comes from, on standard error: the window's handling of the press before
// the timer starts, and the timer's own share after it.
void explain(const QString& condition, const std::vector<SnapTiming>& timings) {
    const LatencySummary press = summarize(column(timings, &SnapTiming::pressMs));
    const LatencySummary timer = summarize(column(timings, &SnapTiming::timerLateMs));
    QTextStream(stderr) << summaryLine(condition + QStringLiteral(" press-handling"), press) << '\n'
                        << summaryLine(condition + QStringLiteral(" from-timer-start"), timer)
                        << Qt::endl;
}

// The lateness of every snap of one condition; empty after a failure, which is reported.
std::vector<SnapTiming> measure(const Options& options, const QString& condition) {
    QTextStream(stderr) << "meter " << condition << ": " << options.snaps << " snaps..."
                        << Qt::endl;
    BenchWindow bench(options.seed);
    bench.window().show();
    MeterProbe probe(bench, options.snaps);
    std::vector<SnapTiming> timings = probe.run();
    if (!probe.failure().isEmpty()) {
        QTextStream(stderr) << "meter " << condition << ": " << probe.failure() << Qt::endl;
        return {};
    }
    explain(condition, timings);
    return timings;
}

int runMeter(const Options& options) {
    const std::vector<SnapTiming> idle = measure(options, QStringLiteral("idle"));
    if (idle.empty())
        return 1;
    std::vector<SnapTiming> loaded;
    {
        const BusyLoad load;
        loaded = measure(options, QStringLiteral("loaded"));
    }
    if (loaded.empty())
        return 1;
    QTextStream out(stdout);
    out << summaryLine(QStringLiteral("idle"), summarize(column(idle, &SnapTiming::lateMs))) << '\n'
        << summaryLine(QStringLiteral("loaded"), summarize(column(loaded, &SnapTiming::lateMs)))
        << Qt::endl;
    return 0;
}

bool wantsScreenshot(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--screenshot", std::strlen("--screenshot")) == 0)
            return true;
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    // The meter is timed without a display; a picture needs a real one for the real fonts.
    if (!wantsScreenshot(argc, argv) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // As in the game, so that the window does all the work it does there.
    AccessibilityMirror mirror;
    app.installEventFilter(&mirror);
    const std::optional<Options> options = parseOptions(app);
    if (!options) {
        QTextStream(stderr) << "gridlark-bench: --snaps needs a positive count, --seed a number"
                            << Qt::endl;
        return 2;
    }
    try {
        if (options->screenshot.isEmpty())
            return runMeter(*options);
        const QString failure = takeScreenshot(options->screenshot, options->seed);
        if (!failure.isEmpty())
            QTextStream(stderr) << "gridlark-bench: " << failure << Qt::endl;
        return failure.isEmpty() ? 0 : 1;
    } catch (const std::exception& error) {
        QTextStream(stderr) << "gridlark-bench: " << error.what() << Qt::endl;
        return 1;
    }
}
