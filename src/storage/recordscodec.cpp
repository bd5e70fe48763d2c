// SPDX-License-Identifier: MIT
#include "storage/recordscodec.h"

#include "storage/littleendian.h"

namespace {

template <typename Records, typename Visit> void visitFields(Records& r, Visit&& visit) {
    for (auto* field : {&r.MostGameYds, &r.MostGameTD, &r.MostGameInt, &r.MostInRow})
        visit(*field);
    visit(r.BestGameCompPct.tenThousandths);
    for (auto* field : {&r.MostSeasonYds, &r.MostSeasonTD, &r.LeastSeasonInt})
        visit(*field);
    visit(r.BestSeasonCompPct.tenThousandths);
    visit(r.BestSeasonRating.tenThousandths);
}

} // namespace

QByteArray encodeRecords(const CareerRecords& records) {
    LittleEndianWriter writer;
    visitFields(records, [&](auto value) { writer.put(value); });
    return writer.bytes();
}

CareerRecords decodeRecords(QByteArrayView bytes) {
    LittleEndianReader reader(bytes, RecordsRecordSize);
    CareerRecords records;
    visitFields(records, [&](auto& field) {
        field = reader.get<std::remove_reference_t<decltype(field)>>();
    });
    return records;
}
