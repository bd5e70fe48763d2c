// SPDX-License-Identifier: MIT
#include "storage/recordswindow.h"

#include "app/twips.h"
#include "app/uifonts.h"
#include "storage/recordtexts.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <span>

namespace {

// One line of a frame: a caption label and its value label.
struct RecordLine {
    const char* captionName;
    const char* caption;
    const char* valueName;
};

struct RecordFrame {
    TwipsControl frame;
    RecordLine lines[5];
};

// The window's table: the two frames, their lines in the order of recordTexts(), and the button.
constexpr struct {
    RecordFrame frames[2]{{{"Frame1", 60, 120, 3315, 2115, "Game Records"},
                           {{"Label2", "Most Yards", "lblYards"},
                            {"Label3", "Most Touchdowns", "lblTDs"},
                            {"Label4", "Most Interceptions", "lblINTs"},
                            {"Label5", "Best Comp %", "lblComp"},
                            {"Label6", "Comp In a Row", "lblInRow"}}},
                          {{"Frame2", 3540, 120, 3315, 2115, "Season Records"},
                           {{"Label7", "Most Yards", "lblsYards"},
                            {"Label8", "Most Touchdowns", "lblsTD"},
                            {"Label9", "Least Interceptions", "lblsInt"},
                            {"Label10", "Best Comp %", "lblsComp"},
                            {"Label11", "Best QB Rating", "lblsRating"}}}};
    int rowTops[5]{300, 660, 1020, 1380, 1740};
    TwipsControl close{"Command1", 5640, 2340, 1215, 435, "&Close"};
} controls{};

QLabel* addLabel(QWidget* parent, const TwipsControl& row) {
    auto* label = placed(new QLabel(row.caption(), parent), row);
    label->setFont(tahomaFont(8.25, true));
    return label;
}

// Adds the frame of `row` to `window`, with its lines; `values` receives their value labels.
void addFrame(QWidget* window, const RecordFrame& row, std::span<QLabel*, 5> values) {
    auto* frame = placed(new QGroupBox(row.frame.caption(), window), row.frame);
    for (std::size_t i = 0; i < values.size(); ++i) {
        const RecordLine& line = row.lines[i];
        const int top = controls.rowTops[i];
        // The caption runs up to where its value starts.
        addLabel(frame, {line.captionName, 120, top, 1800, 195, line.caption});
        values[i] = addLabel(frame, {line.valueName, 1920, top, 1215, 255});
    }
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
    buildControls();
    fillRecords(records, decimalPoint);
}

void RecordsWindow::buildControls() {
    const std::span<QLabel*> values(m_values);
    addFrame(this, controls.frames[0], values.first<5>());
    addFrame(this, controls.frames[1], values.last<5>());

    auto* close = placed(new QPushButton(controls.close.caption(), this), controls.close);
    close->setFont(tahomaFont(8.25, true));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

void RecordsWindow::fillRecords(const CareerRecords& records, const QString& decimalPoint) {
    const std::array<QString, 10> texts = recordTexts(records, decimalPoint);
    for (std::size_t i = 0; i < texts.size(); ++i)
        m_values[i]->setText(texts[i]);
}
