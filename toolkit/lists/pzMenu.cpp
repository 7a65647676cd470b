// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzMenu.h"

#include "pzMenu_p.h"

void pzMenuPrivate::createInterface() {
    // Runs inside the list widget's constructor: only that part of the menu exists yet.
    menuInterface = new pzMenuInterface(pzListWidgetPrivate::q_func());
    menuInterface->setObjectName(QStringLiteral("interface"));
    interface = menuInterface;
}

pzMenu::pzMenu(pzScrollArea* area, QWidget* parent)
    : pzListWidget(new pzMenuPrivate, parent) {
    Q_D(pzMenu);
    d->pageArea = area;
    d->frameMenu = new pzFrameMenu;
    d->frameMenu->setObjectName(QStringLiteral("frameMenu"));
    // A new or re-created page starts with nothing selected, so nothing may stay shown.
    connect(d->menuInterface, &pzListInterface::deleteAll, this, &pzMenu::deleteWidget);
    if (area) {
        area->setWidget(d->frameMenu);
    } else {
        // Without a page area the frame menu is kept, unseen, so that the menu still works.
        d->frameMenu->setParent(this);
        d->frameMenu->hide();
    }
}

pzMenu::~pzMenu() = default;

pzMenuInterface* pzMenu::menuInterface() const {
    return d_func()->menuInterface;
}

void pzMenu::setWidget(QWidget* widget) {
    Q_D(pzMenu);
    if (!widget || !d->frameMenu || widget == d->frameMenu->widget())
        return;
    deleteWidget();
    d->frameMenu->setWidget(widget);
    d->frameMenu->updateGeometry();
}

void pzMenu::deleteWidget() {
    Q_D(pzMenu);
    if (!d->frameMenu)
        return;
    if (QWidget* shown = d->frameMenu->takeWidget())
        shown->deleteLater();
}
