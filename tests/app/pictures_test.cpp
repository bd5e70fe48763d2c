// SPDX-License-Identifier: MIT
// The pictures compiled into the program: each loads, has the shape the main
// window gives it, and paints nowhere outside its own box (the SVG renderer
// does not clip to the view box, so a stray shape would spill over the
// window's controls).
#include <QColor>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>

namespace {

// Sizes the window shows them at: the stadium fills the client area, the
// target mark stands over the meter, the four pictures share one spot.
struct Picture {
    const char* resource;
    double width;
    double height;
};

constexpr Picture kPictures[] = {
    {":/pictures/field.svg", 500, 325},        {":/pictures/receiver.svg", 88, 126},
    {":/pictures/referee.svg", 86, 105},       {":/pictures/trophy.svg", 250, 350},
    {":/pictures/interception.svg", 490, 525}, {":/pictures/targetmark.svg", 11, 35},
    {":/pictures/icon.svg", 256, 256},
};

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
    void eachPictureLoadsWithTheShapeItIsShownAt_data();
    void eachPictureLoadsWithTheShapeItIsShownAt();
    void nothingIsPaintedOutsideThePicture_data();
    void nothingIsPaintedOutsideThePicture();
    void theStadiumCoversTheWholeClientArea();
    void theTargetMarkIsGreenWithRedEnds_data();
    void theTargetMarkIsGreenWithRedEnds();
};

void PicturesTest::theResourceHoldsExactlyTheSevenPictures() {
    QStringList expected;
    for (const Picture& picture : kPictures)
        expected << QString::fromLatin1(picture.resource).section(QLatin1Char('/'), -1);
    expected.sort();
    QStringList found = QDir(QStringLiteral(":/pictures")).entryList(QDir::Files);
    found.sort();
    QCOMPARE(found, expected);
}

void PicturesTest::eachPictureLoadsWithTheShapeItIsShownAt_data() {
    QTest::addColumn<QString>("resource");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");
    for (const Picture& picture : kPictures)
        QTest::newRow(picture.resource)
            << QString::fromLatin1(picture.resource) << picture.width << picture.height;
}

void PicturesTest::eachPictureLoadsWithTheShapeItIsShownAt() {
    QFETCH(QString, resource);
    QFETCH(double, width);
    QFETCH(double, height);
    QSvgRenderer renderer(resource);
    QVERIFY2(renderer.isValid(), qPrintable(resource));
    const QRectF box = renderer.viewBoxF();
    QVERIFY(box.width() > 0 && box.height() > 0);
    const double aspect = box.width() / box.height();
    const double wanted = width / height;
    QVERIFY2(qAbs(aspect - wanted) <= 0.02 * wanted,
             qPrintable(QStringLiteral("%1: view box %2 x %3")
                            .arg(resource)
                            .arg(box.width())
                            .arg(box.height())));
    // The stadium and the target mark are laid out pixel for pixel.
    if (resource.endsWith(QLatin1String("field.svg")) ||
        resource.endsWith(QLatin1String("targetmark.svg"))) {
        QCOMPARE(box.size(), QSizeF(width, height));
        QCOMPARE(box.topLeft(), QPointF(0, 0));
    }
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
