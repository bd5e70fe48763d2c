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

QStringList cellsOf(const PassingTexts& t) {
    return {t.attempts,   t.completions, t.percentage,    t.yards,
            t.perAttempt, t.touchdowns,  t.interceptions, t.rating};
}

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
    m_cboSpan = new QComboBox(this);
    m_cboSpan->setObjectName(QStringLiteral("cboSpan"));
    spanLabel->setBuddy(m_cboSpan);
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
    spanRow->addWidget(m_cboSpan, 1);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note);
    layout->addLayout(spanRow);
    layout->addWidget(m_lvwPassTypes);
    layout->addWidget(chart, 1);
    layout->addLayout(buttonRow);

    connect(m_cboSpan, &QComboBox::currentIndexChanged, this, &PassTypesWindow::cboSpan_Changed);
    buildSpans();
    fitToScreen(*this, sizeHint());
}

void PassTypesWindow::buildTable() {
    m_lvwPassTypes = new QTreeWidget(this);
    m_lvwPassTypes->setObjectName(QStringLiteral("lvwPassTypes"));
    m_lvwPassTypes->setAccessibleName(tr("Passing by pass type"));
    setUpStatsList(*m_lvwPassTypes);
    m_lvwPassTypes->setColumnCount(static_cast<int>(std::size(captions)));
    QTreeWidgetItem* header = m_lvwPassTypes->headerItem();
    for (int column = 0; column < static_cast<int>(std::size(captions)); ++column) {
        header->setText(column, QString::fromLatin1(captions[column]));
        header->setTextAlignment(column, figureAlignment(column));
    }
    m_lvwPassTypes->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_lvwPassTypes->header()->setStretchLastSection(false);
    m_lvwPassTypes->header()->setMinimumSectionSize(32);
    m_lvwPassTypes->header()->setSectionResizeMode(QHeaderView::Stretch);
    m_lvwPassTypes->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_lvwPassTypes->setFixedHeight(statsListHeight(*m_lvwPassTypes, PassLineCount));
}

void PassTypesWindow::buildSpans() {
    m_cboSpan->addItem(QStringLiteral("Career"), CareerSpan);
    for (const int season : playedSeasons(m_seasons))
        m_cboSpan->addItem(QStringLiteral("Season %1").arg(season), season);
}

void PassTypesWindow::cboSpan_Changed(int index) {
    m_lvwPassTypes->clear();
    const int span = m_cboSpan->itemData(index).toInt();
    for (const PassTypeRow& row : passTypeRows(m_seasons, span, m_decimalPoint)) {
        auto* item =
            new QTreeWidgetItem(m_lvwPassTypes, QStringList{row.name} + cellsOf(row.texts));
        for (int column = 0; column < item->columnCount(); ++column)
            item->setTextAlignment(column, figureAlignment(column));
    }
}
