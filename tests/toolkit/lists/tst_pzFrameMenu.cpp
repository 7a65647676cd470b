// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzFrameMenu.h"

#include "testHost.h"

#include <QTest>

using namespace testHost;

namespace {

const QColor PageColor(0, 0, 220);
const QColor Shadow(0, 0, 0, 150);

QWidget* page(int width, int height) {
    auto* widget = new QWidget;
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, PageColor);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
    widget->resize(width, height);
    return widget;
}

} // namespace

class tst_pzFrameMenu : public QObject {
    Q_OBJECT

private slots:
    void startsEmpty();
    void sizesItselfToTheWidget_data();
    void sizesItselfToTheWidget();
    void resizeByHandResizesTheHolder();
    void takeWidgetEmpties();
    void nullWidgetChangesNothing();
    void widgetDeletedElsewhereLeavesNoShadow();
    void deletedHolderLeavesAnEmptyFrameMenu();
    void shadowFollowsTheFrameMenu_data();
    void shadowFollowsTheFrameMenu();
};

void tst_pzFrameMenu::startsEmpty() {
    pzFrameMenu frame;
    QCOMPARE(frame.QWidget::size(), QSize(0, 0));
    QCOMPARE(frame.margin(), 2);
    QCOMPARE(frame.property("margin").toInt(), 2);
    QVERIFY(frame.dynamicWidget());
    QCOMPARE(frame.property("dynamicWidget").value<pzDynamicWidget*>(), frame.dynamicWidget());
    QCOMPARE(frame.dynamicWidget()->parentWidget(), &frame);
    QCOMPARE(frame.dynamicWidget()->pos(), QPoint(0, 0));
    QVERIFY(!frame.widget());
}

void tst_pzFrameMenu::sizesItselfToTheWidget_data() {
    QTest::addColumn<QSize>("size");
    QTest::newRow("120 x 80") << QSize(120, 80);
    QTest::newRow("300 x 200") << QSize(300, 200);
}

void tst_pzFrameMenu::sizesItselfToTheWidget() {
    QFETCH(QSize, size);
    Host host;
    pzFrameMenu frame(&host);
    QWidget* inner = page(size.width(), size.height());
    frame.setWidget(inner);
    QCOMPARE(frame.widget(), inner);
    QCOMPARE(frame.QWidget::size(), size + QSize(2, 2));
    QCOMPARE(frame.dynamicWidget()->size(), size);
    QCOMPARE(frame.dynamicWidget()->pos(), QPoint(0, 0));
}

void tst_pzFrameMenu::resizeByHandResizesTheHolder() {
    Host host;
    pzFrameMenu frame(&host);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    frame.resize(50, 40);
    QCOMPARE(frame.dynamicWidget()->size(), QSize(48, 38));
}

void tst_pzFrameMenu::takeWidgetEmpties() {
    pzFrameMenu frame;
    frame.resize(50, 40);
    QVERIFY(!frame.takeWidget());
    QCOMPARE(frame.QWidget::size(), QSize(0, 0));

    QWidget* inner = page(10, 10);
    frame.setWidget(inner);
    QCOMPARE(frame.takeWidget(), inner);
    QCOMPARE(frame.QWidget::size(), QSize(0, 0));
    QVERIFY(!frame.widget());
    QCOMPARE(inner->parentWidget(), frame.dynamicWidget());
}

void tst_pzFrameMenu::nullWidgetChangesNothing() {
    pzFrameMenu frame;
    QWidget* inner = page(10, 10);
    frame.setWidget(inner);
    frame.setWidget(nullptr);
    QCOMPARE(frame.widget(), inner);
    QCOMPARE(frame.QWidget::size(), QSize(12, 12));
}

void tst_pzFrameMenu::widgetDeletedElsewhereLeavesNoShadow() {
    pzFrameMenu frame;
    auto* widget = new QWidget;
    widget->resize(50, 40);
    frame.setWidget(widget);
    delete widget;
    QVERIFY(!frame.widget());
    QCOMPARE(frame.size(), QSize(0, 0));
}

void tst_pzFrameMenu::deletedHolderLeavesAnEmptyFrameMenu() {
    pzFrameMenu frame;
    auto* widget = new QWidget;
    widget->resize(50, 40);
    frame.setWidget(widget);
    frame.show();
    delete frame.dynamicWidget();
    QCOMPARE(frame.dynamicWidget(), nullptr);
    QCOMPARE(frame.widget(), nullptr);
    QCOMPARE(frame.takeWidget(), nullptr);
    QWidget refused(&frame);
    frame.setWidget(&refused);
    frame.resize(80, 60);
    frame.grab();
    QCOMPARE(frame.widget(), nullptr);
}

void tst_pzFrameMenu::shadowFollowsTheFrameMenu_data() {
    QTest::addColumn<QPoint>("position");
    QTest::newRow("at the origin") << QPoint(0, 0);
    QTest::newRow("further in") << QPoint(15, 25);
    QTest::newRow("scrolled up and left") << QPoint(-40, -30);
}

void tst_pzFrameMenu::shadowFollowsTheFrameMenu() {
    QFETCH(QPoint, position);
    Host host;
    pzFrameMenu frame(&host);
    frame.setWidget(page(120, 80));
    frame.move(position);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));

    const QImage image = host.shot();
    const auto at = [&](int x, int y) { return image.pixelColor(position + QPoint(x, y)); };
    const auto seen = [&](int x, int y) { return image.rect().contains(position + QPoint(x, y)); };
    const QColor shadow = onHost(Shadow);
    // Right strip over the full height, bottom strip up to where the right one begins; where
    // they meet the shadow is no darker than elsewhere.
    for (int y : {0, 10, 40, 60, 79, 80, 81}) {
        if (!seen(120, y))
            continue;
        COMPARE_COLOR(at(120, y), shadow);
        COMPARE_COLOR(at(121, y), shadow);
    }
    for (int x : {0, 5, 40, 60, 119}) {
        if (!seen(x, 80))
            continue;
        COMPARE_COLOR(at(x, 80), shadow);
        COMPARE_COLOR(at(x, 81), shadow);
    }
    COMPARE_COLOR(at(119, 79), PageColor);
    COMPARE_COLOR(at(60, 40), PageColor);
    COMPARE_COLOR(at(122, 60), HostColor);
    COMPARE_COLOR(at(60, 82), HostColor);
}

QTEST_MAIN(tst_pzFrameMenu)
#include "tst_pzFrameMenu.moc"
