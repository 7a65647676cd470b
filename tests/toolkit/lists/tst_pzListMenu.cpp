// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzListMenu.h"

#include "testHost.h"

#include <QPointer>
#include <QSignalSpy>
#include <QTest>

using namespace testHost;

namespace {

// A menu whose entries toggle a page widget, the way an application's menu page does.
class ToggleMenu : public pzListMenu {
    Q_OBJECT

public:
    using pzListMenu::pzListMenu;

    int clicks = 0;

public slots:
    void toggle() {
        ++clicks;
        auto* item = qobject_cast<pzListItem*>(sender());
        if (item == currentItem())
            unselectItem(item);
        else
            selectItem(item, new QWidget);
    }
};

// Items sit in a host so that their selected look can be read back.
class Items {
public:
    explicit Items(int count) {
        for (int i = 0; i < count; ++i) {
            auto* item = new pzListItem(QIcon(), QStringLiteral("Item %1").arg(i), &host);
            item->setGeometry(0, 40 * i, 150, 40);
            items.append(item);
        }
    }

    bool looksSelected(int i) { return near(host.shot().pixelColor(145, 40 * i + 10), Qt::black); }

    pzListItem* operator[](int i) const { return items[i]; }

    Host host;
    QVector<pzListItem*> items;
};

} // namespace

class tst_pzListMenu : public QObject {
    Q_OBJECT

private slots:
    void pageStates();
    void freshMenu();
    void addItemOnceOnly();
    void addItemWithoutMember();
    void addNullItemChangesNothing();
    void selectUnknownItemChangesNothing();
    void selectItemSelectsOnlyIt();
    void selectCurrentItemAgainEmitsNothing();
    void selectWithoutWidget();
    void unselectItem();
    void removeItemUnselectsTheCurrentItem();
    void createAndDeletePageForgetTheItems();
    void deletedCurrentItemIsForgotten();
    void clickTogglesThePageWidget();
};

void tst_pzListMenu::pageStates() {
    pzListPage page;
    QVERIFY(!page.isCreated());
    page.createPage();
    QVERIFY(page.isCreated());
    QCOMPARE(page.property("created").toBool(), true);
    page.deletePage();
    QVERIFY(!page.isCreated());
    QVERIFY(page.qt_metacast("pzPrivatable"));
}

void tst_pzListMenu::freshMenu() {
    pzListMenu menu;
    QVERIFY(!menu.isCreated());
    QVERIFY(!menu.currentItem());
    QVERIFY(!menu.property("currentItem").value<pzListItem*>());
}

void tst_pzListMenu::addItemOnceOnly() {
    Items items(1);
    ToggleMenu menu;
    QSignalSpy added(&menu, &pzListPage::addWidget);
    menu.addItem(items[0], SLOT(toggle()));
    menu.addItem(items[0], SLOT(toggle()));
    QCOMPARE(added.count(), 1);
    QCOMPARE(added[0][0].value<QWidget*>(), items[0]);
    QCOMPARE(added[0][1].toInt(), 0);
    QCOMPARE(added[0][2].value<Qt::Alignment>(), Qt::Alignment());
    items[0]->click();
    QCOMPARE(menu.clicks, 1);
}

void tst_pzListMenu::addItemWithoutMember() {
    Items items(1);
    ToggleMenu menu;
    QSignalSpy added(&menu, &pzListPage::addWidget);
    menu.addItem(items[0], nullptr);
    QCOMPARE(added.count(), 1);
    items[0]->click();
    QCOMPARE(menu.clicks, 0);
    menu.selectItem(items[0]);
    QCOMPARE(menu.currentItem(), items[0]);
}

void tst_pzListMenu::addNullItemChangesNothing() {
    pzListMenu menu;
    QSignalSpy added(&menu, &pzListPage::addWidget);
    menu.addItem(nullptr, SLOT(deletePage()));
    menu.selectItem(nullptr, nullptr);
    menu.unselectItem(nullptr);
    menu.removeItem(nullptr);
    QCOMPARE(added.count(), 0);
    QVERIFY(!menu.currentItem());
}

void tst_pzListMenu::selectUnknownItemChangesNothing() {
    Items items(2);
    pzListMenu menu;
    menu.addItem(items[0]);
    QSignalSpy shown(&menu, &pzListMenu::setWidget);
    QWidget page;
    menu.selectItem(items[1], &page);
    QCOMPARE(shown.count(), 0);
    QVERIFY(!menu.currentItem());
    QVERIFY(!items.looksSelected(1));
}

void tst_pzListMenu::selectItemSelectsOnlyIt() {
    Items items(3);
    pzListMenu menu;
    for (pzListItem* item : items.items)
        menu.addItem(item);
    QSignalSpy shown(&menu, &pzListMenu::setWidget);
    QWidget first;
    QWidget second;

    menu.selectItem(items[0], &first);
    QCOMPARE(menu.currentItem(), items[0]);
    QCOMPARE(shown.count(), 1);
    QCOMPARE(shown[0][0].value<QWidget*>(), &first);
    QVERIFY(items.looksSelected(0));

    menu.selectItem(items[2], &second);
    QCOMPARE(menu.currentItem(), items[2]);
    QCOMPARE(shown.count(), 2);
    QCOMPARE(shown[1][0].value<QWidget*>(), &second);
    QVERIFY(!items.looksSelected(0));
    QVERIFY(!items.looksSelected(1));
    QVERIFY(items.looksSelected(2));
}

