// SPDX-License-Identifier: MIT
#pragma once

#include "storage/careerrecords.h"

#include <QDialog>
#include <array>

class QLabel;

// frmRecords: the five game records and the five season records beside their captions. It
// shows the records it is given and changes nothing; the caller reads them afresh for every
// opening.
class RecordsWindow : public QDialog {
    Q_OBJECT
public:
    RecordsWindow(const CareerRecords& records, const QString& decimalPoint,
                  QWidget* parent = nullptr);

private:
    void buildControls();
    void fillRecords(const CareerRecords& records, const QString& decimalPoint);

    std::array<QLabel*, 10> m_values{}; // the value labels, in the order of recordTexts()
};
