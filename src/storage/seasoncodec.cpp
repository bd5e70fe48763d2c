// SPDX-License-Identifier: MIT
#include "storage/seasoncodec.h"

#include "storage/littleendian.h"

namespace {

// The fields in file order; Reserved is the one 16-bit field.
template <typename Season, typename Visit> void visitFields(Season& s, Visit&& visit) {
    for (auto* field : {&s.Season, &s.Games, &s.Att, &s.Comp, &s.Yds, &s.TD, &s.Int})
        visit(*field);
    visit(s.Reserved);
    for (auto* field : {&s.ShortAtt,  &s.ShortComp,  &s.ShortYds,  &s.ShortTD,  &s.ShortInt,
                        &s.MediumAtt, &s.MediumComp, &s.MediumYds, &s.MediumTD, &s.MediumInt,
                        &s.LongAtt,   &s.LongComp,   &s.LongYds,   &s.LongTD,   &s.LongInt,
                        &s.BlitzAtt,  &s.BlitzComp,  &s.BlitzYds,  &s.BlitzTD,  &s.BlitzInt})
        visit(*field);
}

} // namespace

QByteArray encodeSeason(const SeasonStats& season) {
    LittleEndianWriter writer;
    visitFields(season, [&](auto value) { writer.put(value); });
    return writer.bytes();
}

SeasonStats decodeSeason(QByteArrayView bytes) {
    LittleEndianReader reader(bytes, SeasonRecordSize);
    SeasonStats season;
    visitFields(season, [&](auto& field) {
        field = reader.get<std::remove_reference_t<decltype(field)>>();
    });
    return season;
}
