// SPDX-License-Identifier: MIT
// iconcheck PNG SIZE [SVG]: the PNG is a SIZE x SIZE picture with an alpha channel and something
// drawn on it; given the SVG, it shows that picture, centred and unstretched, as a four-times
// larger drawing scaled down would. Prints what is wrong and exits 1; exits 0 when all holds.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>
#include <cstdlib>

namespace {

// Mean difference per channel, out of 255, that anti-aliasing stays under even at 8 x 8; a
// different picture or a stretched one differs by 50 or more.
constexpr double meanTolerance = 10.0;

int problem(const QString& message) {
    QTextStream(stderr) << "iconcheck: " << message << Qt::endl;
    return 1;
}

QImage reference(const QString& svg, int size) {
    QSvgRenderer renderer(svg);
    if (!renderer.isValid())
        return {};
    const int large = 4 * size;
    const QRectF box = renderer.viewBoxF();
    const double scale = large / qMax(box.width(), box.height());
    const QSizeF drawn(box.width() * scale, box.height() * scale);
    const QRectF target(QPointF((large - drawn.width()) / 2, (large - drawn.height()) / 2), drawn);
    QImage image(large, large, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, target);
    painter.end();
    return image.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

double meanDifference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q)) + std::abs(qAlpha(p) - qAlpha(q));
        }
    }
    return sum / (4.0 * a.width() * a.height());
}

bool isBlank(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0)
                return false;
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3 && args.size() != 4)
        return problem(QStringLiteral("usage: iconcheck PNG SIZE [SVG]"));
    const QString png = args.at(1);
    const int size = args.at(2).toInt();

    QImage icon(png, "PNG");
    if (icon.isNull())
        return problem(QStringLiteral("%1 is not a readable PNG").arg(png));
    if (icon.size() != QSize(size, size))
        return problem(QStringLiteral("%1 is %2 x %3, not %4 x %4")
                           .arg(png)
                           .arg(icon.width())
                           .arg(icon.height())
                           .arg(size));
    if (!icon.hasAlphaChannel())
        return problem(QStringLiteral("%1 has no alpha channel").arg(png));
    icon = icon.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (isBlank(icon))
        return problem(QStringLiteral("%1 is fully transparent").arg(png));

    if (args.size() == 4) {
        const QImage expected = reference(args.at(3), size);
        if (expected.isNull())
            return problem(QStringLiteral("%1 is not a readable SVG").arg(args.at(3)));
        const double difference = meanDifference(icon, expected);
        QTextStream(stdout) << png << ": mean difference " << difference << Qt::endl;
        if (difference > meanTolerance)
            return problem(QStringLiteral("%1 differs from %2 by %3 on average (at most %4)")
                               .arg(png, args.at(3))
                               .arg(difference)
                               .arg(meanTolerance));
    }
    return 0;
}
