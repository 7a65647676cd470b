// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzListPage.h"

#include "pzListPage_p.h"

pzListPage::pzListPage(QObject* parent)
    : pzListPage(new pzListPagePrivate, parent) {}

pzListPage::pzListPage(pzListPagePrivate* d, QObject* parent)
    : QObject(parent)
    , pzPrivatable(d) {}

pzListPage::~pzListPage() = default;

bool pzListPage::isCreated() const {
    return d_func()->created;
}

void pzListPage::createPage() {
    d_func()->created = true;
}

void pzListPage::deletePage() {
    d_func()->created = false;
}
