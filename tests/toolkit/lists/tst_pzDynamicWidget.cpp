// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzDynamicWidget.h"

#include <QLayout>
#include <QPointer>
#include <QTest>

namespace {

QWidget* sized(int width, int height) {
    auto* widget = new QWidget;
    widget->resize(width, height);
    return widget;
}

} // namespace

class tst_pzDynamicWidget : public QObject {
    Q_OBJECT

private slots:
    void startsEmptyAndFrameless();
    void setNullChangesNothing();
    void setWidgetTakesItsSize_data();
    void setWidgetTakesItsSize();
    void replacedWidgetStaysAChild();
    void takeWidget();
    void innerWidgetGoesWithTheHolder();
    void innerWidgetDeletedElsewhereCountsAsNone();
};

void tst_pzDynamicWidget::startsEmptyAndFrameless() {
    pzDynamicWidget holder;
    QVERIFY(!holder.widget());
    QCOMPARE(holder.frameStyle(), int(QFrame::NoFrame));
    QCOMPARE(holder.layout()->contentsMargins(), QMargins());
    QVERIFY(!holder.takeWidget());
}

void tst_pzDynamicWidget::setNullChangesNothing() {
    pzDynamicWidget holder;
    holder.resize(33, 44);
    QWidget* inner = sized(10, 10);
    holder.setWidget(inner);
    holder.setWidget(nullptr);
    QCOMPARE(holder.widget(), inner);
    QCOMPARE(holder.size(), QSize(10, 10));
    QCOMPARE(holder.layout()->count(), 1);
}

void tst_pzDynamicWidget::setWidgetTakesItsSize_data() {
    QTest::addColumn<QSize>("size");
    QTest::newRow("120 x 80") << QSize(120, 80);
    QTest::newRow("300 x 200") << QSize(300, 200);
}

void tst_pzDynamicWidget::setWidgetTakesItsSize() {
    QFETCH(QSize, size);
    pzDynamicWidget holder;
    QWidget* inner = sized(size.width(), size.height());
    holder.setWidget(inner);
    QCOMPARE(holder.size(), size);
    QCOMPARE(holder.widget(), inner);
    QCOMPARE(holder.property("widget").value<QWidget*>(), inner);
    QCOMPARE(inner->parentWidget(), &holder);
}

void tst_pzDynamicWidget::replacedWidgetStaysAChild() {
    QWidget host;
    host.resize(100, 100);
    pzDynamicWidget holder(&host);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QPointer<QWidget> first = sized(50, 50);
    holder.setWidget(first);
    QTRY_VERIFY(first->isVisible());
    QWidget* second = sized(70, 20);
    holder.setWidget(second);
    QVERIFY(first);
    QVERIFY(first->isVisible());
    QCOMPARE(first->parentWidget(), &holder);
    QCOMPARE(holder.widget(), second);
    QCOMPARE(holder.layout()->count(), 1);
    QCOMPARE(holder.layout()->indexOf(first), -1);
}

void tst_pzDynamicWidget::takeWidget() {
    pzDynamicWidget holder;
    QPointer<QWidget> inner = sized(20, 20);
    holder.setWidget(inner);
    QCOMPARE(holder.takeWidget(), inner.data());
    QVERIFY(!holder.widget());
    QCOMPARE(holder.layout()->count(), 0);
    QVERIFY(inner);
    QCOMPARE(inner->parentWidget(), &holder);
    QVERIFY(!holder.takeWidget());
}

void tst_pzDynamicWidget::innerWidgetGoesWithTheHolder() {
    auto* holder = new pzDynamicWidget;
    QPointer<QWidget> inner = sized(20, 20);
    holder->setWidget(inner);
    delete holder;
    QVERIFY(!inner);
}

void tst_pzDynamicWidget::innerWidgetDeletedElsewhereCountsAsNone() {
    pzDynamicWidget holder;
    QWidget* inner = sized(20, 20);
    holder.setWidget(inner);
    delete inner;
    QVERIFY(!holder.widget());
    QVERIFY(!holder.takeWidget());
    QWidget* next = sized(30, 30);
    holder.setWidget(next);
    QCOMPARE(holder.widget(), next);
}

QTEST_MAIN(tst_pzDynamicWidget)
#include "tst_pzDynamicWidget.moc"
