// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

// Not public API: this header may change from one version to the next.

#include <QAccessibleWidget>

// What assistive technology sees of an item list: a list while it holds list items, so that a
// screen reader names the menu as a list and its entries by their position in it; a plain
// holder otherwise.
class pzAccessibleItemList : public QAccessibleWidget {
public:
    explicit pzAccessibleItemList(QWidget* list);

    QAccessible::Role role() const override;
};
