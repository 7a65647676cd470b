// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzBox.h"

#include "pzBoxTop.h"
#include "pzItemVList.h"
#include "pzListItem.h"
#include "pzListMenu.h"
#include "testHost.h"

#include <QAccessible>
#include <QApplication>
#include <QSignalSpy>
#include <QTest>

// Keyboard use and what assistive technology sees of the box, its title bar and list items.
namespace {

pzBoxTop* titleBar(pzBox& box) {
    return box.findChild<pzBoxTop*>(QString(), Qt::FindDirectChildrenOnly);
}

QAccessibleInterface* accessible(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget);
}

void showActive(QWidget& window) {
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

} // namespace

class tst_pzBoxKeyboard : public QObject {
    Q_OBJECT

private slots:
    void focusFrameOnlyFromKeyboard();
    void titleBarFocusFrameIsLight();
    void returnAndEnterClick();
    void escapeClosesShownPage();
    void windowNamedAndGripsLeftOut();
    void maximizeButtonWordsFollowState();
    void toggleActionOpensAndClosesPanel();
    void listItemShowsSelectionAndPresses();
};

void tst_pzBoxKeyboard::focusFrameOnlyFromKeyboard() {
    testHost::Host host;
    auto* first = new pzListItem(QIcon(), QStringLiteral("first"), &host);
    auto* second = new pzListItem(QIcon(), QStringLiteral("second"), &host);
    // Away from the corner where the offscreen pointer rests, so neither is hovered.
    first->setGeometry(50, 100, 150, 40);
    second->setGeometry(50, 140, 150, 40);
    showActive(host);
    first->setFocus(Qt::MouseFocusReason);
    COMPARE_COLOR(first->grab().toImage().pixelColor(0, 0), testHost::HostColor);

    QTest::keyClick(first, Qt::Key_Tab);
    QVERIFY(second->hasFocus());
    const QColor frame = testHost::onHost(QColor(0, 0, 0, 180));
    COMPARE_COLOR(second->grab().toImage().pixelColor(0, 20), frame);

    QTest::mouseClick(second, Qt::LeftButton);
    // Once the pressed look has gone.
    QTRY_VERIFY(testHost::near(second->grab().toImage().pixelColor(0, 20), testHost::HostColor));
}

void tst_pzBoxKeyboard::titleBarFocusFrameIsLight() {
    pzBox box;
    showActive(box);
    pzFadeButton* iconify = titleBar(box)->iconifyButton();
    const QPoint top = iconify->mapTo(&box, QPoint(10, 0));
    const QColor before = box.grab().toImage().pixelColor(top);
    QTest::keyClick(titleBar(box)->programButton(), Qt::Key_Tab);
    QVERIFY(iconify->hasFocus());
    QVERIFY(box.grab().toImage().pixelColor(top).lightness() > before.lightness() + 100);
}

void tst_pzBoxKeyboard::returnAndEnterClick() {
    pzListItem item(QIcon(), QStringLiteral("item"));
    QSignalSpy clicked(&item, &QAbstractButton::clicked);
    QTest::keyClick(&item, Qt::Key_Return);
    QTest::keyClick(&item, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(&item, Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(clicked.count(), 2);
}

void tst_pzBoxKeyboard::escapeClosesShownPage() {
    pzBox box;
    pzListMenu menu;
    box.setMenu(&menu);
    auto* item = new pzListItem;
    menu.addItem(item, nullptr);
    menu.selectItem(item, new QWidget);
    QSignalSpy deleted(&menu, &pzListMenu::deleteWidget);
    QTest::keyClick(&box, Qt::Key_Escape);
    QCOMPARE(menu.currentItem(), nullptr);
    QCOMPARE(deleted.count(), 1);
    QTest::keyClick(&box, Qt::Key_Escape);
    QCOMPARE(deleted.count(), 1);
}

void tst_pzBoxKeyboard::windowNamedAndGripsLeftOut() {
    pzBox box;
    box.setTitle(QStringLiteral("Title"));
    QAccessibleInterface* window = accessible(&box);
    QCOMPARE(window->role(), QAccessible::Window);
    QCOMPARE(window->text(QAccessible::Name), QStringLiteral("Title"));
    // Content holder, title bar and panel.
    QCOMPARE(window->childCount(), 3);
    QAccessibleInterface* program = accessible(titleBar(box)->programButton());
    QCOMPARE(program->text(QAccessible::Name), QStringLiteral("Menu"));
    QCOMPARE(window->indexOfChild(program->parent()), 1);
}

void tst_pzBoxKeyboard::maximizeButtonWordsFollowState() {
    pzBox box;
    pzFadeButton* button = titleBar(box)->minimizeButton();
    QCOMPARE(accessible(button)->text(QAccessible::Name), QStringLiteral("Maximize"));
    box.showMaximized();
    QCOMPARE(accessible(button)->text(QAccessible::Name), QStringLiteral("Restore"));
    QCOMPARE(button->toolTip(), QStringLiteral("Restore"));
    box.showNormal();
    QCOMPARE(accessible(button)->text(QAccessible::Description), QStringLiteral("Maximize"));
}

void tst_pzBoxKeyboard::toggleActionOpensAndClosesPanel() {
    pzBox box;
    QAccessibleInterface* program = accessible(titleBar(box)->programButton());
    QCOMPARE(program->role(), QAccessible::CheckBox);
    QVERIFY(program->state().checkable && !program->state().checked);
    program->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QVERIFY(!box.panel()->isHidden());
    QVERIFY(program->state().checked);
    program->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QVERIFY(box.panel()->isHidden());
    QVERIFY(!program->state().checked);
    // Shown by the box alone, the panel still counts.
    box.showPanel();
    QVERIFY(program->state().checked);
}

// Entries of a menu read as a list's items, in their order, with their selected state.
void tst_pzBoxKeyboard::listItemShowsSelectionAndPresses() {
    pzItemVList list;
    QAccessibleInterface* listInterface = accessible(&list);
    QCOMPARE(listInterface->role(), QAccessible::Client);
    auto* item = new pzListItem(QIcon(), QStringLiteral("About"));
    list.addWidget(item);
    list.addWidget(new pzListItem(QIcon(), QStringLiteral("Exit")));
    QCOMPARE(listInterface->role(), QAccessible::List);
    QCOMPARE(listInterface->childCount(), 2);
    QAccessibleInterface* entry = accessible(item);
    QCOMPARE(listInterface->indexOfChild(entry), 0);
    QCOMPARE(entry->role(), QAccessible::ListItem);
    QCOMPARE(entry->text(QAccessible::Name), QStringLiteral("About"));
    QVERIFY(entry->state().selectable && !entry->state().selected);
    item->select();
    QVERIFY(entry->state().selected);
    QSignalSpy clicked(item, &QAbstractButton::clicked);
    entry->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(clicked.count(), 1);
}

QTEST_MAIN(tst_pzBoxKeyboard)
#include "tst_pzBoxKeyboard.moc"
