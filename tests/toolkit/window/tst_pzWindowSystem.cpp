// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzBox.h"
#include "pzBoxTop.h"
#include "pzEdgeGrip.h"
#include "pzSizeGrip.h"
#include "pzWindowSystem_p.h"

#include "mouseDrag.h"

#include <QScreen>
#include <QTest>
#include <QWindow>

namespace {

using mouseDrag::dragBy;
using mouseDrag::send;

struct Request {
    QWindow* window;
    Qt::Edges edges;
};

} // namespace

// The title bar and the grips on a platform where only the window system may move windows,
// forced on the offscreen platform, with the window system's answer played by the test.
class tst_pzWindowSystem : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void askedOnlyWhereWindowsCannotBePlaced();
    void titleBarDragHandedOver();
    void refusedMoveFallsBackToOwnDrag();
    void gripsHandResizingOver_data();
    void gripsHandResizingOver();
    void refusedResizeFallsBackToOwnResize_data();
    void refusedResizeFallsBackToOwnResize();
    void platformWithoutSystemMovesStillDrags();

private:
    void answer(bool accepted);
    QWidget* gripAt(pzBox& box, const QString& which);

    QList<Request> requests;
    QRect startGeometry;
};

void tst_pzWindowSystem::init() {
    requests.clear();
    startGeometry =
        QRect(QGuiApplication::primaryScreen()->availableGeometry().topLeft() + QPoint(100, 100),
              QSize(400, 300));
    pzWindowSystem::setMovesWindowsOverride(true);
    answer(true);
}

void tst_pzWindowSystem::cleanup() {
    pzWindowSystem::setMovesWindowsOverride(std::nullopt);
    pzWindowSystem::setStarter({});
}

void tst_pzWindowSystem::answer(bool accepted) {
    pzWindowSystem::setStarter([this, accepted](QWindow* window, Qt::Edges edges) {
        requests.append({window, edges});
        return accepted;
    });
}

QWidget* tst_pzWindowSystem::gripAt(pzBox& box, const QString& which) {
    const QMap<QString, QPoint> places{{"top left", {0, 0}},      {"top right", {390, 0}},
                                       {"bottom left", {0, 290}}, {"bottom right", {390, 290}},
                                       {"top", {200, 0}},         {"bottom", {200, 296}},
                                       {"left", {0, 150}},        {"right", {396, 150}}};
    for (QWidget* child : box.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if ((qobject_cast<pzSizeGrip*>(child) || qobject_cast<pzEdgeGrip*>(child)) &&
            child->geometry().contains(places.value(which)))
            return child;
    return nullptr;
}

void tst_pzWindowSystem::askedOnlyWhereWindowsCannotBePlaced() {
    pzWindowSystem::setMovesWindowsOverride(std::nullopt);
    QCOMPARE(pzWindowSystem::movesWindows(), false);
    QWidget widget;
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
    QVERIFY(!pzWindowSystem::startDrag(&widget, {}, QPoint()));
    QVERIFY(requests.isEmpty());

    pzWindowSystem::setMovesWindowsOverride(true);
    QVERIFY(pzWindowSystem::startDrag(&widget, Qt::LeftEdge, QPoint()));
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests.first().window, widget.windowHandle());
    QCOMPARE(requests.first().edges, Qt::Edges(Qt::LeftEdge));
}

void tst_pzWindowSystem::titleBarDragHandedOver() {
    pzBox box;
    box.setGeometry(startGeometry);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    pzBoxTop* top = box.findChild<pzBoxTop*>();
    const QPoint press = top->mapToGlobal(QPoint(top->width() / 2, top->height() / 2));

    // A press alone hands nothing over, so that a double click stays the box's.
    send(&box, QEvent::MouseButtonPress, press);
    QVERIFY(requests.isEmpty());
    send(&box, QEvent::MouseButtonRelease, press);

    dragBy(&box, press, QPoint(60, 40));
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests.first().window, box.windowHandle());
    QCOMPARE(requests.first().edges, Qt::Edges());
    QCOMPARE(box.geometry(), startGeometry);
}

