// SPDX-License-Identifier: MIT
// gridlark: the game's window.
#include "app/accessibilitymirror.h"
#include "app/dialogmessenger.h"
#include "app/mainwindow.h"
#include "app/showfirstmessenger.h"
#include "buildinfo.h"
#include "play/randomsource.h"
#include "storage/datadirectory.h"
#include "storage/filecareer.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <chrono>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("gridlark"));
    // Wayland desktops find the window's desktop entry, and so its icon and name, by this id.
    QApplication::setDesktopFileName(QString::fromLatin1(BuildInfo::appId));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/icon.svg")));
    AccessibilityMirror mirror;
    app.installEventFilter(&mirror);

    DialogMessenger dialogs;
    ShowFirstMessenger messenger(dialogs);
    FileCareer career(chooseDataDirectory(QCoreApplication::applicationDirPath()), messenger);
    MixingRandomSource random(&MixingRandomSource::systemTimeOfDay);
    MainWindow window({random, career, career, messenger, QLocale().decimalPoint(),
                       &std::chrono::steady_clock::now});
    dialogs.setParent(&window);
    window.show();
    return app.exec();
}
