// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "pzListItem.h"
#include "pzListMenu.h"
#include "pzListPage.h"

#include <QPointer>
#include <QWidget>

// Pages for the list suites: one that fills its list with plain widgets and counts the calls it
// gets, and a menu whose two entries toggle page widgets of a fixed size.
namespace testPages {

class CountingPage : public pzListPage {
    Q_OBJECT

public:
    explicit CountingPage(int count, QObject* parent = nullptr)
        : pzListPage(parent)
        , mCount(count) {}

    int creates = 0;
    int deletes = 0;
    QVector<QPointer<QWidget>> made;

public slots:
    void createPage() override {
        pzListPage::createPage();
        ++creates;
        made.clear();
        for (int i = 0; i < mCount; ++i) {
            auto* widget = new QWidget;
            widget->setObjectName(QStringLiteral("entry %1").arg(i));
            widget->setMinimumHeight(40);
            made.append(widget);
            emit addWidget(widget);
        }
    }

    void deletePage() override {
        pzListPage::deletePage();
        ++deletes;
    }

private:
    int mCount;
};

class TogglePage : public pzListMenu {
    Q_OBJECT

public:
    using pzListMenu::pzListMenu;

    QPointer<pzListItem> first;
    QPointer<pzListItem> second;
    QPointer<QWidget> shown;

public slots:
    void createPage() override {
        pzListMenu::createPage();
        first = new pzListItem(QIcon(), QStringLiteral("First"));
        second = new pzListItem(QIcon(), QStringLiteral("Second"));
        addItem(first, SLOT(toggle()));
        addItem(second, SLOT(toggle()));
    }

    void toggle() {
        auto* item = qobject_cast<pzListItem*>(sender());
        if (item == currentItem()) {
            unselectItem(item);
            return;
        }
        shown = new QWidget;
        shown->setObjectName(item->text());
        shown->resize(item == first ? QSize(120, 80) : QSize(200, 150));
        selectItem(item, shown);
    }
};

} // namespace testPages
