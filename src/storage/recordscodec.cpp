// SPDX-License-Identifier: MIT
#include "storage/recordscodec.h"

#include "storage/littleendian.h"

namespace {

constexpr auto visitFields = [](auto& r, auto&& visit) {
    for (auto* field : {&r.MostGameYds, &r.MostGameTD, &r.MostGameInt, &r.MostInRow})
        visit(*field);
    visit(r.BestGameCompPct.tenThousandths);
    for (auto* field : {&r.MostSeasonYds, &r.MostSeasonTD, &r.LeastSeasonInt})
        visit(*field);
    visit(r.BestSeasonCompPct.tenThousandths);
    visit(r.BestSeasonRating.tenThousandths);
};

} // namespace

QByteArray encodeRecords(const CareerRecords& records) {
    return encodeFields(records, visitFields);
}

CareerRecords decodeRecords(QByteArrayView bytes) {
    return decodeFields<CareerRecords>(bytes, RecordsRecordSize, visitFields);
}
