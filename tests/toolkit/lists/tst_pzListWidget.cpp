// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzItemList.h"
#include "pzListInterface.h"
#include "pzListWidget.h"
#include "pzMenu.h"
#include "pzScrollArea.h"

#include "testHost.h"
#include "testPages.h"

#include <QPointer>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

using namespace testPages;

namespace {

pzItemList* itemListOf(pzListWidget& list) {
    return list.findChild<pzItemList*>(QStringLiteral("itemList"));
}

QVector<QWidget*> entries(pzListWidget& list) {
    return itemListOf(list)->widgetVector();
}

void processDeferredDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QWidget* entry(const QString& name) {
    auto* widget = new QWidget;
    widget->setObjectName(name);
    widget->setMinimumHeight(40);
    return widget;
}

} // namespace

class tst_pzListWidget : public QObject {
    Q_OBJECT

private slots:
    void backgrounds();
    void slotsForwardToTheItemList();
    void deleteAllDeletesLater();
    void replacedItemListTakesNothing();
    void resizeSetsEveryWidth_data();
    void resizeSetsEveryWidth();
    void widgetsAddedLaterKeepTheirWidth();

    void firstPageFillsTheList();
    void samePageAgainRecreatesItConnectedOnce();
    void switchingPagesRewires();
    void uncreatedPageIsNotDeleted();
    void nullPageIsRefused();
    void destroyedPageCountsAsNone();
};

void tst_pzListWidget::backgrounds() {
    // The page area lets its parent show through; the list lies white at alpha 200 over it.
    testHost::Host host;
    pzScrollArea area(&host);
    area.setGeometry(0, 0, 100, 100);
    pzListWidget list(&host);
    list.setGeometry(100, 0, 100, 100);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    const QImage image = host.shot();
    COMPARE_COLOR(image.pixelColor(50, 50), testHost::HostColor);
    COMPARE_COLOR(image.pixelColor(0, 0), testHost::HostColor);
    COMPARE_COLOR(image.pixelColor(150, 50), testHost::onHost(QColor(255, 255, 255, 200)));

    QCOMPARE(list.widget(), itemListOf(list));
    QCOMPARE(list.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(list.interface()->parent(), &list);
    QCOMPARE(list.property("interface").value<pzListInterface*>(), list.interface());
}

void tst_pzListWidget::slotsForwardToTheItemList() {
    pzListWidget list;
    QWidget* a = entry("a");
    QWidget* b = entry("b");
    QWidget* c = entry("c");
    list.addWidget(a);
    list.insertWidget(0, b);
    list.insertWidget(-1, c);
    pzItemList* items = itemListOf(list);
    QCOMPARE(items->layout()->itemAt(0)->widget(), b);
    QCOMPARE(items->layout()->itemAt(2)->widget(), c);
    QCOMPARE(a->parentWidget(), items);
    list.removeWidget(b);
    QCOMPARE(entries(list), (QVector<QWidget*>{a, c}));
    QCOMPARE(b->parentWidget(), items);
}

// QScrollArea deletes its widget for another, and a menu puts its frame menu into any area.
void tst_pzListWidget::replacedItemListTakesNothing() {
    pzListWidget list;
    pzListWidget area;
    list.setWidget(new QWidget);
    pzMenu menu(&area);
    for (pzListWidget* replaced : {&list, &area}) {
        QWidget* widget = entry("a");
        replaced->addWidget(widget);
        replaced->insertWidget(0, widget);
        replaced->removeWidget(widget);
        replaced->deleteAll();
        replaced->resize(120, 80);
        QCOMPARE(widget->parentWidget(), nullptr);
        delete widget;
    }
}

void tst_pzListWidget::deleteAllDeletesLater() {
    pzListWidget list;
    QPointer<QWidget> a = entry("a");
    QPointer<QWidget> b = entry("b");
    list.addWidget(a);
    list.addWidget(b);
    list.deleteAll();
    QVERIFY(entries(list).isEmpty());
    QCOMPARE(itemListOf(list)->size(), 0u);
    QVERIFY(a && b);
    // Nothing left for a resize to reach, whether or not the widgets are gone yet.
    list.resize(150, 100);
    processDeferredDeletes();
    QVERIFY(!a && !b);
    list.resize(160, 100);
}

void tst_pzListWidget::resizeSetsEveryWidth_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("scrollBar");
    QTest::newRow("few entries") << 2 << false;
    QTest::newRow("more than fit") << 12 << true;
}

