// SPDX-License-Identifier: MIT
// The pictures compiled into the program, each drawn as the table in tests/data/app says.
#include "support/datatable.h"

#include <QPainter>
#include <QSvgRenderer>
#include <QTest>

class PicturesTest : public QObject {
    Q_OBJECT
private slots:
    void eachPicturePaintsOnlyItsBox_data();
    void eachPicturePaintsOnlyItsBox();
};

void PicturesTest::eachPicturePaintsOnlyItsBox_data() {
    QTest::addColumn<QStringList>("row");
    for (const QStringList& row : tableRows(QStringLiteral("app/pictures.txt")))
        QTest::newRow(qPrintable(row.join(u' '))) << row;
}

void PicturesTest::eachPicturePaintsOnlyItsBox() {
    QFETCH(QStringList, row);
    constexpr int margin = 40;
    // Anti-aliasing may leave a trace next to a curved edge that ends on the border.
    constexpr int faintestPaint = 8;
    if (row.size() < 4 || row.size() > 5)
        unknownWord(QStringLiteral("row of four or five columns"), row.join(u' '));
    const QRect box(margin, margin, tableInt(row[1]), tableInt(row[2]));
    QSvgRenderer picture(QStringLiteral(":/pictures/") + row[0]);
    if (!picture.isValid())
        unknownWord(QStringLiteral("picture"), row[0]);
    QImage image(box.size() + QSize(2 * margin, 2 * margin), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    picture.render(&painter, box);
    painter.end();
    const int opaqueRows = tableInt(row[3]);
    int outside = 0;
    int seeThrough = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const int alpha = qAlpha(image.pixel(x, y));
            outside += !box.contains(x, y) && alpha >= faintestPaint;
            seeThrough += box.contains(x, y) && y - margin < opaqueRows && alpha < 255;
        }
    }
    QCOMPARE(outside, 0);
    QCOMPARE(seeThrough, 0);
    QVERIFY(qAlpha(image.pixel(box.center())) > 0);
    for (const QString& probe : row.value(4).split(u',', Qt::SkipEmptyParts)) {
        const QColor c(image.pixel(margin + box.width() / 2, margin + tableInt(probe.chopped(1))));
        const bool red = tableChoice({"g", "r"}, QStringLiteral("colour"), probe.right(1)) == 1;
        const auto [wanted, other] =
            red ? std::pair(c.red(), c.green()) : std::pair(c.green(), c.red());
        QVERIFY2(wanted > 150 && other < 100, qPrintable(probe));
    }
}

QTEST_MAIN(PicturesTest)
#include "pictures_test.moc"
