// SPDX-License-Identifier: MIT
#pragma once

#include "storage/careerarchive.h"

#include <QDialog>
#include <vector>

class QComboBox;
class QTreeWidget;

// The "Pass Types" window: the career split by play type, a table for the career or one season,
// and the passer rating of every season on a chart. It shows the seasons it is given, and what
// was said of those that could not be read, and changes nothing.
class PlayTypesWindow : public QDialog {
    Q_OBJECT
public:
    PlayTypesWindow(PeekedSeasons peeked, QString decimalPoint, QWidget* parent = nullptr);

private slots:
    void showSpan(int index);

private:
    void buildTable();
    void buildSpans();

    std::vector<SeasonStats> m_seasons;
    QString m_decimalPoint;
    QComboBox* m_spanBox = nullptr;
    QTreeWidget* m_playTypeList = nullptr;
};
