// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "mouseDrag.h"
#include "pzBoxTop.h"
#include "pzEdgeGrip.h"
#include "pzListItem.h"
#include "pzSizeGrip.h"
#include "rvAbout.h"
#include "rvMainBox.h"
#include "rvMainPage.h"

#include <QMouseEvent>
#include <QScreen>
#include <QTest>

#include <functional>
#include <random>

// Thousands of random user actions on the real main window, with the window's promises checked
// after each one. VERRIN_MONKEY_ACTIONS sets the number of actions (default 10000),
// VERRIN_MONKEY_SEED replays a run; the seed is printed at the start.
class tst_monkey : public QObject {
    Q_OBJECT

private slots:
    void randomUse();

private:
    struct Action {
        const char* name;
        int weight;
        std::function<void()> run;
    };

    QList<Action> actions();
    int randomInt(int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(mRandom);
    }
    QPoint randomPointIn(const QRect& rect);
    QPoint randomGlobalPoint();

    void click(QWidget* widget);
    void doubleClick(QWidget* widget);
    void reopen();
    void dragTitleBar();
    void dragGrip();
    void checkDragStep(const QPoint& globalPos, const QPoint& windowBefore);
    void settle();
    void checkPromises();

    std::mt19937 mRandom;
    rvMainBox* mBox = nullptr;
    pzBoxTop* mTop = nullptr;
    pzListItem* mAbout = nullptr;
    pzListItem* mExit = nullptr;
    rvMainPage* mPage = nullptr;
    QImage mMaximizeIcon;
    QImage mRestoreIcon;
};

namespace {

quint32 seedFromEnvironment() {
    bool ok = false;
    const quint32 seed = qEnvironmentVariable("VERRIN_MONKEY_SEED").toUInt(&ok);
    return ok ? seed : std::random_device()();
}

int actionCount() {
    bool ok = false;
    const int count = qEnvironmentVariable("VERRIN_MONKEY_ACTIONS").toInt(&ok);
    return ok && count > 0 ? count : 10000;
}

QImage iconImage(const QIcon& icon) {
    return icon.pixmap(QSize(23, 22)).toImage().convertToFormat(QImage::Format_ARGB32);
}

bool inAvailableArea(const QPoint& globalPos) {
    const QScreen* screen = QGuiApplication::screenAt(globalPos);
    return screen && screen->availableGeometry().contains(globalPos);
}

} // namespace

QPoint tst_monkey::randomPointIn(const QRect& rect) {
    return QPoint(randomInt(rect.left(), rect.right()), randomInt(rect.top(), rect.bottom()));
}

// Anywhere around the screen, including well outside its available area.
QPoint tst_monkey::randomGlobalPoint() {
    const QRect area = mBox->screen()->availableGeometry();
    return randomPointIn(area.adjusted(-200, -200, 200, 200));
}

// Only what the user can see can be clicked.
void tst_monkey::click(QWidget* widget) {
    if (!widget->isVisible())
        return;
    QTest::mouseClick(widget, Qt::LeftButton, {}, randomPointIn(widget->rect()));
}

void tst_monkey::doubleClick(QWidget* widget) {
    if (!widget->isVisible())
        return;
    const QPoint at = randomPointIn(widget->rect());
    // As a window system delivers it: press, release, then the double click and its release.
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, at);
}

// Iconify, close and "Exit" take the window away; the user brings it back at once.
void tst_monkey::reopen() {
    settle();
    if (mBox->isMinimized())
        mBox->setWindowState(mBox->windowState() & ~Qt::WindowMinimized);
    if (!mBox->isVisible())
        mBox->show();
}

void tst_monkey::checkDragStep(const QPoint& globalPos, const QPoint& windowBefore) {
    if (!inAvailableArea(globalPos) || mBox->isMaximized())
        QVERIFY2(mBox->pos() == windowBefore,
                 qPrintable(QStringLiteral("the window moved with the pointer at %1, %2")
                                .arg(globalPos.x())
                                .arg(globalPos.y())));
}

// A press on the free part of the title bar, a few random motion steps, a release.
void tst_monkey::dragTitleBar() {
    const QRect bar(mTop->mapTo(mBox, QPoint(0, 0)), mTop->size());
    const QRect programButton(mTop->programButton()->mapTo(mBox, QPoint(0, 0)),
                              mTop->programButton()->size());
    const QRect iconify(mTop->iconifyButton()->mapTo(mBox, QPoint(0, 0)),
                        mTop->iconifyButton()->size());
    const QRect free(QPoint(programButton.right() + 1, bar.top()),
                     QPoint(iconify.left() - 1, bar.bottom()));
    if (free.isEmpty())
        return;
    QPoint pointer = mBox->mapToGlobal(randomPointIn(free));
    mouseDrag::send(mBox, QEvent::MouseButtonPress, pointer);
    for (int step = randomInt(1, 6); step > 0; --step) {
        pointer = randomInt(0, 2) == 0 ? randomGlobalPoint()
                                       : pointer + QPoint(randomInt(-60, 60), randomInt(-60, 60));
        const QPoint before = mBox->pos();
        mouseDrag::send(mBox, QEvent::MouseMove, pointer);
        checkDragStep(pointer, before);
        if (QTest::currentTestFailed())
            return;
    }
    mouseDrag::send(mBox, QEvent::MouseButtonRelease, pointer);
}

