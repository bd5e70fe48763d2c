// SPDX-License-Identifier: MIT
// The pictures compiled into the program: each loads and paints within its own box at the size
// the window shows it (the SVG renderer does not clip to the view box, so a stray shape would
// spill over the window's controls).
#include <QColor>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>

namespace {

QImage render(const QString& resource, QSize size, int margin) {
    QImage image(size + QSize(2 * margin, 2 * margin), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(margin, margin, size.width(), size.height()));
    return image;
}

// Anti-aliasing may leave a trace of a level or two next to a curved edge
// that ends on the border; anything stronger is a shape out of place.
constexpr int kFaintestPaint = 8;

int countPaintedOutside(const QImage& image, int margin) {
    const QRect inside(margin, margin, image.width() - 2 * margin, image.height() - 2 * margin);
    int painted = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!inside.contains(x, y) && qAlpha(image.pixel(x, y)) >= kFaintestPaint)
                ++painted;
    return painted;
}

} // namespace

class PicturesTest : public QObject {
    Q_OBJECT
private slots:
    void theResourceHoldsExactlyTheSevenPictures();
    void nothingIsPaintedOutsideThePicture_data();
    void nothingIsPaintedOutsideThePicture();
    void theStadiumCoversTheWholeClientArea();
    void theTargetMarkIsGreenWithRedEnds_data();
    void theTargetMarkIsGreenWithRedEnds();
};

void PicturesTest::theResourceHoldsExactlyTheSevenPictures() {
    QCOMPARE(QDir(QStringLiteral(":/pictures")).entryList(QDir::Files, QDir::Name),
             (QStringList{"field.svg", "icon.svg", "interception.svg", "receiver.svg",
                          "referee.svg", "targetmark.svg", "trophy.svg"}));
}

void PicturesTest::nothingIsPaintedOutsideThePicture_data() {
    QTest::addColumn<QString>("resource");
    QTest::addColumn<QSize>("shownAt");
    // Each at the size and shape the window stretches it to.
    QTest::newRow("field") << QStringLiteral(":/pictures/field.svg") << QSize(500, 325);
    QTest::newRow("receiver") << QStringLiteral(":/pictures/receiver.svg") << QSize(84, 110);
    QTest::newRow("referee") << QStringLiteral(":/pictures/referee.svg") << QSize(82, 109);
    QTest::newRow("trophy") << QStringLiteral(":/pictures/trophy.svg") << QSize(82, 109);
    QTest::newRow("interception") << QStringLiteral(":/pictures/interception.svg")
                                  << QSize(82, 109);
    QTest::newRow("target mark") << QStringLiteral(":/pictures/targetmark.svg") << QSize(11, 35);
    QTest::newRow("icon 16") << QStringLiteral(":/pictures/icon.svg") << QSize(16, 16);
    QTest::newRow("icon 256") << QStringLiteral(":/pictures/icon.svg") << QSize(256, 256);
    QTest::newRow("spot at 200 %")
        << QStringLiteral(":/pictures/interception.svg") << QSize(164, 218);
}

void PicturesTest::nothingIsPaintedOutsideThePicture() {
    QFETCH(QString, resource);
    QFETCH(QSize, shownAt);
    constexpr int margin = 40;
    const QImage image = render(resource, shownAt, margin);
    QCOMPARE(countPaintedOutside(image, margin), 0);
    // and it did paint something inside
    QVERIFY(qAlpha(image.pixel(margin + shownAt.width() / 2, margin + shownAt.height() / 2)) > 0);
}

void PicturesTest::theStadiumCoversTheWholeClientArea() {
    // The window's client area is 500 x 322 and shows the top of the picture.
    const QImage image = render(QStringLiteral(":/pictures/field.svg"), QSize(500, 325), 0);
    int seeThrough = 0;
    for (int y = 0; y < 322; ++y)
        for (int x = 0; x < 500; ++x)
            if (qAlpha(image.pixel(x, y)) != 255)
                ++seeThrough;
    QCOMPARE(seeThrough, 0);
}

void PicturesTest::theTargetMarkIsGreenWithRedEnds_data() {
    QTest::addColumn<double>("scale");
    QTest::newRow("100 %") << 1.0;
    QTest::newRow("150 %") << 1.5;
    QTest::newRow("200 %") << 2.0;
}

void PicturesTest::theTargetMarkIsGreenWithRedEnds() {
    QFETCH(double, scale);
    const QSize size(qRound(11 * scale), qRound(35 * scale));
    const QImage image = render(QStringLiteral(":/pictures/targetmark.svg"), size, 0);
    const auto at = [&](double y) { return QColor(image.pixel(size.width() / 2, int(y * scale))); };
    for (double y : {3.5, 31.5}) {
        const QColor end = at(y);
        QVERIFY2(end.red() > 150 && end.green() < 100, qPrintable(end.name()));
    }
    for (double y : {12.0, 17.5, 23.0}) {
        const QColor middle = at(y);
        QVERIFY2(middle.green() > 150 && middle.red() < 100, qPrintable(middle.name()));
    }
}

QTEST_MAIN(PicturesTest)
#include "pictures_test.moc"
