// SPDX-License-Identifier: MIT
#include "storage/recordtexts.h"

#include "stats/numbertext.h"

std::array<QString, 10> recordTexts(const CareerRecords& r, const QString& point) {
    return {wholeText(r.MostGameYds),
            wholeText(r.MostGameTD),
            wholeText(r.MostGameInt),
            currencyText(r.BestGameCompPct, point),
            wholeText(r.MostInRow),
            wholeText(r.MostSeasonYds),
            wholeText(r.MostSeasonTD),
            wholeText(r.LeastSeasonInt),
            currencyText(r.BestSeasonCompPct, point),
            currencyText(r.BestSeasonRating, point)};
}
