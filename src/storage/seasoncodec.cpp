// SPDX-License-Identifier: MIT
#include "storage/seasoncodec.h"

#include "storage/littleendian.h"

namespace {

// The fields in file order: the season's totals before Reserved, the one 16-bit field, and the
// blocks of the play types after it.
constexpr auto visitFields = [](auto& s, auto&& visit) {
    visit(s.number);
    visit(s.games);
    for (const auto field : SeasonPassingFields[0])
        visit(s.*field);
    visit(s.reserved);
    for (std::size_t line = 1; line < SeasonPassingFields.size(); ++line)
        for (const auto field : SeasonPassingFields[line])
            visit(s.*field);
};

} // namespace

QByteArray encodeSeason(const SeasonStats& season) {
    return encodeFields(season, visitFields);
}

SeasonStats decodeSeason(QByteArrayView bytes) {
    return decodeFields<SeasonStats>(bytes, SeasonRecordSize, visitFields);
}
