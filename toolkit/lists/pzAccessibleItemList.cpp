// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzAccessibleItemList_p.h"

#include "pzListItem.h"

pzAccessibleItemList::pzAccessibleItemList(QWidget* list)
    : QAccessibleWidget(list, QAccessible::Client) {}

QAccessible::Role pzAccessibleItemList::role() const {
    // Items come and go after the interface exists, so the role is read each time.
    const bool holdsItems = widget()->findChild<pzListItem*>(QString(), Qt::FindDirectChildrenOnly);
    return holdsItems ? QAccessible::List : QAccessible::Client;
}
