// SPDX-License-Identifier: MIT
#pragma once

class QTreeWidget;

// The lists of figures of the career views share one look: the same font and so the same row
// height, whole rows selected, nothing editable, no tree decoration.
void setUpStatsList(QTreeWidget& list);

// The height that shows the header and `rows` rows whole, without a scroll bar.
int statsListHeight(QTreeWidget& list, int rows);
