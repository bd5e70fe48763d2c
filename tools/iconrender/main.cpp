// SPDX-License-Identifier: MIT
// gridlark-iconrender: draws the program icon into a square PNG of a given size at build time.
//   gridlark-iconrender ICON.svg OUT.png SIZE
// Exit status 0 on success, 1 when the picture cannot be read or written, 2 on a usage error.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QStringList>
#include <QSvgRenderer>
#include <QTextStream>

namespace {

constexpr int smallestSize = 8;
constexpr int largestSize = 1024;

int fail(const QString& message, int status) {
    QTextStream(stderr) << "gridlark-iconrender: " << message << Qt::endl;
    return status;
}

} // namespace

int main(int argc, char* argv[]) {
    // A build machine may have no display; the offscreen platform needs none.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = app.arguments();
    if (args.size() != 4)
        return fail(QStringLiteral("usage: gridlark-iconrender ICON.svg OUT.png SIZE"), 2);
    bool isNumber = false;
    const int size = args.at(3).toInt(&isNumber);
    if (!isNumber || size < smallestSize || size > largestSize)
        return fail(QStringLiteral("size must be a whole number from %1 to %2, not \"%3\"")
                        .arg(smallestSize)
                        .arg(largestSize)
                        .arg(args.at(3)),
                    2);

    QSvgRenderer renderer(args.at(1));
    if (!renderer.isValid())
        return fail(QStringLiteral("cannot read the picture %1").arg(args.at(1)), 1);
    renderer.setAspectRatioMode(Qt::KeepAspectRatio);

    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        renderer.render(&painter, QRectF(0, 0, size, size));
    }

    QSaveFile out(args.at(2));
    if (!out.open(QIODevice::WriteOnly))
        return fail(QStringLiteral("cannot write %1: %2").arg(args.at(2), out.errorString()), 1);
    if (!image.save(&out, "PNG") || !out.commit())
        return fail(QStringLiteral("cannot write %1: %2").arg(args.at(2), out.errorString()), 1);
    return 0;
}
