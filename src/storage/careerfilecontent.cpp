// SPDX-License-Identifier: MIT
#include "storage/careerfilecontent.h"

#include "play/career.h"
#include "play/playtype.h"
#include "play/throwrules.h"
#include "stats/yardage.h"
#include "storage/recordscodec.h"
#include "storage/seasoncodec.h"

#include <QStringList>
#include <initializer_list>

namespace {

bool anyNegative(std::initializer_list<std::int64_t> values) {
    for (const std::int64_t value : values)
        if (value < 0)
            return true;
    return false;
}

// What no throw can leave in any line: each throw adds one attempt, and at most one of a
// completion or an interception; only a completion scores.
QString lineImpossibility(const CareerLine& l) {
    if (anyNegative({l.attempts, l.completions, l.yards, l.touchdowns, l.interceptions}))
        return QStringLiteral("a count below zero");
    if (l.completions > l.attempts)
        return QStringLiteral("more completions than attempts");
    if (l.touchdowns > l.completions)
        return QStringLiteral("more touchdowns than completions");
    if (l.interceptions > l.attempts - l.completions)
        return QStringLiteral("more interceptions than incomplete passes");
    return {};
}

// The play types' lines add up to the season's but for the throws judged with no play type (New
// Game during a snap, then a press): one a game at most, counted as an attempt or an interception.
QString sumImpossibility(const SeasonStats& s) {
    const CareerLine total = s.total;
    CareerLine types;
    for (const SeasonLine& line : s.byType)
        types += line;
    if (types.completions != total.completions || types.yards != total.yards ||
        types.touchdowns != total.touchdowns)
        return QStringLiteral("pass types whose completions, yards or touchdowns are not the "
                              "season's");
    const std::int64_t untyped = total.attempts - types.attempts;
    if (untyped < 0 || untyped > s.games)
        return QStringLiteral("pass types whose attempts are not the season's, but for one a "
                              "game");
    const std::int64_t untypedInterceptions = total.interceptions - types.interceptions;
    if (untypedInterceptions < 0 || untypedInterceptions > untyped)
        return QStringLiteral("pass types whose interceptions are not the season's, but for "
                              "throws with no play type");
    return {};
}

// Why no game could have written the season; empty when one could.
QString seasonImpossibility(const SeasonStats& s) {
    if (s.games < 0 || s.games > GamesInSeason)
        return QStringLiteral("games outside 0 to %1").arg(GamesInSeason);
    if (QString why = lineImpossibility(s.total); !why.isEmpty())
        return why;
    for (const SeasonLine& line : s.byType)
        if (QString why = lineImpossibility(line); !why.isEmpty())
            return why;
    if (s.games == 0 && s.total.attempts > 0)
        return QStringLiteral("throws in a season of no games");
    if (s.total.attempts > std::int64_t(MostAttemptsInGame) * s.games)
        return QStringLiteral("more than %1 attempts a game").arg(MostAttemptsInGame);
    for (std::int16_t type = PlayType::Short; PlayType::isSnap(type); ++type) {
        const SeasonLine& l = s.byType[PlayType::index(type)];
        if (l.yards > std::int64_t(longestGain(type)) * l.completions)
            return QStringLiteral("more %1 yards than %2 a completion")
                .arg(PlayType::caption(type))
                .arg(longestGain(type));
    }
    return sumImpossibility(s);
}

bool isPlausible(const CareerRecords& r) {
    return !anyNegative({r.mostGameYards, r.mostGameTouchdowns, r.mostGameInterceptions,
                         r.mostInRow, r.bestGameCompletionPercentage.tenThousandths,
                         r.mostSeasonYards, r.mostSeasonTouchdowns, r.leastSeasonInterceptions,
                         r.bestSeasonCompletionPercentage.tenThousandths,
                         r.bestSeasonRating.tenThousandths});
}

QString lengthProblem(qsizetype size) {
    if (size > LongestSeasonsFile)
        return QStringLiteral("it is longer than the %1 bytes of %2 seasons")
            .arg(LongestSeasonsFile)
            .arg(MostSeasonRecords);
    if (size % SeasonRecordSize != 0)
        return QStringLiteral("its length of %1 bytes is not a whole number of seasons").arg(size);
    return {};
}

} // namespace

SeasonsContent readSeasonsContent(const QByteArray& bytes) {
    SeasonsContent content;
    QStringList problems;
    if (QString problem = lengthProblem(bytes.size()); !problem.isEmpty())
        problems << problem;
    content.cut = bytes.size() > LongestSeasonsFile;
    const qsizetype whole = std::min(bytes.size(), LongestSeasonsFile) / SeasonRecordSize;
    QStringList misnumbered;
    for (qsizetype n = 1; n <= whole; ++n) {
        SeasonStats season = decodeSeason(QByteArrayView(bytes).sliced((n - 1) * SeasonRecordSize));
        if (season.number != n) {
            misnumbered << QStringLiteral("season %1 is numbered %2").arg(n).arg(season.number);
            season.number = std::int32_t(n);
        }
        if (QString why = seasonImpossibility(season); !why.isEmpty()) {
            problems << QStringLiteral("season %1 holds impossible figures (%2)").arg(n).arg(why);
            season = SeasonStats{.number = std::int32_t(n)};
            content.emptied.push_back(int(n));
        }
        content.seasons.push_back(season);
    }
    // Told once, however many seasons a stray file misnumbers.
    if (misnumbered.size() == 1)
        problems << misnumbered;
    else if (!misnumbered.isEmpty())
        problems << QStringLiteral("%1 seasons are numbered out of place, as %2")
                        .arg(misnumbered.size())
                        .arg(misnumbered.first());
    content.problem = problems.join(QStringLiteral("; "));
    return content;
}

QString leftOutText(const SeasonsContent& content) {
    QStringList parts;
    if (!content.emptied.empty()) {
        QStringList numbers;
        for (const int number : content.emptied)
            numbers << QString::number(number);
        parts << (content.emptied.size() == 1 ? QStringLiteral("Season %1 is left out, as it "
                                                               "is damaged.")
                                              : QStringLiteral("Seasons %1 are left out, as "
                                                               "they are damaged."))
                     .arg(numbers.join(QStringLiteral(", ")));
    }
    if (content.cut)
        parts << QStringLiteral("Any season after season %1 is left out, as the file is too "
                                "long.")
                     .arg(MostSeasonRecords);
    return parts.join(u' ');
}

RecordsContent readRecordsContent(const QByteArray& bytes) {
    RecordsContent content;
    if (bytes.isEmpty())
        return content;
    if (bytes.size() > RecordsRecordSize)
        content.problem =
            QStringLiteral("it is longer than the %1 bytes of one record").arg(RecordsRecordSize);
    else if (bytes.size() != RecordsRecordSize)
        content.problem = QStringLiteral("its length of %1 bytes is not the %2 of one record")
                              .arg(bytes.size())
                              .arg(RecordsRecordSize);
    if (bytes.size() >= RecordsRecordSize)
        content.records = decodeRecords(bytes);
    if (!isPlausible(content.records)) {
        content.problem = QStringLiteral("it holds impossible figures");
        content.records = CareerRecords{};
    }
    return content;
}

QByteArray seasonsBytes(const std::vector<SeasonStats>& seasons) {
    QByteArray bytes;
    for (const SeasonStats& season : seasons)
        bytes += encodeSeason(season);
    return bytes;
}
