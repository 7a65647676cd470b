// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "fuzzArguments.h"

#include <QHash>
#include <QList>
#include <QPointer>
#include <QWidget>

class pzListMenu;

// The objects of one call sequence, and the calls made on them: the toolkit's public classes,
// created, called, deleted, reparented, shown and hidden in the order the seed draws.
class fuzzWorld : private fuzzArguments {
public:
    explicit fuzzWorld(quint32 seed)
        : fuzzArguments(seed) {}
    ~fuzzWorld() { clear(); }

    // One call, deletion, reparenting, show or hide, paint or grab; the event loop runs now
    // and then.
    void step();
    // Deletes every object the sequence made.
    void clear();

private:
    template <class T> T* any();
    QWidget* anyWidget() { return any<QWidget>(); }
    // A widget of the pool, or a fresh one, for `taker` to take: never one of its ancestors,
    // which Qt's own containers loop on, nor one inside it, whose holder may be what takes it.
    QWidget* someWidget(QWidget* taker);
    QWidget* adopt(QWidget* widget);
    void create();
    void callOn(QWidget* widget);
    void reparent(QWidget* widget);
    void paint();

    QList<QPointer<QWidget>> widgets;
    QList<QPointer<pzListMenu>> pages;
    // Where a widget puts what it is given, when that may not lie inside it (moved elsewhere
    // since): a menu's frame menu, a box's content holder.
    QHash<const QObject*, QPointer<QWidget>> holders;
};
