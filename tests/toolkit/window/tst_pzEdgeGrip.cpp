// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzEdgeGrip.h"

#include "mouseDrag.h"

#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

namespace {

// The handle's place along its side of a 400 x 300 window, between 10-pixel corners.
QRect sideOf(Qt::Edge edge) {
    switch (edge) {
    case Qt::TopEdge:
        return QRect(10, 0, 380, 4);
    case Qt::BottomEdge:
        return QRect(10, 296, 380, 4);
    case Qt::LeftEdge:
        return QRect(0, 10, 4, 280);
    case Qt::RightEdge:
        break;
    }
    return QRect(396, 10, 4, 280);
}

} // namespace

class tst_pzEdgeGrip : public QObject {
    Q_OBJECT

private slots:
    void cursorMatchesEdge_data();
    void cursorMatchesEdge();
    void dragResizesFromItsEdge_data();
    void dragResizesFromItsEdge();
    void leavesWidgetsItKeepsClearOfTheirClicks();
    void refusesCarelessCalls();
    void keptClearOfItselfOrItsChildDiesCleanly();

private:
    QRect startGeometry() const;
};

QRect tst_pzEdgeGrip::startGeometry() const {
    return QRect(QGuiApplication::primaryScreen()->availableGeometry().topLeft() + QPoint(100, 100),
                 QSize(400, 300));
}

void tst_pzEdgeGrip::cursorMatchesEdge_data() {
    QTest::addColumn<Qt::Edge>("edge");
    QTest::addColumn<Qt::CursorShape>("shape");
    QTest::newRow("top") << Qt::TopEdge << Qt::SizeVerCursor;
    QTest::newRow("bottom") << Qt::BottomEdge << Qt::SizeVerCursor;
    QTest::newRow("left") << Qt::LeftEdge << Qt::SizeHorCursor;
    QTest::newRow("right") << Qt::RightEdge << Qt::SizeHorCursor;
}

void tst_pzEdgeGrip::cursorMatchesEdge() {
    QFETCH(Qt::Edge, edge);
    QFETCH(Qt::CursorShape, shape);
    QWidget window;
    pzEdgeGrip grip(edge, &window);
    QCOMPARE(grip.edge(), edge);
    QCOMPARE(grip.cursor().shape(), shape);
}

void tst_pzEdgeGrip::dragResizesFromItsEdge_data() {
    QTest::addColumn<Qt::Edge>("edge");
    QTest::addColumn<QPoint>("drag");
    QTest::addColumn<QRect>("expected");
    // Offsets from the window's start (100, 100) in the available area, 400 x 300, whose
    // minimum size is 300 x 250. Each drag goes half way first: the size follows the pointer
    // from the press, not from the previous step.
    QTest::newRow("top") << Qt::TopEdge << QPoint(-20, 30) << QRect(100, 130, 400, 270);
    QTest::newRow("bottom") << Qt::BottomEdge << QPoint(-20, 30) << QRect(100, 100, 400, 330);
    QTest::newRow("left") << Qt::LeftEdge << QPoint(-20, 30) << QRect(80, 100, 420, 300);
    QTest::newRow("right") << Qt::RightEdge << QPoint(-20, 30) << QRect(100, 100, 380, 300);
    QTest::newRow("top to the minimum")
        << Qt::TopEdge << QPoint(0, 200) << QRect(100, 150, 400, 250);
    QTest::newRow("bottom to the minimum")
        << Qt::BottomEdge << QPoint(0, -200) << QRect(100, 100, 400, 250);
    QTest::newRow("left to the minimum")
        << Qt::LeftEdge << QPoint(200, 0) << QRect(200, 100, 300, 300);
    QTest::newRow("right to the minimum")
        << Qt::RightEdge << QPoint(-200, 0) << QRect(100, 100, 300, 300);
    QTest::newRow("left past the available area")
        << Qt::LeftEdge << QPoint(-5000, 0) << QRect(0, 100, 500, 300);
    QTest::newRow("top past the available area")
        << Qt::TopEdge << QPoint(0, -5000) << QRect(100, 0, 400, 400);
}

