// SPDX-License-Identifier: MIT
// The pictures compiled into the program, each drawn as the table in tests/data/app says.
#include "support/datatable.h"

#include <QPainter>
#include <QSvgRenderer>
#include <QTest>

class PicturesTest : public QObject {
    Q_OBJECT
private slots:
    void eachPicturePaintsOnlyItsBox_data() { addTableRows("app/pictures.txt"); }
    void eachPicturePaintsOnlyItsBox();
};

void PicturesTest::eachPicturePaintsOnlyItsBox() {
    QFETCH(QString, picture);
    QFETCH(QString, width);
    QFETCH(QString, height);
    QFETCH(QString, opaque);
    QFETCH(QString, red);
    QFETCH(QString, green);
    constexpr int margin = 40;
    // Anti-aliasing may leave a trace next to a curved edge that ends on the border.
    constexpr int faintestPaint = 8;
    const QRect box(margin, margin, tableInt(width), tableInt(height));
    QSvgRenderer renderer(QStringLiteral(":/pictures/") + picture);
    if (!renderer.isValid())
        unknownWord(QStringLiteral("picture"), picture);
    QImage image(box.size() + QSize(2 * margin, 2 * margin), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter, box);
    painter.end();
    int outside = 0;
    int seeThrough = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const int alpha = qAlpha(image.pixel(x, y));
            outside += !box.contains(x, y) && alpha >= faintestPaint;
            seeThrough += box.contains(x, y) && y - margin < tableInt(opaque) && alpha < 255;
        }
    }
    QCOMPARE(outside, 0);
    QCOMPARE(seeThrough, 0);
    QVERIFY(qAlpha(image.pixel(box.center())) > 0);
    // The middle of each row named: its own colour strong, the other weak.
    for (const auto& [rows, isRed] : {std::pair(red, true), std::pair(green, false)}) {
        for (const QString& row : rows.split(u',', Qt::SkipEmptyParts)) {
            const QColor c(image.pixel(margin + box.width() / 2, margin + tableInt(row)));
            const auto [wanted, other] =
                isRed ? std::pair(c.red(), c.green()) : std::pair(c.green(), c.red());
            QVERIFY2(wanted > 150 && other < 100, qPrintable(row));
        }
    }
}

QTEST_MAIN(PicturesTest)
#include "pictures_test.moc"
