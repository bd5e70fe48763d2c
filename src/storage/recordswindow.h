// SPDX-License-Identifier: MIT
#pragma once

#include "storage/careerrecords.h"

#include <QDialog>

class QGroupBox;

// frmRecords: the five game records and the five season records beside their captions. It
// shows the records it is given and changes nothing; the caller reads them afresh for every
// opening.
class RecordsWindow : public QDialog {
    Q_OBJECT
public:
    RecordsWindow(const CareerRecords& records, const QString& decimalPoint,
                  QWidget* parent = nullptr);

private:
    // One caption and its value label, on one of the five rows of a frame.
    struct RecordLine {
        const char* captionName;
        const char* caption;
        const char* valueName;
    };

    QGroupBox* addFrame(const char* name, const QString& caption, int leftTwips,
                        const RecordLine (&lines)[5]);
    void fillRecords(const CareerRecords& records, const QString& decimalPoint);
};
