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

// The hidden key column first, then the ten shown ones.
constexpr Column columns[] = {{"", 0},      {"Season", 700}, {"G", 450},     {"Comp", 650},
                              {"Att", 650}, {"Comp%", 750},  {"Yards", 700}, {"YPA", 650},
                              {"TD", 600},  {"INT", 600},    {"Rating", 800}};
constexpr int columnCount = static_cast<int>(std::size(columns));

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
    Form_Load(seasons, decimalPoint);
}

void CareerWindow::buildControls() {
    m_lvwCareer = new QTreeWidget(this);
    m_lvwCareer->setObjectName(QStringLiteral("lvwCareer"));
    m_lvwCareer->setGeometry(twipsRect(0, 0, 6615, 3915));
    setUpStatsList(*m_lvwCareer);
    buildColumns();

    m_command1 = new QPushButton(QStringLiteral("&Close"), this);
    m_command1->setObjectName(QStringLiteral("Command1"));
    m_command1->setGeometry(twipsRect(5340, 4020, 1215, 435));
    m_command1->setFont(tahomaFont(8.25, true));
    connect(m_command1, &QPushButton::clicked, this, &CareerWindow::Command1_Click);

    setTabOrder(m_lvwCareer, m_command1);
}

void CareerWindow::buildColumns() {
    m_lvwCareer->setColumnCount(columnCount);
    QTreeWidgetItem* header = m_lvwCareer->headerItem();
    QHeaderView* view = m_lvwCareer->header();
    view->setStretchLastSection(false);
    view->setMinimumSectionSize(0);
    view->setSectionsMovable(false);
    for (int i = 0; i < columnCount; ++i) {
        header->setText(i, QString::fromLatin1(columns[i].caption));
        header->setTextAlignment(i, i == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
        view->resizeSection(i, twipsToPixels(columns[i].widthTwips));
    }
    // The key column holds each row's key and is never seen.
    m_lvwCareer->setColumnHidden(0, true);
}

void CareerWindow::Form_Load(const std::vector<SeasonStats>& seasons, const QString& decimalPoint) {
    for (const CareerRow& row : careerRows(seasons, decimalPoint)) {
        auto* item = new QTreeWidgetItem(m_lvwCareer);
        item->setText(0, row.key);
        for (int cell = 0; cell < static_cast<int>(row.cells.size()); ++cell) {
            const auto index = static_cast<std::size_t>(cell);
            item->setText(cell + 1, row.cells[index]);
            item->setTextAlignment(cell + 1, Qt::AlignCenter);
            colourCell(*item, cell + 1, row.colours[index]);
        }
    }
}

void CareerWindow::Command1_Click() {
    accept();
}
