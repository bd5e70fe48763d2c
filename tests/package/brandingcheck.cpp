// SPDX-License-Identifier: MIT
// brandingcheck SVG LIGHT DARK: the banner colours a software centre puts behind the icon and
// the name suit them. The name is drawn in black on the light colour and in white on the dark
// one, so each needs a text contrast of at least 4.5:1; and each takes its hue from the icon,
// so a share of the icon's strongly coloured pixels lies near that hue. Prints what is wrong
// and exits 1; exits 0 when all holds.
#include <QColor>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>
#include <algorithm>
#include <cmath>

namespace {

constexpr double textContrast = 4.5;
// The hue is the icon's when at least this share of its saturated pixels are within this many
// degrees of it.
constexpr double hueShare = 0.02;
constexpr int hueDegrees = 20;
// Below this saturation (of 255) a colour reads as grey and has no hue to speak of.
constexpr int minimumSaturation = 77;

double channel(double value) {
    const double v = value / 255.0;
    return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& colour) {
    return 0.2126 * channel(colour.red()) + 0.7152 * channel(colour.green()) +
           0.0722 * channel(colour.blue());
}

double contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

int hueDistance(int a, int b) {
    const int d = std::abs(a - b) % 360;
    return std::min(d, 360 - d);
}

// The share of the icon's opaque, saturated pixels whose hue is near the colour's.
double shareNearHue(const QImage& icon, const QColor& colour) {
    int saturated = 0;
    int near = 0;
    for (int y = 0; y < icon.height(); ++y) {
        for (int x = 0; x < icon.width(); ++x) {
            const QColor pixel = icon.pixelColor(x, y);
            if (pixel.alpha() < 255 || pixel.hsvSaturation() < minimumSaturation)
                continue;
            ++saturated;
            if (hueDistance(pixel.hsvHue(), colour.hsvHue()) <= hueDegrees)
                ++near;
        }
    }
    return saturated == 0 ? 0.0 : double(near) / saturated;
}

QString problems(const QImage& icon, const QString& scheme, const QColor& colour,
                 const QColor& text) {
    QString found;
    const double ratio = contrast(colour, text);
    if (ratio < textContrast)
        found += QStringLiteral("%1 colour %2: text contrast %3, below %4\n")
                     .arg(scheme, colour.name())
                     .arg(ratio, 0, 'f', 2)
                     .arg(textContrast);
    const double share = shareNearHue(icon, colour);
    if (colour.hsvSaturation() < minimumSaturation)
        found += QStringLiteral("%1 colour %2: nearly grey, no hue of the icon\n")
                     .arg(scheme, colour.name());
    else if (share < hueShare)
        found += QStringLiteral("%1 colour %2: a hue the icon hardly has (%3 of its pixels)\n")
                     .arg(scheme, colour.name())
                     .arg(share, 0, 'f', 3);
    return found;
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTextStream err(stderr);
    if (args.size() != 4) {
        err << "usage: brandingcheck SVG LIGHT DARK" << Qt::endl;
        return 1;
    }
    QSvgRenderer renderer(args.at(1));
    const QColor light = QColor::fromString(args.at(2));
    const QColor dark = QColor::fromString(args.at(3));
    if (!renderer.isValid() || !light.isValid() || !dark.isValid()) {
        err << "brandingcheck: an unreadable picture or colour" << Qt::endl;
        return 1;
    }
    QImage icon(256, 256, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    renderer.render(&painter);
    painter.end();

    const QString found = problems(icon, QStringLiteral("light"), light, Qt::black) +
                          problems(icon, QStringLiteral("dark"), dark, Qt::white);
    err << found;
    return found.isEmpty() ? 0 : 1;
}
