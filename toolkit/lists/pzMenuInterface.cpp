// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzMenuInterface.h"

#include "pzMenuInterface_p.h"

#include <QWidget>

void pzMenuInterfacePrivate::attachPage(pzListPage* newPage) {
    if (newPage == page)
        return;
    // The base's disconnection also drops the previous page's two connections below.
    pzListInterfacePrivate::attachPage(newPage);
    connectByName(page, SIGNAL(setWidget(QWidget*)), receiver, SLOT(setWidget(QWidget*)));
    connectByName(page, SIGNAL(deleteWidget()), receiver, SLOT(deleteWidget()));
}

pzMenuInterface::pzMenuInterface(QWidget* parent)
    : pzListInterface(new pzMenuInterfacePrivate, parent) {}

pzMenuInterface::~pzMenuInterface() = default;
