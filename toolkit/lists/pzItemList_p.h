// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

// Not public API: this header may change from one version to the next.

#include "pzItemList.h"
#include "pzPrivate.h"

#include <QVector>

class pzItemListPrivate : public pzPrivate {
    PZ_DECLARE_PUBLIC(pzItemList)

public:
    void init(QBoxLayout::Direction direction);
    // Listed widgets and nested layouts may be deleted by others; a dangling entry would be
    // touched later. Each is watched once, whatever the number of its entries.
    void watch(QObject* object, void (pzItemListPrivate::*forget)(QObject*));
    // The list is the receiver of nothing else from its entries.
    void unwatch(QObject* object);
    void forgetWidget(QObject* widget);
    void forgetLayout(QObject* layout);

    // The widgets handed over and not removed, in the order of handing over.
    QVector<QWidget*> widgets;
    // The nested layouts handed over, in the order of handing over.
    QVector<QLayout*> layouts;
    // The list's own layout: no margin, no spacing.
    QBoxLayout* boxLayout = nullptr;
};
