// SPDX-License-Identifier: MIT
#include "views/passtypetable.h"

#include "play/playtype.h"

#include <algorithm>

namespace {

bool isPlayed(const std::vector<SeasonStats>& seasons, int number) {
    return number >= 1 && static_cast<std::size_t>(number) <= seasons.size() &&
           seasons[static_cast<std::size_t>(number) - 1].games > 0;
}

PassLines spanLines(const std::vector<SeasonStats>& seasons, int span) {
    if (span != CareerSpan)
        return passLines(seasons[static_cast<std::size_t>(span) - 1]);
    PassLines totals{};
    for (const SeasonStats& season : seasons) {
        const PassLines lines = passLines(season);
        for (std::size_t line = 0; line < PassLineCount; ++line)
            totals[line] += lines[line];
    }
    return totals;
}

} // namespace

PassLines passLines(const SeasonStats& season) {
    PassLines lines{};
    const TypeCounts types = typeCounts(season);
    std::copy(types.begin(), types.end(), lines.begin());
    lines.back() = seasonCounts(season);
    return lines;
}

QString passLineName(std::size_t line) {
    return line + 1 < PassLineCount ? PlayType::name(static_cast<std::int16_t>(line + 1))
                                    : QStringLiteral("All");
}

std::vector<int> playedSeasons(const std::vector<SeasonStats>& seasons) {
    std::vector<int> numbers;
    for (int number = 1; static_cast<std::size_t>(number) <= seasons.size(); ++number)
        if (isPlayed(seasons, number))
            numbers.push_back(number);
    return numbers;
}

std::vector<PassTypeRow> passTypeRows(const std::vector<SeasonStats>& seasons, int span,
                                      const QString& point) {
    if (playedSeasons(seasons).empty() || (span != CareerSpan && !isPlayed(seasons, span)))
        return {};
    const PassLines lines = spanLines(seasons, span);
    std::vector<PassTypeRow> rows;
    for (std::size_t line = 0; line < PassLineCount; ++line)
        rows.push_back({passLineName(line), columnPassingTexts(lines[line], point)});
    return rows;
}
