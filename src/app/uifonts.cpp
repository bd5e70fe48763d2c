// SPDX-License-Identifier: MIT
#include "app/uifonts.h"

#include <QFile>
#include <QFontDatabase>

namespace {

// Wine's Tahoma is not on the font path, so it is registered with the application once.
void loadTahoma() {
    static const bool loaded = [] {
        for (const char* file :
             {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"}) {
            const QString path = QString::fromLatin1(file);
            if (QFile::exists(path))
                QFontDatabase::addApplicationFont(path);
        }
        return true;
    }();
    (void)loaded;
}

QFont sansFont(const QString& family, double points, bool bold) {
    QFont font;
    font.setFamilies({family});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

} // namespace

QFont tahomaFont(double points, bool bold) {
    loadTahoma();
    return sansFont(QStringLiteral("Tahoma"), points, bold);
}

QFont arialFont(double points, bool bold) {
    return sansFont(QStringLiteral("Arial"), points, bold);
}
