// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzItemHList.h"
#include "pzItemList.h"
#include "pzItemVList.h"

#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

namespace {

QWidget* fixedWidget(const QString& name, QWidget* parent = nullptr) {
    auto* widget = new QWidget(parent);
    widget->setObjectName(name);
    widget->setFixedSize(30, 20);
    return widget;
}

QWidget* widgetAt(pzItemList& list, int position) {
    QLayoutItem* item = list.layout()->itemAt(position);
    return item ? item->widget() : nullptr;
}

// Counts what the forwarding operations hand to the inserting ones.
class ProbeList : public pzItemVList {
public:
    using pzItemVList::pzItemVList;

    void insertWidget(unsigned int index, QWidget* widget, int stretch = 0,
                      Qt::Alignment alignment = Qt::Alignment()) override {
        ++widgetInserts;
        pzItemVList::insertWidget(index, widget, stretch, alignment);
    }
    void insertSpacing(unsigned int index, unsigned int spacing) override {
        ++spacingInserts;
        pzItemVList::insertSpacing(index, spacing);
    }

    int widgetInserts = 0;
    int spacingInserts = 0;
};

} // namespace

class tst_pzItemList : public QObject {
    Q_OBJECT

private slots:
    void startsEmptyWithoutMarginOrSpacing();
    void insertPastTheEndAppends_data();
    void insertPastTheEndAppends();
    void vectorOrderIsHandOverOrder();
    void sizeCountsEveryItem();
    void removeWidgetOfUnknownWidgetChangesNothing();
    void removeWidgetKeepsTheWidget();
    void removeItemPastTheEndChangesNothing_data();
    void removeItemPastTheEndChangesNothing();
    void removeItemLeavesTheWidgetListed();
    void removeItemOfNestedLayoutThenClear();
    void clearEmptiesEverything();
    void deletedWidgetLeavesTheVector();
    void nullsAreRefused();
    void widgetAlreadyInTheListIsRefused();
    void forwardingGoesThroughTheVirtuals();
    void entriesTouch_data();
    void entriesTouch();
};

void tst_pzItemList::startsEmptyWithoutMarginOrSpacing() {
    pzItemVList list;
    QCOMPARE(list.size(), 0u);
    QVERIFY(list.widgetVector().isEmpty());
    QCOMPARE(list.layout()->contentsMargins(), QMargins());
    QCOMPARE(list.layout()->spacing(), 0);
    QCOMPARE(static_cast<QBoxLayout*>(list.layout())->direction(), QBoxLayout::TopToBottom);
    QCOMPARE(static_cast<QBoxLayout*>(pzItemHList().layout())->direction(),
             QBoxLayout::LeftToRight);
}

void tst_pzItemList::insertPastTheEndAppends_data() {
    QTest::addColumn<unsigned int>("index");
    QTest::newRow("at the end") << 2u;
    QTest::newRow("one past") << 3u;
    QTest::newRow("far past") << 100u;
    QTest::newRow("negative turned unsigned") << unsigned(-1);
}

void tst_pzItemList::insertPastTheEndAppends() {
    QFETCH(unsigned int, index);
    pzItemVList list;
    list.addWidget(fixedWidget("a"));
    list.addSpacing(5);
    QWidget* last = fixedWidget("last");
    list.insertWidget(index, last);
    QCOMPARE(list.size(), 3u);
    QCOMPARE(widgetAt(list, 2), last);
    QCOMPARE(list.widgetVector().last(), last);
    QCOMPARE(last->parentWidget(), &list);
}

void tst_pzItemList::vectorOrderIsHandOverOrder() {
    pzItemVList list;
    QWidget* a = fixedWidget("a");
    QWidget* b = fixedWidget("b");
    QWidget* first = fixedWidget("first");
    list.addWidget(a);
    list.addWidget(b);
    list.insertWidget(0, first);
    QCOMPARE(widgetAt(list, 0), first);
    QCOMPARE(widgetAt(list, 1), a);
    QCOMPARE(list.widgetVector(), (QVector<QWidget*>{a, b, first}));
    QCOMPARE(list.property("mWidgetVector").value<QVector<QWidget*>>(), list.widgetVector());
}

void tst_pzItemList::sizeCountsEveryItem() {
    pzItemVList list;
    list.addWidget(fixedWidget("a"));
    list.addWidget(fixedWidget("b"));
    list.addStretch();
    QCOMPARE(list.size(), 3u);
    list.insertSpacing(0, 4);
    list.addLayout(new QVBoxLayout);
    QCOMPARE(list.size(), 5u);
    QCOMPARE(list.layout()->itemAt(0)->spacerItem()->sizeHint().height(), 4);
    QCOMPARE(list.widgetVector().size(), 2);
}

void tst_pzItemList::removeWidgetOfUnknownWidgetChangesNothing() {
    pzItemVList list;
    QWidget* a = fixedWidget("a");
    list.addWidget(a);
    QWidget stranger;
    list.removeWidget(&stranger);
    QCOMPARE(list.size(), 1u);
    list.removeWidget(a);
    list.removeWidget(a);
    QCOMPARE(list.size(), 0u);
    QVERIFY(list.widgetVector().isEmpty());
}

void tst_pzItemList::removeWidgetKeepsTheWidget() {
    pzItemVList list;
    QPointer<QWidget> a = fixedWidget("a");
    QWidget* b = fixedWidget("b");
    list.addWidget(a);
    list.addWidget(b);
    list.removeWidget(a);
    QCOMPARE(list.widgetVector(), QVector<QWidget*>{b});
    QCOMPARE(widgetAt(list, 0), b);
    QVERIFY(a);
    QCOMPARE(a->parentWidget(), &list);
}

