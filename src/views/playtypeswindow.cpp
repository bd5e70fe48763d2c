// SPDX-License-Identifier: MIT
#include "views/playtypeswindow.h"

#include "app/screenfit.h"
#include "app/uifonts.h"
#include "views/playtypetable.h"
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

PlayTypesWindow::PlayTypesWindow(PeekedSeasons peeked, QString decimalPoint, QWidget* parent)
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
    layout->addWidget(m_playTypeList);
    layout->addWidget(chart, 1);
    layout->addLayout(buttonRow);

    connect(m_spanBox, &QComboBox::currentIndexChanged, this, &PlayTypesWindow::showSpan);
    buildSpans();
    fitToScreen(*this, sizeHint());
}

void PlayTypesWindow::buildTable() {
    m_playTypeList = new QTreeWidget(this);
    m_playTypeList->setObjectName(QStringLiteral("lvwPassTypes"));
    m_playTypeList->setAccessibleName(tr("Passing by pass type"));
    setUpStatsList(*m_playTypeList);
    m_playTypeList->setColumnCount(static_cast<int>(std::size(captions)));
    QTreeWidgetItem* header = m_playTypeList->headerItem();
    for (int column = 0; column < static_cast<int>(std::size(captions)); ++column) {
        header->setText(column, QString::fromLatin1(captions[column]));
        header->setTextAlignment(column, figureAlignment(column));
    }
    m_playTypeList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_playTypeList->header()->setStretchLastSection(false);
    m_playTypeList->header()->setMinimumSectionSize(32);
    m_playTypeList->header()->setSectionResizeMode(QHeaderView::Stretch);
    m_playTypeList->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_playTypeList->setFixedHeight(statsListHeight(*m_playTypeList, ViewLineCount));
}

void PlayTypesWindow::buildSpans() {
    m_spanBox->addItem(QStringLiteral("Career"), CareerSpan);
    for (const int season : playedSeasons(m_seasons))
        m_spanBox->addItem(QStringLiteral("Season %1").arg(season), season);
}

void PlayTypesWindow::showSpan(int index) {
    m_playTypeList->clear();
    const int span = m_spanBox->itemData(index).toInt();
    for (const PlayTypeRow& row : playTypeRows(m_seasons, span, m_decimalPoint)) {
        auto* item = new QTreeWidgetItem(m_playTypeList, row.cells());
        for (int column = 0; column < item->columnCount(); ++column)
            item->setTextAlignment(column, figureAlignment(column));
    }
}
