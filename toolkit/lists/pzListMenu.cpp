// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzListMenu.h"

#include "pzListMenu_p.h"

pzListMenu::pzListMenu(QObject* parent)
    : pzListPage(new pzListMenuPrivate, parent) {}

pzListMenu::~pzListMenu() = default;

void pzListMenu::addItem(pzListItem* item, const char* member) {
    Q_D(pzListMenu);
    if (!item || d->items.contains(item))
        return;
    d->items.append(item);
    // An item deleted by its list must not stay registered or current. An item forgotten with
    // the page's content and added again keeps one such connection.
    disconnect(item, &QObject::destroyed, this, nullptr);
    connect(item, &QObject::destroyed, this, [d](QObject* gone) { d->forgetItem(gone); });
    if (member)
        connect(item, SIGNAL(clicked(bool)), this, member);
    emit addWidget(item, 0, Qt::Alignment());
}

void pzListMenu::removeItem(pzListItem* item) {
    Q_D(pzListMenu);
    const qsizetype at = d->items.indexOf(item);
    if (at < 0)
        return;
    d->items.remove(at);
    if (d->currentItem == item) {
        item->unselect();
        d->currentItem = nullptr;
        emit deleteWidget();
    }
    disconnect(item, nullptr, this, nullptr);
    emit removeWidget(item);
}

void pzListMenu::selectItem(pzListItem* item, QWidget* widget) {
    Q_D(pzListMenu);
    if (!d->items.contains(item) || d->currentItem == item)
        return;
    for (pzListItem* each : std::as_const(d->items))
        each->unselect();
    item->select();
    d->currentItem = item;
    if (widget)
        emit setWidget(widget);
}

void pzListMenu::unselectItem(pzListItem* item) {
    Q_D(pzListMenu);
    if (!item || !d->items.contains(item) || d->currentItem != item)
        return;
    item->unselect();
    d->currentItem = nullptr;
    emit deleteWidget();
}

pzListItem* pzListMenu::currentItem() const {
    return d_func()->currentItem;
}

void pzListMenu::createPage() {
    pzListPage::createPage();
    d_func()->forgetItems();
}

void pzListMenu::deletePage() {
    pzListPage::deletePage();
    d_func()->forgetItems();
}
