// SPDX-License-Identifier: MIT
// iconcheck PNG SVG: the PNG (its size and format checked by `file`) shows the SVG centred and
// unstretched in its square, as a drawing four times larger scaled down would. Anti-aliasing
// stays under a mean difference of 10 per channel of 255 even at 8 x 8; a different or
// stretched picture differs by 50 or more.
//
// iconcheck --banner SVG LIGHT DARK: the metainfo's banner colours carry the name, drawn in black
// on the light colour and in white on the dark one, with a text contrast of at least 4.5:1; and
// each takes its hue from the icon: at least 2% of the icon's coloured pixels lie within 20
// degrees of it.
//
// Prints what is wrong and exits 1; exits 0 when all holds.
#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>
#include <algorithm>
#include <cmath>

namespace {

QImage drawing(const QString& svg, int size) {
    QSvgRenderer renderer(svg);
    const QSizeF drawn =
        renderer.viewBoxF().size().scaled(4.0 * size, 4.0 * size, Qt::KeepAspectRatio);
    QImage image(4 * size, 4 * size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF corner((4 * size - drawn.width()) / 2, (4 * size - drawn.height()) / 2);
    renderer.render(&painter, QRectF(corner, drawn));
    painter.end();
    return image.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QString pictureProblem(const QString& png, const QString& svg) {
    const QImage icon = QImage(png).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (icon.isNull() || icon.width() != icon.height())
        return png + QStringLiteral(": not a square PNG");
    const QImage expected = drawing(svg, icon.width());
    double sum = 0;
    for (int y = 0; y < icon.height(); ++y)
        for (int x = 0; x < icon.width(); ++x)
            for (int shift : {0, 8, 16, 24})
                sum += std::abs(int(icon.pixel(x, y) >> shift & 0xff) -
                                int(expected.pixel(x, y) >> shift & 0xff));
    const double mean = sum / (4.0 * icon.width() * icon.height());
    return mean < 10 ? QString()
                     : QStringLiteral("%1 differs from %2 by %3").arg(png, svg).arg(mean);
}

bool hueOfIcon(const QImage& icon, const QColor& colour) {
    int coloured = 0;
    int near = 0;
    for (int y = 0; y < icon.height(); ++y)
        for (int x = 0; x < icon.width(); ++x) {
            const QColor pixel = icon.pixelColor(x, y);
            if (pixel.alpha() < 128 || pixel.hsvSaturation() < 64)
                continue;
            const int apart = std::abs(pixel.hsvHue() - colour.hsvHue());
            ++coloured;
            near += std::min(apart, 360 - apart) <= 20 ? 1 : 0;
        }
    return colour.hsvSaturation() >= 64 && near >= 0.02 * coloured;
}

// Black text on a light colour, white text on a dark one.
QString bannerProblem(const QImage& icon, const QString& name, bool whiteText) {
    const auto linear = [](int value) {
        const double v = value / 255.0;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    const QColor c = QColor::fromString(name);
    const double l =
        0.2126 * linear(c.red()) + 0.7152 * linear(c.green()) + 0.0722 * linear(c.blue());
    const double contrast = whiteText ? 1.05 / (l + 0.05) : (l + 0.05) / 0.05;
    if (!c.isValid() || contrast < 4.5)
        return QStringLiteral("%1: text contrast %2\n").arg(name).arg(contrast);
    if (!hueOfIcon(icon, c))
        return QStringLiteral("%1: a hue the icon hardly has\n").arg(name);
    return {};
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    QString problems;
    if (args.size() == 5 && args[1] == QStringLiteral("--banner")) {
        const QImage icon = drawing(args[2], 256);
        problems = bannerProblem(icon, args[3], false) + bannerProblem(icon, args[4], true);
    } else if (args.size() == 3)
        problems = pictureProblem(args[1], args[2]);
    else
        problems = QStringLiteral("usage: iconcheck PNG SVG | iconcheck --banner SVG LIGHT DARK");
    QTextStream(stderr) << problems << Qt::endl;
    return problems.isEmpty() ? 0 : 1;
}
