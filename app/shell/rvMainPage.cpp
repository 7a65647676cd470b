// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "rvMainPage.h"

#include "pzListItem.h"
#include "rvAbout.h"
#include "rvMainPage_p.h"

#include <QApplication>
#include <QPointer>

rvMainPage::rvMainPage(QObject* parent)
    : pzListMenu(parent)
    , rvPrivatable(rvPrivatable::own(new rvMainPagePrivate)) {}

rvMainPage::~rvMainPage() {
    if (isCreated())
        deletePage();
}

void rvMainPage::createPage() {
    Q_D(rvMainPage);
    // The list page's own version: the menu's would also forget the items added below.
    pzListPage::createPage();

    d->aboutItem = new pzListItem(QIcon(QStringLiteral(":/about.png")), tr("About"), nullptr);
    addItem(d->aboutItem, SLOT(showAbout()));

    d->exitItem = new pzListItem(QIcon(QStringLiteral(":/exit.png")), tr("Exit"), nullptr);
    addItem(d->exitItem, nullptr);
    connect(d->exitItem.data(), &QAbstractButton::clicked, qApp, &QApplication::closeAllWindows);
}

void rvMainPage::deletePage() {
    pzListPage::deletePage();
}

void rvMainPage::showAbout() {
    Q_D(rvMainPage);
    if (currentItem() == d->aboutItem) {
        unselectItem(d->aboutItem);
        return;
    }
    // The menu refuses an item it no longer lists, and a menu in no panel hands the page to
    // no one: a page that nobody took is not kept.
    QPointer<rvAbout> page = new rvAbout(nullptr);
    selectItem(d->aboutItem, page);
    if (page && !page->parent())
        delete page;
}