void tst_pzListWidget::resizeSetsEveryWidth() {
    QFETCH(int, count);
    QFETCH(bool, scrollBar);
    QWidget host;
    pzListWidget list(&host);
    list.resize(100, 200);
    for (int i = 0; i < count; ++i)
        list.addWidget(entry(QString::number(i)));
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));

    list.resize(180, 200);
    QTRY_COMPARE(list.verticalScrollBar()->isVisible(), scrollBar);
    for (QWidget* widget : entries(list))
        QCOMPARE(widget->width(), 180);
    QTRY_COMPARE(itemListOf(list)->width(), 180);
}

void tst_pzListWidget::widgetsAddedLaterKeepTheirWidth() {
    QWidget host;
    pzListWidget list(&host);
    list.resize(180, 200);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    auto* later = new QWidget;
    later->setFixedWidth(40);
    list.addWidget(later);
    QCOMPARE(later->width(), 40);
    list.resize(170, 200);
    QCOMPARE(later->width(), 170);
}

void tst_pzListWidget::firstPageFillsTheList() {
    pzListWidget list;
    CountingPage page(3);
    QSignalSpy cleared(list.interface(), &pzListInterface::deleteAll);
    list.interface()->setPage(&page);
    QCOMPARE(cleared.count(), 1);
    QCOMPARE(page.creates, 1);
    QCOMPARE(page.deletes, 0);
    QVERIFY(page.isCreated());
    const QVector<QWidget*> shown = entries(list);
    QCOMPARE(shown.size(), 3);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(shown[i], page.made[i].data());
        QCOMPARE(itemListOf(list)->layout()->itemAt(i)->widget(), shown[i]);
    }
}

void tst_pzListWidget::samePageAgainRecreatesItConnectedOnce() {
    pzListWidget list;
    CountingPage page(2);
    list.interface()->setPage(&page);
    const auto firstMade = page.made;
    list.interface()->setPage(&page);
    QCOMPARE(page.deletes, 1);
    QCOMPARE(page.creates, 2);
    // One connection only: each new widget is listed once.
    QCOMPARE(entries(list).size(), 2);
    processDeferredDeletes();
    for (const auto& widget : firstMade)
        QVERIFY(!widget);
    QWidget* extra = entry("extra");
    emit page.insertWidget(0, extra);
    QCOMPARE(entries(list).count(extra), 1);
    QCOMPARE(itemListOf(list)->layout()->itemAt(0)->widget(), extra);
}

void tst_pzListWidget::switchingPagesRewires() {
    pzListWidget list;
    CountingPage first(2);
    CountingPage second(1);
    list.interface()->setPage(&first);
    const auto firstMade = first.made;
    list.interface()->setPage(&second);
    QCOMPARE(first.deletes, 1);
    QVERIFY(!first.isCreated());
    QCOMPARE(second.creates, 1);
    QCOMPARE(entries(list), QVector<QWidget*>{second.made[0].data()});
    processDeferredDeletes();
    for (const auto& widget : firstMade)
        QVERIFY(!widget);

    QWidget stray;
    emit first.addWidget(&stray);
    emit first.removeWidget(second.made[0]);
    QCOMPARE(entries(list), QVector<QWidget*>{second.made[0].data()});
    emit second.removeWidget(second.made[0]);
    QVERIFY(entries(list).isEmpty());
}

void tst_pzListWidget::uncreatedPageIsNotDeleted() {
    pzListWidget list;
    CountingPage first(1);
    CountingPage second(1);
    list.interface()->setPage(&first);
    first.deletePage();
    list.interface()->setPage(&second);
    QCOMPARE(first.deletes, 1);
}

void tst_pzListWidget::nullPageIsRefused() {
    pzListWidget list;
    CountingPage page(2);
    list.interface()->setPage(&page);
    QSignalSpy cleared(list.interface(), &pzListInterface::deleteAll);
    list.interface()->setPage(nullptr);
    QCOMPARE(cleared.count(), 0);
    QCOMPARE(entries(list).size(), 2);
    QVERIFY(page.isCreated());
    emit page.addWidget(entry("still wired"));
    QCOMPARE(entries(list).size(), 3);
}

void tst_pzListWidget::destroyedPageCountsAsNone() {
    pzListWidget list;
    auto* dying = new CountingPage(2);
    list.interface()->setPage(dying);
    delete dying;
    CountingPage next(1);
    list.interface()->setPage(&next);
    QCOMPARE(next.creates, 1);
    QCOMPARE(entries(list), QVector<QWidget*>{next.made[0].data()});
    // Re-binding the survivor still works as for any bound page.
    list.interface()->setPage(&next);
    QCOMPARE(next.deletes, 1);
    QCOMPARE(entries(list).size(), 1);
}

QTEST_MAIN(tst_pzListWidget)
#include "tst_pzListWidget.moc"
