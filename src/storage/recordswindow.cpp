// SPDX-License-Identifier: MIT
#include "storage/recordswindow.h"

#include "app/twips.h"
#include "app/uifonts.h"
#include "storage/recordtexts.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr int rowTopsTwips[] = {300, 660, 1020, 1380, 1740};

// The value labels in the order of recordTexts().
constexpr const char* valueNames[] = {"lblYards",  "lblTDs", "lblINTs", "lblComp",  "lblInRow",
                                      "lblsYards", "lblsTD", "lblsInt", "lblsComp", "lblsRating"};

QLabel* addLabel(QWidget* parent, const char* name, const QString& text, const QRect& place) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(place);
    label->setFont(tahomaFont(8.25, true));
    return label;
}

} // namespace

RecordsWindow::RecordsWindow(const CareerRecords& records, const QString& decimalPoint,
                             QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmRecords"));
    setWindowTitle(QStringLiteral("Career Records"));
    setModal(true);
    setFixedSize(twipsSize(6915, 2850));
    setFont(tahomaFont(8.25));

    addFrame("Frame1", QStringLiteral("Game Records"), 60,
             {{"Label2", "Most Yards", "lblYards"},
              {"Label3", "Most Touchdowns", "lblTDs"},
              {"Label4", "Most Interceptions", "lblINTs"},
              {"Label5", "Best Comp %", "lblComp"},
              {"Label6", "Comp In a Row", "lblInRow"}});
    addFrame("Frame2", QStringLiteral("Season Records"), 3540,
             {{"Label7", "Most Yards", "lblsYards"},
              {"Label8", "Most Touchdowns", "lblsTD"},
              {"Label9", "Least Interceptions", "lblsInt"},
              {"Label10", "Best Comp %", "lblsComp"},
              {"Label11", "Best QB Rating", "lblsRating"}});

    auto* close = new QPushButton(QStringLiteral("&Close"), this);
    close->setObjectName(QStringLiteral("Command1"));
    close->setGeometry(twipsRect(5640, 2340, 1215, 435));
    close->setFont(tahomaFont(8.25, true));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    fillRecords(records, decimalPoint);
}

QGroupBox* RecordsWindow::addFrame(const char* name, const QString& caption, int leftTwips,
                                   const RecordLine (&lines)[5]) {
    auto* frame = new QGroupBox(caption, this);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setGeometry(twipsRect(leftTwips, 120, 3315, 2115));
    for (std::size_t row = 0; row < std::size(lines); ++row) {
        const int top = rowTopsTwips[row];
        // The caption runs up to where its value starts.
        addLabel(frame, lines[row].captionName, QString::fromLatin1(lines[row].caption),
                 twipsRect(120, top, 1800, 195));
        addLabel(frame, lines[row].valueName, QString(), twipsRect(1920, top, 1215, 255));
    }
    return frame;
}

void RecordsWindow::fillRecords(const CareerRecords& records, const QString& decimalPoint) {
    const std::array<QString, 10> texts = recordTexts(records, decimalPoint);
    for (std::size_t i = 0; i < texts.size(); ++i)
        findChild<QLabel*>(QString::fromLatin1(valueNames[i]))->setText(texts[i]);
}