void tst_pzWindowSystem::refusedMoveFallsBackToOwnDrag() {
    answer(false);
    pzBox box;
    box.setGeometry(startGeometry);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    const QPoint press = box.mapToGlobal(QPoint(200, 12));
    dragBy(&box, press, QPoint(60, 40));
    // Asked once for the whole drag, not at every step.
    QCOMPARE(requests.size(), 1);
    QCOMPARE(box.pos(), startGeometry.topLeft() + QPoint(60, 40));
}

void tst_pzWindowSystem::gripsHandResizingOver_data() {
    QTest::addColumn<QString>("grip");
    QTest::addColumn<Qt::Edges>("edges");
    QTest::newRow("top left") << "top left" << (Qt::TopEdge | Qt::LeftEdge);
    QTest::newRow("top right") << "top right" << (Qt::TopEdge | Qt::RightEdge);
    QTest::newRow("bottom left") << "bottom left" << (Qt::BottomEdge | Qt::LeftEdge);
    QTest::newRow("bottom right") << "bottom right" << (Qt::BottomEdge | Qt::RightEdge);
    QTest::newRow("top") << "top" << Qt::Edges(Qt::TopEdge);
    QTest::newRow("bottom") << "bottom" << Qt::Edges(Qt::BottomEdge);
    QTest::newRow("left") << "left" << Qt::Edges(Qt::LeftEdge);
    QTest::newRow("right") << "right" << Qt::Edges(Qt::RightEdge);
}

void tst_pzWindowSystem::gripsHandResizingOver() {
    QFETCH(QString, grip);
    QFETCH(Qt::Edges, edges);
    pzBox box;
    box.setGeometry(startGeometry);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QWidget* target = gripAt(box, grip);
    QVERIFY(target);

    dragBy(target, target->mapToGlobal(target->rect().center()), QPoint(-30, 30));
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests.first().window, box.windowHandle());
    QCOMPARE(requests.first().edges, edges);
    QCOMPARE(box.geometry(), startGeometry);
}

void tst_pzWindowSystem::refusedResizeFallsBackToOwnResize_data() {
    QTest::addColumn<QString>("grip");
    QTest::addColumn<QRect>("expected");
    // Offsets from the start (100, 100), 400 x 300, after a drag by (30, 20).
    QTest::newRow("bottom right corner") << "bottom right" << QRect(100, 100, 430, 320);
    QTest::newRow("left side") << "left" << QRect(130, 100, 370, 300);
}

void tst_pzWindowSystem::refusedResizeFallsBackToOwnResize() {
    QFETCH(QString, grip);
    QFETCH(QRect, expected);
    answer(false);
    pzBox box;
    box.setGeometry(startGeometry);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QWidget* target = gripAt(box, grip);
    dragBy(target, target->mapToGlobal(target->rect().center()), QPoint(30, 20));
    QCOMPARE(requests.size(), 1);
    QTRY_COMPARE(box.geometry(), expected.translated(startGeometry.topLeft() - QPoint(100, 100)));
}

// The forced path with QWindow's own calls: the offscreen platform refuses them, and the box
// drags by itself.
void tst_pzWindowSystem::platformWithoutSystemMovesStillDrags() {
    pzWindowSystem::setStarter({});
    pzBox box;
    box.setGeometry(startGeometry);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    dragBy(&box, box.mapToGlobal(QPoint(200, 12)), QPoint(60, 40));
    QCOMPARE(box.pos(), startGeometry.topLeft() + QPoint(60, 40));
    QWidget* right = gripAt(box, "right");
    dragBy(right, right->mapToGlobal(right->rect().center()), QPoint(30, 0));
    QTRY_COMPARE(box.width(), 430);
}

QTEST_MAIN(tst_pzWindowSystem)
#include "tst_pzWindowSystem.moc"
