// SPDX-License-Identifier: MIT
#include "storage/seasoncodec.h"

#include "storage/littleendian.h"

namespace {

// A line's five counts in file order.
constexpr auto visitLine = [](auto& line, auto&& visit) {
    visit(line.attempts);
    visit(line.completions);
    visit(line.yards);
    visit(line.touchdowns);
    visit(line.interceptions);
};

// The fields in file order: the season's totals before Reserved, the one 16-bit field, and the
// lines of the play types after it.
constexpr auto visitFields = [](auto& s, auto&& visit) {
    visit(s.number);
    visit(s.games);
    visitLine(s.total, visit);
    visit(s.reserved);
    for (auto& line : s.byType)
        visitLine(line, visit);
};

} // namespace

QByteArray encodeSeason(const SeasonStats& season) {
    return encodeFields(season, visitFields);
}

SeasonStats decodeSeason(QByteArrayView bytes) {
    return decodeFields<SeasonStats>(bytes, SeasonRecordSize, visitFields);
}
