// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzBox.h"

#include "pzBoxTop.h"
#include "pzSizeGrip.h"
#include "pzWindowSystem_p.h"

#include <QApplication>
#include <QScreen>
#include <QTest>

// The box's window state where it places its window itself (X11) and where only the window
// system maximizes and restores windows (Wayland), forced on the offscreen platform, which
// carries out window states as a compositor would.
class tst_pzBoxWindowState : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void windowSystemKeepsTheGeometry();
    void fullScreenCountsAsMaximized_data();
    void fullScreenCountsAsMaximized();
    void firstShowFitsTheAvailableArea_data();
    void firstShowFitsTheAvailableArea();
    void titleBarButtonsTakeNoFocusFromClicks();
    void restoreKeepsAWindowPartlyOffTheScreen_data();
    void restoreKeepsAWindowPartlyOffTheScreen();
};

namespace {

QRect available() {
    return QGuiApplication::primaryScreen()->availableGeometry();
}

bool gripsShown(pzBox& box) {
    return box.findChild<pzSizeGrip*>()->isVisible();
}

} // namespace

void tst_pzBoxWindowState::cleanup() {
    pzWindowSystem::setPlacesWindowsOverride(std::nullopt);
}

void tst_pzBoxWindowState::windowSystemKeepsTheGeometry() {
    pzWindowSystem::setPlacesWindowsOverride(false);
    pzBox box;
    box.resize(500, 400);
    box.centerOnScreen();
    QVERIFY(!box.testAttribute(Qt::WA_Moved));
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    const QRect normal = box.geometry();

    box.toggleWindow();
    QVERIFY(box.windowState().testFlag(Qt::WindowMaximized));
    QVERIFY(box.isMaximized());
    QVERIFY(!gripsShown(box));
    QTRY_COMPARE(box.geometry(), available());
    box.toggleWindow();
    QCOMPARE(box.windowState(), Qt::WindowNoState);
    QVERIFY(!box.isMaximized());
    QVERIFY(gripsShown(box));
    QTRY_COMPARE(box.geometry(), normal);
}

void tst_pzBoxWindowState::fullScreenCountsAsMaximized_data() {
    QTest::addColumn<bool>("placesWindows");
    QTest::newRow("box places its window") << true;
    QTest::newRow("window system places it") << false;
}

void tst_pzBoxWindowState::fullScreenCountsAsMaximized() {
    QFETCH(bool, placesWindows);
    pzWindowSystem::setPlacesWindowsOverride(placesWindows);
    pzBox box;
    const QRect normal(available().topLeft() + QPoint(40, 30), QSize(500, 400));
    box.setGeometry(normal);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));

    // As the window system sets it.
    box.setWindowState(Qt::WindowFullScreen);
    QVERIFY(box.isMaximized());
    QVERIFY(!gripsShown(box));
    box.showMaximized();
    QCOMPARE(box.windowState(), Qt::WindowFullScreen);

    box.toggleWindow();
    QVERIFY(!box.isMaximized());
    QVERIFY(gripsShown(box));
    QTRY_COMPARE(box.geometry(), normal);
    box.toggleWindow();
    QTRY_COMPARE(box.geometry(), available());
}

void tst_pzBoxWindowState::firstShowFitsTheAvailableArea_data() {
    QTest::addColumn<bool>("placed");
    QTest::newRow("placed by the program") << true;
    QTest::newRow("left to the window manager") << false;
}

void tst_pzBoxWindowState::firstShowFitsTheAvailableArea() {
    QFETCH(bool, placed);
    pzBox box;
    box.resize(available().size() + QSize(300, 200));
    if (placed)
        box.centerOnScreen();
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QCOMPARE(box.size(), available().size());
    if (placed)
        QCOMPARE(box.pos(), available().topLeft());
}

void tst_pzBoxWindowState::titleBarButtonsTakeNoFocusFromClicks() {
    pzBox box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QApplication::setActiveWindow(&box);
    pzBoxTop* top = box.findChild<pzBoxTop*>();
    QWidget* focused = QApplication::focusWidget();
    QTest::mouseClick(top->minimizeButton(), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), focused);
    QTest::keyClick(&box, Qt::Key_Tab);
    QVERIFY(QApplication::focusWidget() != focused);
    QVERIFY(top->isAncestorOf(QApplication::focusWidget()));
}

void tst_pzBoxWindowState::restoreKeepsAWindowPartlyOffTheScreen_data() {
    QTest::addColumn<QPoint>("position");
    const QRect area = available();
    QTest::newRow("over the bottom right corner") << area.bottomRight() - QPoint(100, 100);
    QTest::newRow("title bar above the top left") << area.topLeft() - QPoint(100, 50);
}

// Where the screens stayed as they were, the window comes back exactly where the user left it.
void tst_pzBoxWindowState::restoreKeepsAWindowPartlyOffTheScreen() {
    QFETCH(QPoint, position);
    pzBox box;
    box.resize(400, 300);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    box.move(position);
    const QRect normal = box.geometry();
    box.showMaximized();
    QCOMPARE(box.geometry(), available());
    box.showNormal();
    QCOMPARE(box.geometry(), normal);
}

QTEST_MAIN(tst_pzBoxWindowState)
#include "tst_pzBoxWindowState.moc"
