// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

// Not public API: this header may change from one version to the next.

#include "pzListWidget.h"
#include "pzScrollArea_p.h"

#include <QPointer>

class pzItemVList;

class pzListWidgetPrivate : public pzScrollAreaPrivate {
public:
    PZ_DECLARE_PUBLIC(pzListWidget)

    // Called by the list widget's constructor; a subclass record creates its own interface.
    virtual void createInterface();
    // The scrolled item list and the list's look; run before the interface is created.
    void setUpList();

    pzListInterface* interface = nullptr;
    // The item list while the scroll area shows it, else null: the inherited setWidget()
    // deletes it and takeWidget() hands it out, and the list then takes no widgets.
    pzItemVList* shownList() const;

    // Cast where used with qobject_cast, which also answers null while it is being destroyed.
    QPointer<QWidget> itemList;
};
