// SPDX-License-Identifier: MIT
// The game's rules without the window, by tables: every draw at the edges of its bands, the
// outcome of a throw, whole plays and games step by step, the number texts and passer ratings;
// and the chances of the draws over many seeded ones.
#include "support/datatable.h"
#include "support/fakecareer.h"
#include "support/playtypedraw.h"
#include "support/scriptedrandom.h"

#include "play/draws.h"
#include "play/gamesession.h"
#include "play/playoutcome.h"
#include "play/playtype.h"
#include "play/throwrules.h"
#include "stats/exactround.h"
#include "stats/numbertext.h"
#include "stats/passerrating.h"
#include "stats/percentage.h"
#include "stats/statslines.h"
#include "stats/yardage.h"

#include <QTest>
#include <cmath>
#include <utility>

namespace {

// A number as the tables write it: a decimal, or a fraction such as 34.5/99 for a draw that
// must land exactly on a band's edge.
double tableNumber(const QString& text) {
    const qsizetype slash = text.indexOf(u'/');
    return slash < 0 ? tableDouble(text)
                     : tableDouble(text.left(slash)) / tableDouble(text.mid(slash + 1));
}

// Numbers separated by commas or spaces; "-" stands for none.
QList<double> tableNumbers(const QString& text) {
    QList<double> numbers;
    for (const QString& part : QString(text).replace(u',', u' ').split(u' ', Qt::SkipEmptyParts))
        if (part != u'-')
            numbers << tableNumber(part);
    return numbers;
}

const QString point = QStringLiteral(".");

QString pictureName(const ThrowOutcome& outcome) {
    if (outcome.intercepted)
        return QStringLiteral("interception");
    return outcome.touchdown ? QStringLiteral("referee") : QStringLiteral("receiver");
}

// A number text or passer rating.
QString written(const QString& rule, const QList<double>& in, RandomSource&) {
    const auto n = [&in](qsizetype i) { return static_cast<std::int64_t>(in[i]); };
    if (rule == u"decimal")
        return decimalText(FixedPoint4{n(0)}, point);
    if (rule == u"percentage")
        return decimalText(completionPercentage(n(0), n(1)), point);
    if (rule == u"rounded")
        return QString::number(roundQuotient(n(0), n(1)));
    if (rule == u"rating")
        return decimalText(passerRating({n(0), n(1), n(2), n(3), n(4)}), point);
    static const QRegularExpression pattern(QStringLiteral("^[#0]+\\.[#0]+$"));
    if (!pattern.match(rule).hasMatch())
        unknownWord(QStringLiteral("number rule"), rule);
    return patternText(n(0), n(1), rule, point);
}

// A draw, the play type of a snap, a grade (input: meter, longest run), or the speeds or
// attempts of a game.
QString drawn(const QString& rule, const QList<double>& in, RandomSource& random) {
    GameState state;
    const auto first = static_cast<std::int16_t>(in.value(0));
    if (rule == u"drawrounded")
        return QString::number(drawRounded(random, first));
    if (rule == u"drawfloor")
        return QString::number(drawFloorPlusOne(random, first));
    if (rule == u"playtype")
        return PlayType::caption(drawPlayType(random));
    if (rule == u"grade")
        return QString::number(
            gradeThrow(random, distanceFromTarget(first), static_cast<std::int16_t>(in[1])));
    if (rule == u"maxthrows") {
        drawMaxThrows(random, state);
        return QString::number(state.maxThrows);
    }
    if (rule != u"speeds")
        unknownWord(QStringLiteral("draw rule"), rule);
    drawSpeeds(random, state);
    QStringList speeds;
    for (std::int16_t type = PlayType::Short; PlayType::isSnap(type); ++type)
        speeds << QString::number(speedOf(state, type));
    return speeds.join(u' ');
}

// The yards of one completion (input: play type, meter), or the throws of one snap at meter 41
// (input: play type, then the grade of each throw).
QString thrown(const QString& rule, const QList<double>& in, RandomSource& random) {
    GameState state;
    const auto playType = static_cast<std::int16_t>(in[0]);
    const bool yards = tableChoice({"throws", "yards"}, QStringLiteral("throw rule"), rule) == 1;
    const int distance = distanceFromTarget(yards ? static_cast<int>(in[1]) : 41);
    ThrowOutcome outcome;
    QString text;
    for (qsizetype i = 1; i < in.size(); ++i) {
        const auto grade = yards ? ThrowGrade::OnTarget : static_cast<std::int16_t>(in[i]);
        outcome = resolveThrow(random, state, grade, playType, distance);
        text = outcome.text.value_or(text);
        if (yards)
            break;
    }
    const QString shown = text + QStringLiteral(" / ") + pictureName(outcome);
    if (yards)
        return shown;
    return QStringLiteral("%1 / %2 / %3 %4")
        .arg(shown, gameLine(state, point))
        .arg(state.currentInRow)
        .arg(state.longestInRow);
}

// A game from its start, played step by step.
struct Session {
    ScriptedRandomSource random;
    FakeCareer career;
    GameSession game{random, career, QStringLiteral(".")};
    int late = 0;

