// SPDX-License-Identifier: MIT
#include "views/careerwindow.h"

#include "app/twips.h"
#include "app/uifonts.h"
#include "views/careertable.h"
#include "views/statslist.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>

namespace {

struct Column {
    const char* caption;
    int widthTwips;
};

// The window's table: the list with its columns, the hidden key column first, and the button.
constexpr struct {
    TwipsControl seasonList{"lvwCareer", 0, 0, 6615, 3915};
    Column columns[11]{{"", 0},      {"Season", 700}, {"G", 450},     {"Comp", 650},
                       {"Att", 650}, {"Comp%", 750},  {"Yards", 700}, {"YPA", 650},
                       {"TD", 600},  {"INT", 600},    {"Rating", 800}};
    TwipsControl close{"Command1", 5340, 4020, 1215, 435, "&Close"};
} controls{};
constexpr int columnCount = static_cast<int>(std::size(controls.columns));

// Default cells keep the list's own text colour, so they follow the system's palette.
void colourCell(QTreeWidgetItem& item, int column, CellColour colour) {
    if (colour == CellColour::Red)
        item.setForeground(column, QColor(255, 0, 0));
    else if (colour == CellColour::Blue)
        item.setForeground(column, QColor(0, 0, 255));
}

} // namespace

CareerWindow::CareerWindow(const std::vector<SeasonStats>& seasons, const QString& decimalPoint,
                           QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmCareer"));
    setWindowTitle(QStringLiteral("Career Stats"));
    setModal(true);
    setFixedSize(twipsSize(6645, 4515));
    buildControls();
    fillSeasons(seasons, decimalPoint);
}

void CareerWindow::buildControls() {
    m_seasonList = placed(new QTreeWidget(this), controls.seasonList);
    setUpStatsList(*m_seasonList);
    buildColumns();

    auto* close = placed(new QPushButton(controls.close.caption(), this), controls.close);
    close->setFont(tahomaFont(8.25, true));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    setTabOrder(m_seasonList, close);
}

void CareerWindow::buildColumns() {
    m_seasonList->setColumnCount(columnCount);
    QTreeWidgetItem* header = m_seasonList->headerItem();
    QHeaderView* view = m_seasonList->header();
    view->setStretchLastSection(false);
    view->setMinimumSectionSize(0);
    view->setSectionsMovable(false);
    for (int i = 0; i < columnCount; ++i) {
        const Column& column = controls.columns[i];
        header->setText(i, QString::fromLatin1(column.caption));
        header->setTextAlignment(i, i == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
        view->resizeSection(i, twipsToPixels(column.widthTwips));
    }
    // The key column holds each row's key and is never seen.
    m_seasonList->setColumnHidden(0, true);
}

void CareerWindow::fillSeasons(const std::vector<SeasonStats>& seasons,
                               const QString& decimalPoint) {
    for (const CareerRow& row : careerRows(seasons, decimalPoint)) {
        auto* item = new QTreeWidgetItem(m_seasonList);
        item->setText(0, row.key);
        for (int cell = 0; cell < static_cast<int>(row.cells.size()); ++cell) {
            const auto index = static_cast<std::size_t>(cell);
            item->setText(cell + 1, row.cells[index]);
            item->setTextAlignment(cell + 1, Qt::AlignCenter);
            colourCell(*item, cell + 1, row.colours[index]);
        }
    }
}