void tst_pzItemList::removeItemPastTheEndChangesNothing_data() {
    QTest::addColumn<unsigned int>("index");
    QTest::newRow("at size") << 2u;
    QTest::newRow("past size") << 7u;
    QTest::newRow("largest") << unsigned(-1);
}

void tst_pzItemList::removeItemPastTheEndChangesNothing() {
    QFETCH(unsigned int, index);
    pzItemVList list;
    list.addWidget(fixedWidget("a"));
    list.addStretch(1);
    list.removeItem(index);
    QCOMPARE(list.size(), 2u);
}

void tst_pzItemList::removeItemLeavesTheWidgetListed() {
    pzItemVList list;
    QPointer<QWidget> a = fixedWidget("a");
    list.addWidget(a);
    list.addSpacing(3);
    list.removeItem(0);
    QCOMPARE(list.size(), 1u);
    QVERIFY(a);
    QCOMPARE(list.widgetVector(), QVector<QWidget*>{a.data()});
    QVERIFY(list.layout()->itemAt(0)->spacerItem());
    list.removeItem(0);
    QCOMPARE(list.size(), 0u);
    // Already out of the layout: clear() only forgets it.
    list.clear();
    QVERIFY(a);
    QVERIFY(list.widgetVector().isEmpty());
}

void tst_pzItemList::removeItemOfNestedLayoutThenClear() {
    pzItemVList list;
    QPointer<QLayout> nested = new QVBoxLayout;
    QPointer<QLayout> kept = new QVBoxLayout;
    list.addLayout(nested);
    list.addLayout(kept);
    list.removeItem(0);
    QVERIFY(!nested);
    QCOMPARE(list.size(), 1u);
    list.clear();
    QCOMPARE(list.size(), 0u);
    QVERIFY(kept);
    // The survivor can be placed again.
    list.addLayout(kept);
    QCOMPARE(list.size(), 1u);
}

void tst_pzItemList::clearEmptiesEverything() {
    pzItemVList list;
    list.clear();
    QCOMPARE(list.size(), 0u);

    QPointer<QWidget> a = fixedWidget("a");
    QPointer<QLayout> nested = new QHBoxLayout;
    list.addWidget(a);
    list.addSpacing(10);
    list.addLayout(nested);
    list.addStretch(2);
    list.clear();
    QCOMPARE(list.size(), 0u);
    QVERIFY(list.widgetVector().isEmpty());
    QVERIFY(a);
    QCOMPARE(a->parentWidget(), &list);
    // Out of the layout, the nested layout is the caller's again.
    QVERIFY(nested);
    QVERIFY(!nested->parent());
    delete nested;
}

void tst_pzItemList::deletedWidgetLeavesTheVector() {
    pzItemVList list;
    QWidget* a = fixedWidget("a");
    QWidget* b = fixedWidget("b");
    list.addWidget(a);
    list.addWidget(b);
    delete a;
    QCOMPARE(list.widgetVector(), QVector<QWidget*>{b});
    QCOMPARE(list.size(), 1u);
    list.clear();
    QCOMPARE(list.size(), 0u);
}

void tst_pzItemList::nullsAreRefused() {
    pzItemVList list;
    list.addWidget(fixedWidget("a"));
    list.addWidget(nullptr);
    list.insertWidget(0, nullptr);
    list.addLayout(nullptr);
    list.insertLayout(0, nullptr);
    list.removeWidget(nullptr);
    QCOMPARE(list.size(), 1u);
    QCOMPARE(list.widgetVector().size(), 1);
}

void tst_pzItemList::widgetAlreadyInTheListIsRefused() {
    pzItemVList list;
    QWidget* a = fixedWidget("a");
    list.addWidget(a);
    list.insertWidget(0, a);
    list.addWidget(a);
    QCOMPARE(list.size(), 1u);
    QCOMPARE(list.widgetVector(), QVector<QWidget*>{a});
}

void tst_pzItemList::forwardingGoesThroughTheVirtuals() {
    ProbeList list;
    list.addWidget(fixedWidget("a"));
    list.insertWidget(9, fixedWidget("b"));
    list.addSpacing(4);
    QCOMPARE(list.widgetInserts, 3); // addWidget, then insertWidget past the end and its append
    QCOMPARE(list.spacingInserts, 1);
}

void tst_pzItemList::entriesTouch_data() {
    QTest::addColumn<bool>("vertical");
    QTest::newRow("vertical") << true;
    QTest::newRow("horizontal") << false;
}

void tst_pzItemList::entriesTouch() {
    QFETCH(bool, vertical);
    QWidget host;
    pzItemList* list = vertical ? static_cast<pzItemList*>(new pzItemVList(&host))
                                : static_cast<pzItemList*>(new pzItemHList(&host));
    for (const char* name : {"a", "b", "c"})
        list->addWidget(fixedWidget(name));
    list->layout()->setSizeConstraint(QLayout::SetFixedSize);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));

    const QVector<QWidget*> widgets = list->widgetVector();
    for (int i = 0; i < widgets.size(); ++i) {
        const QPoint expected = vertical ? QPoint(0, 20 * i) : QPoint(30 * i, 0);
        QCOMPARE(widgets[i]->pos(), expected);
    }
    QCOMPARE(list->QWidget::size(), vertical ? QSize(30, 60) : QSize(90, 20));
}

QTEST_MAIN(tst_pzItemList)
#include "tst_pzItemList.moc"
