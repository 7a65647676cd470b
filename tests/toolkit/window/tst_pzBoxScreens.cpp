// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzBox.h"

#include <QScreen>
#include <QTest>

// Runs on an offscreen desktop of two screens (two-screens.json): the primary one does not
// start at the origin, and the other one does.
class tst_pzBoxScreens : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void centresOnPrimaryBeforeFirstShow();
    void maximizesOnItsOwnScreen_data();
    void maximizesOnItsOwnScreen();
    void dragFollowsPointerAcrossScreens();
    void restoreFromLostScreenStaysOnItsScreen_data();
    void restoreFromLostScreenStaysOnItsScreen();

private:
    QScreen* primary = nullptr;
    QScreen* side = nullptr;
};

void tst_pzBoxScreens::initTestCase() {
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (screens.size() != 2)
        QSKIP("the offscreen platform was not given the two-screen configuration");
    primary = QGuiApplication::primaryScreen();
    side = screens.at(0) == primary ? screens.at(1) : screens.at(0);
    QCOMPARE(primary->availableGeometry(), QRect(1000, 300, 800, 600));
    QCOMPARE(side->availableGeometry(), QRect(0, 0, 1000, 900));
}

void tst_pzBoxScreens::centresOnPrimaryBeforeFirstShow() {
    pzBox box;
    box.resize(400, 300);
    box.centerOnScreen();
    QCOMPARE(box.geometry().center(), primary->availableGeometry().center());
}

void tst_pzBoxScreens::maximizesOnItsOwnScreen_data() {
    QTest::addColumn<bool>("onPrimary");
    QTest::newRow("primary") << true;
    QTest::newRow("side") << false;
}

void tst_pzBoxScreens::maximizesOnItsOwnScreen() {
    QFETCH(bool, onPrimary);
    QScreen* screen = onPrimary ? primary : side;
    pzBox box;
    box.setScreen(screen);
    const QRect normal(screen->availableGeometry().topLeft() + QPoint(30, 40), QSize(320, 200));
    box.setGeometry(normal);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QCOMPARE(box.screen(), screen);

    box.showMaximized();
    QCOMPARE(box.geometry(), screen->availableGeometry());
    box.showNormal();
    QCOMPARE(box.geometry(), normal);
}

void tst_pzBoxScreens::dragFollowsPointerAcrossScreens() {
    pzBox box;
    box.setScreen(primary);
    box.setGeometry(QRect(1050, 350, 320, 200));
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    const QPoint press(1100, 360);
    auto send = [&](QEvent::Type type, const QPoint& global) {
        QMouseEvent event(type, QPointF(box.mapFromGlobal(global)), QPointF(global),
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(&box, &event);
    };
    send(QEvent::MouseButtonPress, press);
    send(QEvent::MouseMove, QPoint(900, 360));
    QCOMPARE(box.pos(), QPoint(850, 350));
    // Between the screens' areas lies no screen: such positions are ignored.
    send(QEvent::MouseMove, QPoint(1500, 950));
    QCOMPARE(box.pos(), QPoint(850, 350));
}

void tst_pzBoxScreens::restoreFromLostScreenStaysOnItsScreen_data() {
    maximizesOnItsOwnScreen_data();
}

// A saved place off both screens stands for a third screen that went away while the window was
// maximized: the window comes back on the screen it is on, not on the primary one.
void tst_pzBoxScreens::restoreFromLostScreenStaysOnItsScreen() {
    QFETCH(bool, onPrimary);
    QScreen* screen = onPrimary ? primary : side;
    pzBox box;
    box.setScreen(screen);
    box.setGeometry(QRect(QPoint(-4000, 200), QSize(320, 200)));
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QCOMPARE(box.screen(), screen);

    box.showMaximized();
    box.showNormal();
    const QRect area = screen->availableGeometry();
    QCOMPARE(box.geometry(), QRect(area.center() - QPoint(159, 99), QSize(320, 200)));
}

QTEST_MAIN(tst_pzBoxScreens)
#include "tst_pzBoxScreens.moc"
