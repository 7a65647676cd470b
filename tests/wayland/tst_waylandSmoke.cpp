// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzBoxTop.h"
#include "pzEdgeGrip.h"
#include "pzWindowSystem_p.h"
#include "rvMainBox.h"

#include "mouseDrag.h"

#include <QRegularExpression>
#include <QTest>
#include <QWindow>

// The program's window on Qt's Wayland platform, run by wayland_smoke.sh on a headless
// compositor. The compositor has no input devices: clicks go straight to the widgets, and
// the compositor refuses to start moves and resizes, which the toolkit then does by itself.
class tst_waylandSmoke : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void mainWindowShowsAndClosesFromItsButton();
    void dragsAskTheCompositor();

private:
    QList<Qt::Edges> requests;
};

void tst_waylandSmoke::initTestCase() {
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        QSKIP("not on a Wayland platform; wayland_smoke.sh runs this suite on one");
    QVERIFY(pzWindowSystem::movesWindows());
}

void tst_waylandSmoke::init() {
    // Wayland refuses what it does not support with a warning; none may come.
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
    requests.clear();
    pzWindowSystem::setStarter([this](QWindow* window, Qt::Edges edges) {
        requests.append(edges);
        return edges ? window->startSystemResize(edges) : window->startSystemMove();
    });
}

void tst_waylandSmoke::cleanup() {
    pzWindowSystem::setStarter({});
}

void tst_waylandSmoke::mainWindowShowsAndClosesFromItsButton() {
    rvMainBox box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QCOMPARE(box.windowHandle()->title(), QStringLiteral("Verrin - Oren Vale"));
    QVERIFY(box.panel()->isVisible());

    box.showMaximized();
    QVERIFY(box.isMaximized());
    box.showNormal();
    QVERIFY(!box.isMaximized());

    QTest::mouseClick(box.findChild<pzBoxTop*>()->closeButton(), Qt::LeftButton);
    QTRY_VERIFY(!box.isVisible());
    QVERIFY(!box.windowHandle() || !box.windowHandle()->isExposed());
}

void tst_waylandSmoke::dragsAskTheCompositor() {
    rvMainBox box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    mouseDrag::dragBy(&box, box.mapToGlobal(QPoint(box.width() / 2, 12)), QPoint(40, 30));
    pzEdgeGrip* right = nullptr;
    for (pzEdgeGrip* grip : box.findChildren<pzEdgeGrip*>())
        if (grip->edge() == Qt::RightEdge)
            right = grip;
    QVERIFY(right);
    mouseDrag::dragBy(right, right->mapToGlobal(QPoint(2, 100)), QPoint(30, 0));
    QCOMPARE(requests, QList<Qt::Edges>({Qt::Edges(), Qt::Edges(Qt::RightEdge)}));
    QVERIFY(box.isVisible());
}

QTEST_MAIN(tst_waylandSmoke)
#include "tst_waylandSmoke.moc"
