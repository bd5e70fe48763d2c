// SPDX-License-Identifier: MIT
#include "storage/damage.h"

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

bool isPlausible(const SeasonStats& s) {
    for (const auto& line : SeasonPassingFields)
        for (const auto field : line)
            if (s.*field < 0)
                return false;
    return s.Games >= 0 && s.Games <= 16;
}

bool isPlausible(const CareerRecords& r) {
    return !anyNegative({r.MostGameYds, r.MostGameTD, r.MostGameInt, r.MostInRow,
                         r.BestGameCompPct.tenThousandths, r.MostSeasonYds, r.MostSeasonTD,
                         r.LeastSeasonInt, r.BestSeasonCompPct.tenThousandths,
                         r.BestSeasonRating.tenThousandths});
}

} // namespace

SeasonsContent readSeasonsContent(const QByteArray& bytes) {
    SeasonsContent content;
    QStringList problems;
    if (const qsizetype extra = bytes.size() % SeasonRecordSize; extra != 0)
        problems << QStringLiteral("its length of %1 bytes is not a whole number of seasons")
                        .arg(bytes.size());
    const qsizetype whole = bytes.size() / SeasonRecordSize;
    for (qsizetype n = 0; n < whole; ++n) {
        SeasonStats season = decodeSeason(QByteArrayView(bytes).sliced(n * SeasonRecordSize));
        if (!isPlausible(season)) {
            problems << QStringLiteral("season %1 holds impossible figures").arg(n + 1);
            season = SeasonStats{};
            season.Season = static_cast<std::int32_t>(n + 1);
        }
        content.seasons.push_back(season);
    }
    content.problem = problems.join(QStringLiteral("; "));
    return content;
}

RecordsContent readRecordsContent(const QByteArray& bytes) {
    RecordsContent content;
    if (bytes.isEmpty())
        return content;
    if (bytes.size() != RecordsRecordSize)
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
