// SPDX-License-Identifier: MIT
#include "stats/exactround.h"
#include "stats/numbertext.h"
#include "stats/percentage.h"

#include <QTest>

class NumberTextTest : public QObject {
    Q_OBJECT
private slots:
    void roundingIsOfTheExactValueHalvesAwayFromZero_data();
    void roundingIsOfTheExactValueHalvesAwayFromZero();
    void patternsWriteTheirPlaces_data();
    void patternsWriteTheirPlaces();
    void currencyTextIsShortest_data();
    void currencyTextIsShortest();
    void percentageRoundsTrueHalvesUp_data();
    void percentageRoundsTrueHalvesUp();
    void decimalSeparatorComesFromTheCaller();
};

void NumberTextTest::roundingIsOfTheExactValueHalvesAwayFromZero_data() {
    QTest::addColumn<qint64>("numerator");
    QTest::addColumn<qint64>("denominator");
    QTest::addColumn<qint64>("rounded");
    QTest::newRow("half up") << qint64(5) << qint64(2) << qint64(3);
    QTest::newRow("just below half") << qint64(249) << qint64(100) << qint64(2);
    QTest::newRow("negative half away") << qint64(-5) << qint64(2) << qint64(-3);
    QTest::newRow("negative below half") << qint64(-7) << qint64(5) << qint64(-1);
    QTest::newRow("exact") << qint64(12) << qint64(4) << qint64(3);
    QTest::newRow("zero") << qint64(0) << qint64(7) << qint64(0);
}

void NumberTextTest::roundingIsOfTheExactValueHalvesAwayFromZero() {
    QFETCH(qint64, numerator);
    QFETCH(qint64, denominator);
    QFETCH(qint64, rounded);
    QCOMPARE(roundQuotient(numerator, denominator), rounded);
}

void NumberTextTest::patternsWriteTheirPlaces_data() {
    QTest::addColumn<qint64>("numerator");
    QTest::addColumn<qint64>("denominator");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("text");
    QTest::newRow(".0 of a half") << qint64(1) << qint64(2) << "###.0"
                                  << ".5";
    QTest::newRow(".0 of 100") << qint64(100) << qint64(1) << "###.0"
                               << "100.0";
    QTest::newRow(".0 of 62.5") << qint64(125) << qint64(2) << "###.0"
                                << "62.5";
    QTest::newRow(".0 of 7.25 rounds up") << qint64(29) << qint64(4) << "###.0"
                                          << "7.3";
    QTest::newRow(".0 of 123.45") << qint64(12345) << qint64(100) << "###.0"
                                  << "123.5";
    QTest::newRow(".0 of 250/32") << qint64(250) << qint64(32) << "###.0"
                                  << "7.8";
    QTest::newRow(".0 of 1/150 %") << qint64(100) << qint64(150) << "###.0"
                                   << ".7";
    QTest::newRow(".# of 100 keeps the point") << qint64(100) << qint64(1) << "###.#"
                                               << "100.";
    QTest::newRow(".# of 62.5") << qint64(125) << qint64(2) << "###.#"
                                << "62.5";
    QTest::newRow(".## of 45.145") << qint64(45145) << qint64(1000) << "###.##"
                                   << "45.15";
    QTest::newRow(".## of 1.10") << qint64(110) << qint64(100) << "###.##"
                                 << "1.1";
    QTest::newRow(".### of 1/6") << qint64(1) << qint64(6) << "###.###"
                                 << ".167";
    QTest::newRow(".### of 2.0005") << qint64(20005) << qint64(10000) << "###.###"
                                    << "2.001";
    QTest::newRow(".00 of 0") << qint64(0) << qint64(1) << "###.00"
                              << ".00";
    QTest::newRow(".00 of 0.58") << qint64(58) << qint64(100) << "###.00"
                                 << ".58";
    QTest::newRow(".00 of 158.33") << qint64(15833) << qint64(100) << "###.00"
                                   << "158.33";
    QTest::newRow(".00 of 60") << qint64(60) << qint64(1) << "###.00"
                               << "60.00";
}

void NumberTextTest::patternsWriteTheirPlaces() {
    QFETCH(qint64, numerator);
    QFETCH(qint64, denominator);
    QFETCH(QString, pattern);
    QFETCH(QString, text);
    QCOMPARE(patternText(numerator, denominator, pattern, QStringLiteral(".")), text);
}

void NumberTextTest::currencyTextIsShortest_data() {
    QTest::addColumn<qint64>("tenThousandths");
    QTest::addColumn<QString>("text");
    QTest::newRow("62.5") << qint64(625000) << "62.5";
    QTest::newRow("100") << qint64(1000000) << "100";
    QTest::newRow("0.3") << qint64(3000) << "0.3";
    QTest::newRow("0") << qint64(0) << "0";
    QTest::newRow("87.25") << qint64(872500) << "87.25";
    QTest::newRow("four decimals") << qint64(1234) << "0.1234";
    QTest::newRow("negative") << qint64(-5000) << "-0.5";
}

void NumberTextTest::currencyTextIsShortest() {
    QFETCH(qint64, tenThousandths);
    QFETCH(QString, text);
    QCOMPARE(currencyText(Currency{tenThousandths}, QStringLiteral(".")), text);
}

void NumberTextTest::percentageRoundsTrueHalvesUp_data() {
    QTest::addColumn<int>("completions");
    QTest::addColumn<int>("attempts");
    QTest::addColumn<QString>("text");
    QTest::newRow("204 of 320 is exactly 63.75") << 204 << 320 << "63.8";
    QTest::newRow("1 of 16 is exactly 6.25") << 1 << 16 << "6.3";
    QTest::newRow("2 of 3") << 2 << 3 << "66.7";
    QTest::newRow("12 of 20") << 12 << 20 << "60";
    QTest::newRow("1 of 300") << 1 << 300 << "0.3";
    QTest::newRow("7 of 9") << 7 << 9 << "77.8";
    QTest::newRow("no completion") << 0 << 5 << "0";
}

void NumberTextTest::percentageRoundsTrueHalvesUp() {
    QFETCH(int, completions);
    QFETCH(int, attempts);
    QFETCH(QString, text);
    QCOMPARE(currencyText(completionPercentage(completions, attempts), QStringLiteral(".")), text);
}

void NumberTextTest::decimalSeparatorComesFromTheCaller() {
    const QString comma = QStringLiteral(",");
    QCOMPARE(patternText(125, 2, u"###.0", comma), QStringLiteral("62,5"));
    QCOMPARE(currencyText(Currency{3000}, comma), QStringLiteral("0,3"));
    QCOMPARE(patternText(Currency{0}, u"###.00", comma), QStringLiteral(",00"));
}

QTEST_GUILESS_MAIN(NumberTextTest)
#include "numbertext_test.moc"