void tst_pzListMenu::selectCurrentItemAgainEmitsNothing() {
    Items items(1);
    pzListMenu menu;
    menu.addItem(items[0]);
    QWidget first;
    menu.selectItem(items[0], &first);
    QSignalSpy shown(&menu, &pzListMenu::setWidget);
    QWidget other;
    menu.selectItem(items[0], &other);
    QCOMPARE(shown.count(), 0);
    QVERIFY(items.looksSelected(0));
}

void tst_pzListMenu::selectWithoutWidget() {
    Items items(1);
    pzListMenu menu;
    menu.addItem(items[0]);
    QSignalSpy shown(&menu, &pzListMenu::setWidget);
    menu.selectItem(items[0], nullptr);
    QCOMPARE(shown.count(), 0);
    QCOMPARE(menu.currentItem(), items[0]);
    QVERIFY(items.looksSelected(0));
}

void tst_pzListMenu::unselectItem() {
    Items items(2);
    pzListMenu menu;
    menu.addItem(items[0]);
    menu.addItem(items[1]);
    menu.selectItem(items[0]);
    QSignalSpy dropped(&menu, &pzListMenu::deleteWidget);

    menu.unselectItem(items[1]);
    QCOMPARE(dropped.count(), 0);
    QCOMPARE(menu.currentItem(), items[0]);

    menu.unselectItem(items[0]);
    QCOMPARE(dropped.count(), 1);
    QVERIFY(!menu.currentItem());
    QVERIFY(!items.looksSelected(0));
}

// Removed, the current item is unselected and its page widget dropped.
void tst_pzListMenu::removeItemUnselectsTheCurrentItem() {
    Items items(1);
    ToggleMenu menu;
    menu.addItem(items[0], SLOT(toggle()));
    menu.selectItem(items[0]);
    QSignalSpy removed(&menu, &pzListPage::removeWidget);
    QSignalSpy dropped(&menu, &pzListMenu::deleteWidget);
    menu.removeItem(items[0]);
    QCOMPARE(removed.count(), 1);
    QCOMPARE(removed[0][0].value<QWidget*>(), items[0]);
    QVERIFY(!menu.currentItem());
    QCOMPARE(dropped.count(), 1);
    QVERIFY(!items.looksSelected(0));
    items[0]->click();
    QCOMPARE(menu.clicks, 0);
    menu.removeItem(items[0]);
    QCOMPARE(removed.count(), 1);
}

void tst_pzListMenu::createAndDeletePageForgetTheItems() {
    Items items(1);
    pzListMenu menu;
    menu.createPage();
    QVERIFY(menu.isCreated());
    menu.addItem(items[0]);
    menu.selectItem(items[0]);
    QSignalSpy dropped(&menu, &pzListMenu::deleteWidget);
    menu.deletePage();
    QVERIFY(!menu.isCreated());
    QVERIFY(!menu.currentItem());
    QCOMPARE(dropped.count(), 0);
    // Forgotten, not unselected.
    QVERIFY(items.looksSelected(0));
    menu.selectItem(items[0]);
    QVERIFY(!menu.currentItem());

    menu.addItem(items[0]);
    menu.createPage();
    menu.selectItem(items[0]);
    QVERIFY(!menu.currentItem());
}

void tst_pzListMenu::deletedCurrentItemIsForgotten() {
    Items items(2);
    pzListMenu menu;
    menu.addItem(items[0]);
    menu.addItem(items[1]);
    menu.selectItem(items[0]);
    menu.removeItem(items[0]);
    delete items[0];
    QVERIFY(!menu.currentItem());
    delete items[1];
    // Nothing left to reach: a new selection of a new item works alone.
    auto* fresh = new pzListItem(&items.host);
    menu.addItem(fresh);
    menu.selectItem(fresh);
    QCOMPARE(menu.currentItem(), fresh);
}

void tst_pzListMenu::clickTogglesThePageWidget() {
    Items items(2);
    ToggleMenu menu;
    menu.addItem(items[0], SLOT(toggle()));
    menu.addItem(items[1], SLOT(toggle()));
    QSignalSpy shown(&menu, &pzListMenu::setWidget);
    QSignalSpy dropped(&menu, &pzListMenu::deleteWidget);

    items[0]->click();
    QCOMPARE(shown.count(), 1);
    QCOMPARE(menu.currentItem(), items[0]);
    items[1]->click();
    QCOMPARE(shown.count(), 2);
    QCOMPARE(menu.currentItem(), items[1]);
    items[1]->click();
    QCOMPARE(dropped.count(), 1);
    QVERIFY(!menu.currentItem());
    delete shown[0][0].value<QWidget*>();
    delete shown[1][0].value<QWidget*>();
}

QTEST_MAIN(tst_pzListMenu)
#include "tst_pzListMenu.moc"