void tst_pzEdgeGrip::dragResizesFromItsEdge() {
    QFETCH(Qt::Edge, edge);
    QFETCH(QPoint, drag);
    QFETCH(QRect, expected);
    const QRect start = startGeometry();
    QWidget window;
    window.setMinimumSize(300, 250);
    window.setGeometry(start);
    auto* grip = new pzEdgeGrip(edge, &window);
    grip->setGeometry(sideOf(edge));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    const QPoint press = grip->mapToGlobal(grip->rect().center());
    mouseDrag::dragBy(grip, press, drag);
    QTRY_COMPARE(window.geometry(), expected.translated(start.topLeft() - QPoint(100, 100)));

    // Released: later moves leave the window alone.
    const QRect resized = window.geometry();
    mouseDrag::send(grip, QEvent::MouseMove, press + drag + QPoint(15, 15));
    QCOMPARE(window.geometry(), resized);
}

void tst_pzEdgeGrip::leavesWidgetsItKeepsClearOfTheirClicks() {
    QWidget window;
    window.setGeometry(startGeometry());
    auto* button = new QPushButton(&window);
    button->setGeometry(50, 2, 40, 20);
    // Above the button, as the window's grips lie above its other children.
    auto* grip = new pzEdgeGrip(Qt::TopEdge, &window);
    grip->setGeometry(sideOf(Qt::TopEdge));
    grip->keepClearOf(button);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy clicks(button, &QAbstractButton::clicked);

    // A click routed by the window, as the window system would deliver it.
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, QPoint(60, 2));
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(window.childAt(60, 2), button);
    QCOMPARE(window.childAt(40, 2), grip);
    QCOMPARE(window.childAt(60, 1), grip);

    // The cut-out follows the widget.
    button->move(200, 2);
    QCOMPARE(window.childAt(60, 2), grip);
    QCOMPARE(window.childAt(210, 3), button);
    button->hide();
    QCOMPARE(window.childAt(210, 3), grip);
    button->show();
    delete button;
    QCOMPARE(window.childAt(210, 3), grip);
}

// No widget, one of another window, one that leaves the window, a value that is no side:
// nothing is cut out, nothing resizes.
void tst_pzEdgeGrip::refusesCarelessCalls() {
    QWidget window;
    QWidget other;
    window.setGeometry(startGeometry());
    auto* grip = new pzEdgeGrip(Qt::TopEdge, &window);
    grip->setGeometry(sideOf(Qt::TopEdge));
    auto* leaving = new QWidget(&window);
    grip->keepClearOf(nullptr);
    grip->keepClearOf(new QWidget(&other));
    grip->keepClearOf(leaving);
    leaving->setParent(&other);
    leaving->move(20, 0);
    leaving->setParent(nullptr, Qt::Window);
    leaving->show();
    QCOMPARE(grip->mask(), QRegion());
    delete leaving;

    auto* noSide = new pzEdgeGrip(Qt::Edge(64), &window);
    noSide->setGeometry(sideOf(Qt::TopEdge));
    const QRect before = window.geometry();
    mouseDrag::dragBy(noSide, noSide->mapToGlobal(QPoint(20, 2)), QPoint(0, 30));
    QCOMPARE(window.geometry(), before);
}

// QWidget's destructor deletes the children and emits destroyed() after the grip's own
// destructor has run.
void tst_pzEdgeGrip::keptClearOfItselfOrItsChildDiesCleanly() {
    QWidget window;
    auto* grip = new pzEdgeGrip(Qt::TopEdge, &window);
    grip->keepClearOf(grip);
    grip->keepClearOf(new QWidget(grip));
    delete grip;
    QVERIFY(window.children().isEmpty());
}

QTEST_MAIN(tst_pzEdgeGrip)
#include "tst_pzEdgeGrip.moc"