    void step(const QString& name, const QString& value) {
        if (name == u"snap") {
            for (const QString& playType : value.split(u','))
                random.push(playTypeDraw(playTypeNamed(playType)));
            game.press();
        } else if (name == u"throw") {
            for (const double u : tableNumbers(value))
                random.push(u);
            game.press(std::exchange(late, 0));
        } else if (name == u"ticks") {
            for (int i = tableInt(value); i > 0; --i)
                game.tick();
        } else if (name == u"misses") {
            for (int i = 0, count = tableInt(value); i < count; ++i) {
                step(QStringLiteral("snap"), i % 2 ? QStringLiteral("Long") : "Short");
                step(QStringLiteral("throw"), QStringLiteral("0.9"));
            }
        } else if (name == u"new") {
            game.newGame();
        } else if (name == u"late") {
            late = tableInt(value);
        } else {
            unknownWord(QStringLiteral("step"), name);
        }
    }

    // What the window would show, in the columns of games.txt from `meter` on.
    QStringList shown() const {
        const MainView v = game.view();
        const QString button =
            v.buttonCaption + (v.buttonEnabled ? QString() : " disabled: " + v.buttonToolTip);
        return {QString::number(game.state().meter),
                QString::number(game.state().tickCount),
                v.currentThrow,
                button,
                career.calls.join(u' '),
                v.seasonLine};
    }
};

using Rule = QString (*)(const QString&, const QList<double>&, RandomSource&);

void checkRow(Rule apply) {
    QFETCH(QString, rule);
    QFETCH(QString, draws);
    QFETCH(QString, input);
    QFETCH(QString, result);
    ScriptedRandomSource random;
    for (const double u : tableNumbers(draws))
        random.push(u);
    QCOMPARE(apply(rule, tableNumbers(input), random), result);
    QVERIFY(random.empty());
}

constexpr int seededDraws = 200'000;

} // namespace

class RulesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void draws_data() { addTableRows(QStringLiteral("play/throws.txt")); }
    void draws() { checkRow(drawn); }
    void outcomes_data() { addTableRows(QStringLiteral("play/outcomes.txt")); }
    void outcomes() { checkRow(thrown); }
    void numbers_data() { addTableRows(QStringLiteral("play/numbers.txt")); }
    void numbers() { checkRow(written); }
    void games_data() { addTableRows(QStringLiteral("play/games.txt")); }
    void games();
    void seededDrawsFollowTheirChances_data() { addTableRows(QStringLiteral("play/chances.txt")); }
    void seededDrawsFollowTheirChances();
    void reseedsWithinOneClockTickStillDiffer();

private:
    QHash<QString, int> m_seededOutcomes;
};

// Outcomes of many seeded draws: play types before the redraw, speed rows, attempts in a game.
void RulesTest::initTestCase() {
    MixingRandomSource random(20261206);
    GameState state;
    for (int i = 0; i < seededDraws; ++i) {
        ++m_seededOutcomes[PlayType::caption(drawPlayType(random))];
        drawSpeeds(random, state);
        ++m_seededOutcomes[QStringLiteral("speed %1").arg(speedOf(state, PlayType::Short))];
        drawMaxThrows(random, state);
        ++m_seededOutcomes[QStringLiteral("attempts %1").arg(state.maxThrows)];
    }
}

void RulesTest::games() {
    QFETCH(QString, career);
    QFETCH(QString, draws);
    QFETCH(QString, steps);
    Session s;
    for (const double u : tableNumbers(draws))
        s.random.push(u);
    const QStringList says = career.split(u',');
    for (const QString& word : says)
        tableChoice({"keeps", "loses", "record", "unwritable", "over", "unreadable"},
                    QStringLiteral("career"), word);
    s.career.seasonNumber = 2;
    s.career.gamesBefore = 3;
    s.career.recordFalls = says.contains(QStringLiteral("record"));
    s.career.keeps = !says.contains(QStringLiteral("loses"));
    s.game.newGame();
    s.career.ready = !says.contains(QStringLiteral("unwritable"));
    if (says.contains(QStringLiteral("over")))
        s.career.opening = SeasonOpening::CareerOver;
    if (says.contains(QStringLiteral("unreadable")))
        s.career.opening = SeasonOpening::NotRead;
    for (const auto& [name, value] : tableLine(steps)) // `new` is a word
        s.step(name.isEmpty() ? value : name, value);
    const QStringList shown = s.shown();
    const char* columns[] = {"meter", "ticks", "throw", "button", "asked", "season"};
    for (qsizetype i = 0; i < shown.size(); ++i)
        QCOMPARE(shown[i], *static_cast<QString*>(QTest::qData(columns[i], QMetaType::QString)));
    QVERIFY(s.random.empty());
}

// Within five standard errors, so the fixed seed never flakes and a band edge moved by one
// step of its draw still fails.
void RulesTest::seededDrawsFollowTheirChances() {
    QFETCH(QString, outcome);
    QFETCH(QString, chance);
    const double share = double(m_seededOutcomes.value(outcome)) / seededDraws;
    const double expected = tableNumber(chance);
    QVERIFY2(std::abs(share - expected) <= 5 * std::sqrt(expected * (1 - expected) / seededDraws),
             qPrintable(QStringLiteral("share %1").arg(share)));
}

void RulesTest::reseedsWithinOneClockTickStillDiffer() {
    MixingRandomSource random([] { return 43200.25; });
    random.reseed();
    const double first = random.uniform();
    random.reseed();
    QVERIFY(random.uniform() != first);
}

QTEST_GUILESS_MAIN(RulesTest)
#include "rules_test.moc"