// A corner grip or side handle dragged somewhere; hidden while maximized, they cannot be reached.
void tst_monkey::dragGrip() {
    QList<QWidget*> grips;
    for (pzSizeGrip* corner : mBox->findChildren<pzSizeGrip*>())
        grips.append(corner);
    for (pzEdgeGrip* side : mBox->findChildren<pzEdgeGrip*>())
        grips.append(side);
    QWidget* grip = grips.at(randomInt(0, int(grips.size()) - 1));
    if (!grip->isVisible())
        return;
    QPoint pointer = grip->mapToGlobal(randomPointIn(grip->rect()));
    mouseDrag::send(grip, QEvent::MouseButtonPress, pointer);
    for (int step = randomInt(1, 4); step > 0; --step) {
        pointer += QPoint(randomInt(-150, 150), randomInt(-150, 150));
        mouseDrag::send(grip, QEvent::MouseMove, pointer);
    }
    mouseDrag::send(grip, QEvent::MouseButtonRelease, pointer);
}

QList<tst_monkey::Action> tst_monkey::actions() {
    const auto freeTitleBarDoubleClick = [this] {
        const QRect bar = mTop->rect();
        const int from = mTop->programButton()->geometry().right() + 1;
        const int to = mTop->iconifyButton()->geometry().left() - 1;
        if (from < to)
            QTest::mouseDClick(mTop, Qt::LeftButton, {},
                               QPoint(randomInt(from, to), randomInt(bar.top(), bar.bottom())));
    };
    const auto resize = [this] {
        const QSize minimum = mBox->minimumSize();
        mBox->resize(randomInt(minimum.width(), 1400), randomInt(minimum.height(), 1000));
    };
    return {
        {"click program button", 6, [this] { click(mTop->programButton()); }},
        {"double click program button", 2, [this] { doubleClick(mTop->programButton()); }},
        {"click maximize button", 5, [this] { click(mTop->minimizeButton()); }},
        {"double click maximize button", 2, [this] { doubleClick(mTop->minimizeButton()); }},
        {"click iconify button", 2,
         [this] {
             click(mTop->iconifyButton());
             reopen();
         }},
        {"click close button", 1,
         [this] {
             click(mTop->closeButton());
             reopen();
         }},
        {"click About", 6, [this] { click(mAbout); }},
        {"double click About", 3, [this] { doubleClick(mAbout); }},
        {"click Exit", 1,
         [this] {
             click(mExit);
             reopen();
         }},
        {"double click free title bar", 3, freeTitleBarDoubleClick},
        {"drag title bar", 8, [this] { dragTitleBar(); }},
        {"drag grip or side handle", 8, [this] { dragGrip(); }},
        {"resize", 3, resize},
        {"toggle panel", 2, [this] { mBox->togglePanel(); }},
        {"toggle window", 2, [this] { mBox->toggleWindow(); }},
        {"maximize", 1, [this] { mBox->showMaximized(); }},
        {"restore", 1, [this] { mBox->showNormal(); }},
    };
}

// Lets posted events, late deletions and the animation run, as the event loop would between
// two actions of a user.
void tst_monkey::settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void tst_monkey::checkPromises() {
    QCOMPARE(mTop->programButton()->isChecked(), !mBox->panel()->isHidden());
    const QImage icon = iconImage(mTop->minimizeButton()->icon());
    QVERIFY2(icon == (mBox->isMaximized() ? mRestoreIcon : mMaximizeIcon),
             "the maximize button shows the wrong icon");
    const QList<rvAbout*> pages = mBox->findChildren<rvAbout*>();
    const bool selected = mPage->currentItem() == mAbout;
    QCOMPARE(pages.size(), selected ? 1 : 0);
    if (selected && !mBox->panel()->isHidden())
        QVERIFY(pages.first()->isVisible());
}

void tst_monkey::randomUse() {
    const quint32 seed = seedFromEnvironment();
    const int count = actionCount();
    qInfo("monkey seed %u (replay with VERRIN_MONKEY_SEED=%u), %d actions", seed, seed, count);
    mRandom.seed(seed);
    mMaximizeIcon = iconImage(QIcon(QStringLiteral(":/iconMaximize.png")));
    mRestoreIcon = iconImage(QIcon(QStringLiteral(":/iconMinimize.png")));

    rvMainBox box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    mBox = &box;
    mTop = box.findChild<pzBoxTop*>();
    mPage = box.findChild<rvMainPage*>();
    const QList<pzListItem*> items = box.panel()->findChildren<pzListItem*>();
    QCOMPARE(items.size(), 2);
    for (pzListItem* item : items)
        (item->text() == QStringLiteral("About") ? mAbout : mExit) = item;
    QVERIFY(mAbout && mExit);

    const QList<Action> all = actions();
    int totalWeight = 0;
    for (const Action& action : all)
        totalWeight += action.weight;
    QStringList recent;
    QHash<QString, int> counts;
    for (int done = 0; done < count; ++done) {
        int pick = randomInt(0, totalWeight - 1);
        const Action* action = all.data();
        while (pick >= action->weight)
            pick -= (action++)->weight;
        recent.append(QString::fromLatin1(action->name));
        if (recent.size() > 8)
            recent.removeFirst();
        ++counts[recent.last()];
        action->run();
        if (!QTest::currentTestFailed()) {
            settle();
            checkPromises();
        }
        if (QTest::currentTestFailed())
            QFAIL(qPrintable(QStringLiteral("after action %1 of seed %2; last actions: %3")
                                 .arg(done + 1)
                                 .arg(seed)
                                 .arg(recent.join(QStringLiteral(", ")))));
    }
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        qInfo("%6d  %s", it.value(), qPrintable(it.key()));
}

QTEST_MAIN(tst_monkey)
#include "tst_monkey.moc"
