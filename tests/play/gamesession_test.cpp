// SPDX-License-Identifier: MIT
// The play cycle without the window, played step by step from a table: the meter's speeds and
// stop, the count running on across snaps, the redraw, the press graded at its moment and the
// order of a game's end.
#include "support/datatable.h"
#include "support/fakecareer.h"
#include "support/playtypedraw.h"
#include "support/scriptedrandom.h"
#include "support/tablenumbers.h"

#include "play/gamesession.h"
#include "play/playtype.h"

#include <QTest>
#include <utility>

namespace {

struct Session {
    ScriptedRandomSource random{4.0 / 9, 0.0, 4.0 / 9}; // 26 attempts, speeds 11, 9, 7, 6
    FakeCareer career;
    GameSession game{random, career, QStringLiteral(".")};
    int late = 0;

    void snap(const QList<double>& playTypes) {
        for (const double playType : playTypes)
            random.push(playTypeDraw(static_cast<std::int16_t>(playType)));
        game.press();
    }
    void throwWith(const QList<double>& draws) {
        for (const double u : draws)
            random.push(u);
        game.press(std::exchange(late, 0));
    }
    void ticks(int count) {
        for (int i = 0; i < count; ++i)
            game.tick();
    }
    void misses(int count) {
        for (int i = 0; i < count; ++i) {
            snap({double(i % 2 ? PlayType::Long : PlayType::Short)});
            throwWith({0.9});
        }
    }
    void step(const QString& name, const QString& value) {
        if (name == u"snap")
            snap(tableNumbers(value));
        else if (name == u"throw")
            throwWith(tableNumbers(value));
        else if (name == u"late")
            late = value.toInt();
        else if (name == u"tick")
            ticks(value.toInt());
        else if (name == u"misses")
            misses(value.toInt());
        else if (name == u"record")
            career.recordFalls = true;
        else if (name == u"lose")
            career.keeps = false;
        else
            QFAIL(qPrintable(QStringLiteral("no step ") + name));
    }
};

} // namespace

class GameSessionTest : public QObject {
    Q_OBJECT
private slots:
    void stepsShowWhatTheRulesMake_data() { addTableRows(QStringLiteral("play/gamesession.txt")); }
    void stepsShowWhatTheRulesMake();
};

void GameSessionTest::stepsShowWhatTheRulesMake() {
    QFETCH(QString, steps);
    QFETCH(QString, meter);
    QFETCH(QString, count);
    QFETCH(QString, label);
    QFETCH(QString, button);
    QFETCH(QString, career);
    QFETCH(QString, season);
    Session s;
    s.career.seasonNumber = 2;
    s.career.gamesBefore = 3;
    s.game.newGame();
    for (const QString& step : steps.split(u' '))
        s.step(step.section(u'=', 0, 0), step.section(u'=', 1));
    const MainView& view = s.game.view();
    const QStringList shown{
        QString::number(view.meter), QString::number(s.game.state().TickCount),
        view.currentThrow,           view.buttonCaption + (view.buttonEnabled ? "" : " disabled"),
        s.career.calls.join(u' '),   view.careerStats};
    QCOMPARE(shown.join(u'|'),
             (QStringList{meter, count, label, button, career, season}.join(u'|')));
    QVERIFY(s.random.empty());
}

QTEST_GUILESS_MAIN(GameSessionTest)
#include "gamesession_test.moc"
