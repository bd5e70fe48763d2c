// SPDX-License-Identifier: MIT
// gridlark-bench: how late the throw meter reaches its target with the other processor idle,
// then busy, then with both processors busy; how far held-up presses are graded from the meter
// of their moment; or, with --screenshot and --passtypes, pictures of the main window in the
// middle of a game and of the Pass Types window.
#include "app/accessibilitymirror.h"
#include "benchwindow.h"
#include "busyload.h"
#include "latencysummary.h"
#include "meterprobe.h"
#include "pressprobe.h"
#include "screenshot.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTextStream>
#include <cstring>
#include <exception>
#include <list>
#include <optional>

namespace {

struct Options {
    int snaps = 200;
    std::uint64_t seed = 1;
    QString screenshot;
    QString passTypes;
    QString career;
};

std::optional<Options> parseOptions(const QApplication& app) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Times the throw meter of the game and grades held-up presses."));
    parser.addHelpOption();
    const QCommandLineOption snaps(QStringLiteral("snaps"), QStringLiteral("Snaps per condition."),
                                   QStringLiteral("count"), QStringLiteral("200"));
    const QCommandLineOption seed(QStringLiteral("seed"), QStringLiteral("Seed of the draws."),
                                  QStringLiteral("number"), QStringLiteral("1"));
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        QStringLiteral("Save a picture of the window instead."),
                                        QStringLiteral("file"));
    const QCommandLineOption passTypes(QStringLiteral("passtypes"),
                                       QStringLiteral("Save a picture of Pass Types instead."),
                                       QStringLiteral("file"));
    const QCommandLineOption career(QStringLiteral("career"),
                                    QStringLiteral("The career the pictures show."),
                                    QStringLiteral("directory"));
    parser.addOptions({snaps, seed, screenshot, passTypes, career});
    parser.process(app);
    Options options;
    bool snapsOk = false;
    bool seedOk = false;
    options.snaps = parser.value(snaps).toInt(&snapsOk);
    options.seed = parser.value(seed).toULongLong(&seedOk);
    options.screenshot = parser.value(screenshot);
    options.passTypes = parser.value(passTypes);
    options.career = parser.value(career);
    if (!snapsOk || options.snaps < 1 || !seedOk)
        return std::nullopt;
    return options;
}

template <typename Sample, typename Field>
std::vector<double> column(const std::vector<Sample>& samples, Field Sample::*field) {
    std::vector<double> values;
    values.reserve(samples.size());
    for (const Sample& sample : samples)
        values.push_back(double(sample.*field));
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

// The same with `busy` processors kept spinning at normal priority meanwhile.
std::vector<SnapTiming> measureWhileBusy(const Options& options, const QString& condition,
                                         int busy) {
    std::list<BusyLoad> loads;
    for (int i = 0; i < busy; ++i)
        loads.emplace_back();
    return measure(options, condition);
}

// How far held-up presses are graded from the meter of their moment, as the line to report;
// nothing after a failure, which is reported.
std::optional<QString> measurePresses(const Options& options) {
    QTextStream(stderr) << "press drift: " << options.snaps << " presses..." << Qt::endl;
    BenchWindow bench(options.seed);
    bench.window().show();
    PressProbe probe(bench, options.snaps, options.seed);
    const std::vector<PressDrift> drifts = probe.run();
    if (!probe.failure().isEmpty()) {
        QTextStream(stderr) << "press drift: " << probe.failure() << Qt::endl;
        return std::nullopt;
    }
    // Where the meter stood when the press was handled: what grading it there would cost.
    QTextStream(stderr) << stepsLine(QStringLiteral("as-handled"),
                                     summarize(column(drifts, &PressDrift::asHandledSteps)))
                        << Qt::endl;
    return stepsLine(QStringLiteral("drift"), summarize(column(drifts, &PressDrift::gradedSteps)));
}

int runMeter(const Options& options) {
    const struct {
        const char* condition;
        int busy; // processors kept busy
    } conditions[] = {{"idle", 0}, {"loaded", 1}, {"busy", 2}};
    QStringList lines;
    for (const auto& [condition, busy] : conditions) {
        const QString name = QString::fromLatin1(condition);
        const std::vector<SnapTiming> timings = measureWhileBusy(options, name, busy);
        if (timings.empty())
            return 1;
        lines << summaryLine(name, summarize(column(timings, &SnapTiming::lateMs)));
    }
    const std::optional<QString> presses = measurePresses(options);
    if (!presses)
        return 1;
    lines << *presses;
    QTextStream(stdout) << lines.join(u'\n') << Qt::endl;
    return 0;
}

bool wantsPicture(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i)
        for (const char* option : {"--screenshot", "--passtypes"})
            if (std::strncmp(argv[i], option, std::strlen(option)) == 0)
                return true;
    return false;
}

int takePictures(const Options& options) {
    QString failure;
    if (!options.screenshot.isEmpty())
        failure = takeScreenshot(options.screenshot, options.seed, options.career);
    if (failure.isEmpty() && !options.passTypes.isEmpty())
        failure = takePassTypesPicture(options.passTypes, options.career);
    if (!failure.isEmpty())
        QTextStream(stderr) << "gridlark-bench: " << failure << Qt::endl;
    return failure.isEmpty() ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[]) {
    // The meter is timed without a display; a picture needs a real one for the real fonts.
    if (!wantsPicture(argc, argv) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
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
        if (options->screenshot.isEmpty() && options->passTypes.isEmpty())
            return runMeter(*options);
        return takePictures(*options);
    } catch (const std::exception& error) {
        QTextStream(stderr) << "gridlark-bench: " << error.what() << Qt::endl;
        return 1;
    }
}
