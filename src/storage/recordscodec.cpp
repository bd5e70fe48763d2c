// SPDX-License-Identifier: MIT
#include "storage/recordscodec.h"

#include "storage/littleendian.h"

namespace {

constexpr auto visitFields = [](auto& r, auto&& visit) {
    for (auto* field :
         {&r.mostGameYards, &r.mostGameTouchdowns, &r.mostGameInterceptions, &r.mostInRow})
        visit(*field);
    visit(r.bestGameCompletionPercentage.tenThousandths);
    for (auto* field : {&r.mostSeasonYards, &r.mostSeasonTouchdowns, &r.leastSeasonInterceptions})
        visit(*field);
    visit(r.bestSeasonCompletionPercentage.tenThousandths);
    visit(r.bestSeasonRating.tenThousandths);
};

} // namespace

QByteArray encodeRecords(const CareerRecords& records) {
    return encodeFields(records, visitFields);
}

CareerRecords decodeRecords(QByteArrayView bytes) {
    return decodeFields<CareerRecords>(bytes, RecordsRecordSize, visitFields);
}
