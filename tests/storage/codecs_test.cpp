// SPDX-License-Identifier: MIT
#include "storage/damage.h"
#include "storage/recordscodec.h"
#include "storage/seasoncodec.h"

#include <QTest>

class CodecsTest : public QObject {
    Q_OBJECT
private slots:
    void seasonFieldsStandAtTheirOffsets();
    void seasonRoundTripKeepsReserved();
    void missingBytesReadAsZeros();
    void recordsFieldsStandAtTheirOffsets();
    void damagedSeasonFilesAreNamedAndEmptied_data();
    void damagedSeasonFilesAreNamedAndEmptied();
    void damagedRecordsFilesAreNamed_data();
    void damagedRecordsFilesAreNamed();
};

void CodecsTest::seasonFieldsStandAtTheirOffsets() {
    SeasonStats season;
    season.Season = 3;
    season.Games = 16;
    season.Reserved = 0x0201;
    season.ShortAtt = 5;
    season.BlitzInt = 0x0A0B0C0D;
    season.Yds = -2;
    const QByteArray bytes = encodeSeason(season);
    QCOMPARE(bytes.size(), 110);
    QCOMPARE(bytes.mid(0, 4), QByteArray::fromHex("03000000"));
    QCOMPARE(bytes.mid(4, 4), QByteArray::fromHex("10000000"));
    QCOMPARE(bytes.mid(16, 4), QByteArray::fromHex("feffffff"));
    QCOMPARE(bytes.mid(28, 2), QByteArray::fromHex("0102"));
    QCOMPARE(bytes.mid(30, 4), QByteArray::fromHex("05000000"));
    QCOMPARE(bytes.mid(106, 4), QByteArray::fromHex("0d0c0b0a"));
}

void CodecsTest::seasonRoundTripKeepsReserved() {
    QByteArray bytes(110, '\0');
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = char(i * 7 + 1);
    QCOMPARE(encodeSeason(decodeSeason(bytes)), bytes);
}

void CodecsTest::missingBytesReadAsZeros() {
    QCOMPARE(decodeSeason(QByteArray()), SeasonStats{});
    QCOMPARE(decodeRecords(QByteArray()), CareerRecords{});
    const SeasonStats partial = decodeSeason(QByteArray::fromHex("0100000002"));
    QCOMPARE(partial.Season, 1);
    QCOMPARE(partial.Games, 2);
    QCOMPARE(partial.Att, 0);
}

void CodecsTest::recordsFieldsStandAtTheirOffsets() {
    CareerRecords records;
    records.MostGameYds = 300;
    records.MostInRow = 9;
    records.BestGameCompPct = Currency::fromTenths(778);
    records.MostSeasonYds = 4000;
    records.LeastSeasonInt = 7;
    records.BestSeasonRating = Currency::fromHundredths(8725);
    const QByteArray bytes = encodeRecords(records);
    QCOMPARE(bytes.size(), 52);
    QCOMPARE(bytes.mid(0, 4), QByteArray::fromHex("2c010000"));
    QCOMPARE(bytes.mid(12, 4), QByteArray::fromHex("09000000"));
    QCOMPARE(bytes.mid(16, 8), QByteArray::fromHex("10df0b0000000000")); // 778 000
    QCOMPARE(bytes.mid(24, 4), QByteArray::fromHex("a00f0000"));
    QCOMPARE(bytes.mid(32, 4), QByteArray::fromHex("07000000"));
    QCOMPARE(bytes.mid(44, 8), QByteArray::fromHex("34500d0000000000")); // 872 500
    QCOMPARE(decodeRecords(bytes), records);
}

void CodecsTest::damagedSeasonFilesAreNamedAndEmptied_data() {
    SeasonStats good;
    good.Season = 1;
    good.Games = 16;
    good.Att = 400;
    SeasonStats tooManyGames = good;
    tooManyGames.Season = 2;
    tooManyGames.Games = 17;
    SeasonStats negative = good;
    negative.Season = 2;
    negative.Games = 3;
    negative.MediumYds = -1;
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("problem");
    QTest::addColumn<int>("seasons");
    QTest::newRow("sound") << encodeSeason(good) + encodeSeason(good) << "" << 2;
    QTest::newRow("torn record") << encodeSeason(good) + QByteArray(50, 'x')
                                 << "its length of 160 bytes is not a whole number of seasons" << 1;
    QTest::newRow("seventeen games") << encodeSeason(good) + encodeSeason(tooManyGames)
                                     << "season 2 holds impossible figures" << 2;
    QTest::newRow("negative yards")
        << encodeSeason(good) + encodeSeason(negative) << "season 2 holds impossible figures" << 2;
}

void CodecsTest::damagedSeasonFilesAreNamedAndEmptied() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, problem);
    QFETCH(int, seasons);
    const SeasonsContent content = readSeasonsContent(bytes);
    QCOMPARE(content.problem, problem);
    QCOMPARE(int(content.seasons.size()), seasons);
    QCOMPARE(content.seasons.front().Att, 400);
    if (seasons == 2 && !problem.isEmpty()) {
        QCOMPARE(content.seasons.back().Games, 0);
        QCOMPARE(content.seasons.back().Season, 2);
    }
}

void CodecsTest::damagedRecordsFilesAreNamed_data() {
    CareerRecords records;
    records.MostGameYds = 250;
    CareerRecords negative;
    negative.BestSeasonRating = Currency{-1};
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("problem");
    QTest::addColumn<int>("yards");
    QTest::newRow("missing") << QByteArray() << "" << 0;
    QTest::newRow("sound") << encodeRecords(records) << "" << 250;
    QTest::newRow("longer than one record")
        << encodeRecords(records) + QByteArray(3, '\1')
        << "its length of 55 bytes is not the 52 of one record" << 250;
    QTest::newRow("torn") << encodeRecords(records).left(20)
                          << "its length of 20 bytes is not the 52 of one record" << 0;
    QTest::newRow("negative") << encodeRecords(negative) << "it holds impossible figures" << 0;
}

void CodecsTest::damagedRecordsFilesAreNamed() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, problem);
    QFETCH(int, yards);
    const RecordsContent content = readRecordsContent(bytes);
    QCOMPARE(content.problem, problem);
    QCOMPARE(content.records.MostGameYds, yards);
}

QTEST_GUILESS_MAIN(CodecsTest)
#include "codecs_test.moc"
