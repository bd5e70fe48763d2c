// SPDX-License-Identifier: MIT
#include "views/howtoplaywindow.h"

#include "app/screenfit.h"
#include "views/howtoplay.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

// The page is compiled into the window's static library; naming it here keeps the linker from
// dropping it.
static QString helpPage() {
    Q_INIT_RESOURCE(help);
    QFile page(QStringLiteral(":/help/howtoplay.html"));
    return page.open(QIODevice::ReadOnly) ? QString::fromUtf8(page.readAll()) : QString();
}

HowToPlayWindow::HowToPlayWindow(const QString& dataDirectory, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmHowToPlay"));
    setWindowTitle(QStringLiteral("How to Play"));
    auto* text = new QTextBrowser(this);
    text->setObjectName(QStringLiteral("txtHowToPlay"));
    text->setAccessibleName(tr("How to play Gridlark"));
    text->setHtml(howToPlayHtml(helpPage(), dataDirectory));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("&Close"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(buttons);
    fitToScreen(*this, QSize(560, 520));
}
