// SPDX-License-Identifier: MIT
#include "views/statslist.h"

#include "app/uifonts.h"

#include <QHeaderView>
#include <QTreeWidget>

void setUpStatsList(QTreeWidget& list) {
    list.setFont(tahomaFont(8.25));
    list.setRootIsDecorated(false);
    list.setItemsExpandable(false);
    list.setSortingEnabled(false);
    list.setEditTriggers(QAbstractItemView::NoEditTriggers);
    list.setSelectionBehavior(QAbstractItemView::SelectRows);
}

int statsListHeight(QTreeWidget& list, int rows) {
    // A row is measured on a row of its own, so that an empty list is as tall as a full one.
    auto* probe = new QTreeWidgetItem(&list, {QStringLiteral("0")});
    const int rowHeight = list.sizeHintForRow(list.indexOfTopLevelItem(probe));
    delete probe;
    return list.header()->sizeHint().height() + rows * rowHeight + 2 * list.frameWidth();
}
