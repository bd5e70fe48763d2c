// SPDX-License-Identifier: MIT
#pragma once

#include "storage/seasonstats.h"

#include <QDialog>
#include <vector>

class QTreeWidget;

// frmCareer: the stored career, season by season, with the career totals below. It shows the
// seasons it is given and changes nothing; the caller reads them afresh for every opening.
class CareerWindow : public QDialog {
    Q_OBJECT
public:
    CareerWindow(const std::vector<SeasonStats>& seasons, const QString& decimalPoint,
                 QWidget* parent = nullptr);

private:
    void buildControls();
    void buildColumns();
    void fillSeasons(const std::vector<SeasonStats>& seasons, const QString& decimalPoint);

    QTreeWidget* m_seasonList = nullptr;
};
