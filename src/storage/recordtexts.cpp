// SPDX-License-Identifier: MIT
#include "storage/recordtexts.h"

#include "stats/numbertext.h"

std::array<QString, 10> recordTexts(const CareerRecords& r, const QString& point) {
    return {wholeText(r.mostGameYards),
            wholeText(r.mostGameTouchdowns),
            wholeText(r.mostGameInterceptions),
            decimalText(r.bestGameCompletionPercentage, point),
            wholeText(r.mostInRow),
            wholeText(r.mostSeasonYards),
            wholeText(r.mostSeasonTouchdowns),
            wholeText(r.leastSeasonInterceptions),
            decimalText(r.bestSeasonCompletionPercentage, point),
            decimalText(r.bestSeasonRating, point)};
}
