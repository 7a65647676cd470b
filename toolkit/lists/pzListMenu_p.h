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

    QVector<pzListItem*> items;
    // Tracked: the current item may be removed from the menu and then deleted by its list.
    QPointer<pzListItem> currentItem;
};
