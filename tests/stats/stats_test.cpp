// SPDX-License-Identifier: MIT
// Number texts and passer ratings by the worked examples.
#include "support/datatable.h"
#include "support/tablenumbers.h"

#include "stats/exactround.h"
#include "stats/numbertext.h"
#include "stats/passerrating.h"
#include "stats/percentage.h"

#include <QTest>

namespace {

QString written(const QString& form, const QString& point, const QList<qint64>& n) {
    if (form == u"currency")
        return currencyText(Currency{n[0]}, point);
    if (form == u"percentage")
        return currencyText(completionPercentage(n[0], n[1]), point);
    if (form == u"rounded")
        return QString::number(roundQuotient(n[0], n[1]));
    if (form == u"rating")
        return currencyText(passerRating({n[0], n[1], n[2], n[3], n[4]}), point);
    return patternText(n[0], n[1], form, point);
}

} // namespace

class StatsTest : public QObject {
    Q_OBJECT
private slots:
    void numberTexts_data() { addTableRows(QStringLiteral("stats/numbers.txt")); }
    void numberTexts();
};

void StatsTest::numberTexts() {
    QFETCH(QString, form);
    QFETCH(QString, point);
    QFETCH(QString, numbers);
    QFETCH(QString, text);
    QList<qint64> n;
    for (const double number : tableNumbers(numbers))
        n << static_cast<qint64>(number);
    QCOMPARE(written(form, point, n), text);
}

QTEST_GUILESS_MAIN(StatsTest)
#include "stats_test.moc"
