// SPDX-License-Identifier: MIT
#include "views/passtypeswindow.h"

#include "app/screenfit.h"
#include "app/uifonts.h"
#include "views/passtypetable.h"
#include "views/ratingchart.h"
#include "views/statslist.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

const char* const captions[] = {"Pass", "Att", "Comp", "Comp%", "Yds",
                                "YPA",  "TD",  "Int",  "Rating"};

// The names to the left; the figures to the right, so that their points line up.
Qt::Alignment figureAlignment(int column) {
    return (column == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter;
}

} // namespace

PassTypesWindow::PassTypesWindow(PeekedSeasons peeked, QString decimalPoint, QWidget* parent)
    : QDialog(parent), m_seasons(std::move(peeked.seasons)),
      m_decimalPoint(std::move(decimalPoint)) {
    setObjectName(QStringLiteral("frmPassTypes"));
    setWindowTitle(QStringLiteral("Pass Types"));
    setModal(true);
    setFont(tahomaFont(8.25));

    auto* spanLabel = new QLabel(tr("&Show:"), this);
    m_spanBox = new QComboBox(this);
    m_spanBox->setObjectName(QStringLiteral("cboSpan"));
    spanLabel->setBuddy(m_spanBox);
    buildTable();
    const RatingTrend trend = ratingTrend(m_seasons, peeked.note);
    // Seasons left out as damaged are named above the table; a chart with nothing to plot names
    // them itself.
    auto* note = new QLabel(trend.lastSeason > 0 ? peeked.note : QString(), this);
    note->setObjectName(QStringLiteral("lblNote"));
    note->setWordWrap(true);
    note->setVisible(!note->text().isEmpty());
    auto* chart = new RatingChart(trend, m_decimalPoint, this);
    chart->setObjectName(QStringLiteral("chtRating"));
    auto* close = new QPushButton(QStringLiteral("&Close"), this);
    close->setObjectName(QStringLiteral("Command1"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* spanRow = new QHBoxLayout;
    spanRow->addWidget(spanLabel);
    spanRow->addWidget(m_spanBox, 1);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note);
    layout->addLayout(spanRow);
    layout->addWidget(m_passTypeList);
    layout->addWidget(chart, 1);
    layout->addLayout(buttonRow);

    connect(m_spanBox, &QComboBox::currentIndexChanged, this, &PassTypesWindow::showSpan);
    buildSpans();
    fitToScreen(*this, sizeHint());
}

void PassTypesWindow::buildTable() {
    m_passTypeList = new QTreeWidget(this);
    m_passTypeList->setObjectName(QStringLiteral("lvwPassTypes"));
    m_passTypeList->setAccessibleName(tr("Passing by pass type"));
    setUpStatsList(*m_passTypeList);
    m_passTypeList->setColumnCount(static_cast<int>(std::size(captions)));
    QTreeWidgetItem* header = m_passTypeList->headerItem();
    for (int column = 0; column < static_cast<int>(std::size(captions)); ++column) {
        header->setText(column, QString::fromLatin1(captions[column]));
        header->setTextAlignment(column, figureAlignment(column));
    }
    m_passTypeList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_passTypeList->header()->setStretchLastSection(false);
    m_passTypeList->header()->setMinimumSectionSize(32);
    m_passTypeList->header()->setSectionResizeMode(QHeaderView::Stretch);
    m_passTypeList->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_passTypeList->setFixedHeight(statsListHeight(*m_passTypeList, ViewLineCount));
}

void PassTypesWindow::buildSpans() {
    m_spanBox->addItem(QStringLiteral("Career"), CareerSpan);
    for (const int season : playedSeasons(m_seasons))
        m_spanBox->addItem(QStringLiteral("Season %1").arg(season), season);
}

void PassTypesWindow::showSpan(int index) {
    m_passTypeList->clear();
    const int span = m_spanBox->itemData(index).toInt();
    for (const PlayTypeRow& row : playTypeRows(m_seasons, span, m_decimalPoint)) {
        auto* item = new QTreeWidgetItem(m_passTypeList, row.cells());
        for (int column = 0; column < item->columnCount(); ++column)
            item->setTextAlignment(column, figureAlignment(column));
    }
}
