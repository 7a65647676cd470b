// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "rvMainPage.h"

#include "pzListItem.h"
#include "rvAbout.h"

#include <QApplication>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

// Shows the widgets that a page adds, in order, and the page widget it asks for.
class PageHost : public QWidget {
    Q_OBJECT

public:
    explicit PageHost(rvMainPage& page) {
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        connect(&page, &pzListPage::addWidget, this, [this, layout](QWidget* widget) {
            layout->addWidget(widget);
            items.append(qobject_cast<pzListItem*>(widget));
        });
        connect(&page, &pzListMenu::setWidget, this, [this](QWidget* widget) {
            delete shown;
            shown = widget;
            widget->setParent(this);
        });
        connect(&page, &pzListMenu::deleteWidget, this, [this] {
            if (shown)
                shown->deleteLater();
        });
        resize(150, 200);
    }

    QList<pzListItem*> items;
    QPointer<QWidget> shown;
};

class tst_rvMainPage : public QObject {
    Q_OBJECT

private slots:
    void notCreatedUntilAsked();
    void createPageAddsAboutThenExit();
    void aboutTogglesAFreshPage();
    void refusedAboutPageIsNotKept();
    void exitClosesAllWindows();
    void deletePageLeavesEntries();
};

void tst_rvMainPage::notCreatedUntilAsked() {
    rvMainPage page;
    QVERIFY(!page.isCreated());
    QVERIFY(!page.currentItem());
    QVERIFY(page.inherits("pzListMenu"));
    QVERIFY(page.inherits("rvPrivatable"));
}

void tst_rvMainPage::createPageAddsAboutThenExit() {
    rvMainPage page;
    QSignalSpy added(&page, &pzListPage::addWidget);
    page.createPage();
    QVERIFY(page.isCreated());
    QCOMPARE(added.size(), 2);
    const QStringList texts = {QStringLiteral("About"), QStringLiteral("Exit")};
    for (int i = 0; i < 2; ++i) {
        auto* item = qobject_cast<pzListItem*>(added.at(i).at(0).value<QWidget*>());
        QVERIFY(item);
        QCOMPARE(item->text(), texts.at(i));
        QCOMPARE(item->iconSize(), QSize(32, 32));
        QVERIFY(!item->icon().isNull());
        QVERIFY(!item->parent());
        QCOMPARE(added.at(i).at(1).toInt(), 0);
        delete item;
    }
    QVERIFY(!page.currentItem());
}

void tst_rvMainPage::aboutTogglesAFreshPage() {
    rvMainPage page;
    PageHost host(page);
    page.createPage();
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    pzListItem* about = host.items.at(0);
    QSignalSpy shown(&page, &pzListMenu::setWidget);
    QSignalSpy removed(&page, &pzListMenu::deleteWidget);

    QTest::mouseClick(about, Qt::LeftButton);
    QCOMPARE(page.currentItem(), about);
    QCOMPARE(shown.size(), 1);
    QPointer<QWidget> first = shown.at(0).at(0).value<QWidget*>();
    QVERIFY(qobject_cast<rvAbout*>(first.data()));
    // The item is drawn selected: opaque black behind its icon.
    QCOMPARE(about->grab().toImage().pixelColor(1, 1), QColor(Qt::black));

    QTest::mouseClick(about, Qt::LeftButton);
    QVERIFY(!page.currentItem());
    QCOMPARE(removed.size(), 1);
    QCOMPARE(shown.size(), 1);
    QTRY_VERIFY(first.isNull());

    QTest::mouseClick(about, Qt::LeftButton);
    QCOMPARE(page.currentItem(), about);
    QCOMPARE(shown.size(), 2);
    QVERIFY(qobject_cast<rvAbout*>(shown.at(1).at(0).value<QWidget*>()));
    QVERIFY(host.shown);
}

// Before the entries exist, or once "About" is no longer listed, the menu refuses the item.
void tst_rvMainPage::refusedAboutPageIsNotKept() {
    rvMainPage page;
    PageHost host(page);
    page.showAbout();
    page.createPage();
    page.removeItem(host.items.at(0));
    page.showAbout();
    QVERIFY(!page.currentItem());
    for (QWidget* widget : QApplication::allWidgets())
        QVERIFY(!qobject_cast<rvAbout*>(widget));
}

void tst_rvMainPage::exitClosesAllWindows() {
    rvMainPage page;
    PageHost host(page);
    page.createPage();
    QWidget other;
    other.show();
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QSignalSpy shown(&page, &pzListMenu::setWidget);

    QTest::mouseClick(host.items.at(1), Qt::LeftButton);

    QVERIFY(!host.isVisible());
    QVERIFY(!other.isVisible());
    QVERIFY(!page.currentItem());
    QCOMPARE(shown.size(), 0);
}

void tst_rvMainPage::deletePageLeavesEntries() {
    rvMainPage page;
    PageHost host(page);
    page.createPage();
    const QList<pzListItem*> items = host.items;
    page.deletePage();
    QVERIFY(!page.isCreated());
    QCOMPARE(host.findChildren<pzListItem*>().size(), 2);
    page.createPage();
    QVERIFY(page.isCreated());
    QCOMPARE(host.items.size(), 4);
}

QTEST_MAIN(tst_rvMainPage)
#include "tst_rvMainPage.moc"
