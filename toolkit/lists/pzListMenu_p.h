// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

// Not public API: this header may change from one version to the next.

#include "pzListMenu.h"
#include "pzListPage_p.h"

#include <QPointer>
#include <QVector>

class pzListMenuPrivate : public pzListPagePrivate {
public:
    void forgetItems() {
        items.clear();
        currentItem = nullptr;
    }

    void forgetItem(QObject* item) {
        // Only the address is compared: the item is past its own destructors by now.
        items.removeIf([item](QObject* listed) { return listed == item; });
    }

    QVector<pzListItem*> items;
    // Tracked: the current item may be removed from the menu and then deleted by its list.
    QPointer<pzListItem> currentItem;
};
