// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

// Not public API: this header may change from one version to the next.

#include "pzListInterface.h"
#include "pzListPage.h"
#include "pzPrivate.h"

#include <QPointer>

class pzListInterfacePrivate : public pzPrivate {
public:
    // Rewires the page's signals to the receiver; subclasses add their own connections.
    virtual void attachPage(pzListPage* page);

    // Connects by the protocol's names, quietly skipping a sender or receiver that lacks
    // the member, as a plain page lacks a menu's signals.
    static void connectByName(QObject* sender, const char* signal, QObject* receiver,
                              const char* member);

    QWidget* receiver = nullptr;
    QPointer<pzListPage> page;
};
