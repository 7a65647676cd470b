// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzBoxPanel.h"

#include "pzBox.h"
#include "pzMenu.h"
#include "pzScrollArea.h"
#include "pzSplitter.h"
#include "pzSplitterHandle.h"

#include <QLayout>
#include <QTest>

namespace {

pzSplitter* splitterOf(pzBoxPanel& panel) {
    return panel.findChild<pzSplitter*>(QString(), Qt::FindDirectChildrenOnly);
}

} // namespace

class tst_pzBoxPanel : public QObject {
    Q_OBJECT

private slots:
    void parts();
    void listStartsAt150_data();
    void listStartsAt150();
    void onlyPageAreaGrows();
    void handleCannotCollapseEitherSide_data();
    void handleCannotCollapseEitherSide();
    void boxPanelKeepsListWidth();
};

void tst_pzBoxPanel::parts() {
    pzBoxPanel panel;
    pzSplitter* splitter = splitterOf(panel);
    QVERIFY(splitter);
    QCOMPARE(splitter->orientation(), Qt::Horizontal);
    QCOMPARE(splitter->count(), 2);
    QCOMPARE(splitter->widget(0), panel.list());
    QVERIFY(panel.list()->inherits("pzMenu"));
    QCOMPARE(panel.property("list").value<pzListWidget*>(), panel.list());
    auto* pageArea = qobject_cast<pzScrollArea*>(splitter->widget(1));
    QVERIFY(pageArea);
    // The menu shows its pages in that area.
    QVERIFY(pageArea->widget());
    QVERIFY(pageArea->widget()->inherits("pzFrameMenu"));
    QVERIFY(qobject_cast<pzSplitterHandle*>(splitter->handle(1)));
    QCOMPARE(panel.layout()->contentsMargins(), QMargins());
}

void tst_pzBoxPanel::listStartsAt150_data() {
    QTest::addColumn<int>("width");
    QTest::newRow("narrow") << 400;
    QTest::newRow("wide") << 1000;
}

void tst_pzBoxPanel::listStartsAt150() {
    QFETCH(int, width);
    pzBoxPanel panel;
    panel.resize(width, 300);
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    pzSplitter* splitter = splitterOf(panel);
    QCOMPARE(panel.list()->geometry().x(), 0);
    QCOMPARE(panel.list()->width(), 150);
    QCOMPARE(splitter->widget(1)->width(), width - 150 - splitter->handleWidth());
}

void tst_pzBoxPanel::onlyPageAreaGrows() {
    pzBoxPanel panel;
    panel.resize(600, 300);
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    QWidget* pageArea = splitterOf(panel)->widget(1);
    const int pageWidth = pageArea->width();

    panel.resize(900, 300);
    QTRY_COMPARE(pageArea->width(), pageWidth + 300);
    QCOMPARE(panel.list()->width(), 150);

    panel.resize(500, 300);
    QTRY_COMPARE(pageArea->width(), pageWidth - 100);
    QCOMPARE(panel.list()->width(), 150);
}

void tst_pzBoxPanel::handleCannotCollapseEitherSide_data() {
    QTest::addColumn<int>("target");
    QTest::newRow("far left") << -500;
    QTest::newRow("far right") << 2000;
}

void tst_pzBoxPanel::handleCannotCollapseEitherSide() {
    QFETCH(int, target);
    pzBoxPanel panel;
    panel.resize(600, 300);
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    pzSplitter* splitter = splitterOf(panel);
    QSplitterHandle* handle = splitter->handle(1);
    const QPoint grab(handle->width() / 2, 100);

    QTest::mousePress(handle, Qt::LeftButton, {}, grab);
    QMouseEvent move(QEvent::MouseMove, QPointF(grab.x() + target - handle->x(), grab.y()),
                     handle->mapToGlobal(QPointF(grab.x() + target - handle->x(), grab.y())),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(handle, &move);
    QTest::mouseRelease(handle, Qt::LeftButton, {}, grab);

    QVERIFY2(panel.list()->width() > 0, "the menu list collapsed");
    QVERIFY2(splitter->widget(1)->width() > 0, "the page area collapsed");
    QVERIFY(panel.list()->isVisible());
    QVERIFY(splitter->widget(1)->isVisible());
}

void tst_pzBoxPanel::boxPanelKeepsListWidth() {
    pzBox box;
    box.resize(900, 644);
    box.togglePanel();
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QCOMPARE(box.panel()->list()->width(), 150);
    box.resize(1200, 700);
    QTRY_COMPARE(box.panel()->width(), 1196);
    QCOMPARE(box.panel()->list()->width(), 150);
}

QTEST_MAIN(tst_pzBoxPanel)
#include "tst_pzBoxPanel.moc"
