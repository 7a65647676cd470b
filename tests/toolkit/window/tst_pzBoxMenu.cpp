// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzBox.h"

#include "pzBoxTop.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>

// The toolkit's own window menu, which the offscreen platform, having no window menu of its own,
// always shows.
class tst_pzBoxMenu : public QObject {
    Q_OBJECT

private slots:
    void opensWhereAsked_data();
    void opensWhereAsked();
    void entriesSteerTheBox();
};

namespace {

QMenu* shownMenu() {
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

// As Qt delivers a right press or the menu key: to the widget under the pointer or with focus,
// and on to its parents while ignored.
void askForMenu(QWidget* widget, const QPoint& pos,
                QContextMenuEvent::Reason reason = QContextMenuEvent::Mouse) {
    QContextMenuEvent event(reason, pos, widget->mapToGlobal(pos));
    QApplication::sendEvent(widget, &event);
}

void closeMenu() {
    if (QMenu* menu = shownMenu())
        menu->close();
    QTRY_VERIFY(!shownMenu());
}

} // namespace

void tst_pzBoxMenu::opensWhereAsked_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("opens");
    QTest::newRow("right click on the title bar") << "title bar" << true;
    QTest::newRow("right click on a window button") << "button" << false;
    QTest::newRow("right click on the content") << "content" << false;
    QTest::newRow("menu key on the program button") << "menu key" << true;
    QTest::newRow("Shift+F10 on the program button") << "shift+f10" << true;
}

void tst_pzBoxMenu::opensWhereAsked() {
    QFETCH(QString, how);
    QFETCH(bool, opens);
    pzBox box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QApplication::setActiveWindow(&box);
    pzBoxTop* top = box.findChild<pzBoxTop*>();
    QWidget* program = top->programButton();
    program->setFocus(Qt::TabFocusReason);

    if (how == "title bar")
        askForMenu(top, QPoint(top->width() / 2, 10));
    else if (how == "button")
        askForMenu(top->closeButton(), QPoint(5, 5));
    else if (how == "content")
        askForMenu(&box, QPoint(200, 200));
    else if (how == "menu key")
        askForMenu(program, QPoint(), QContextMenuEvent::Keyboard);
    else
        QTest::keyClick(program, Qt::Key_F10, Qt::ShiftModifier);
    if (opens)
        QTRY_VERIFY(shownMenu());
    else
        QVERIFY(!QTest::qWaitFor([] { return shownMenu() != nullptr; }, 100));
    QVERIFY(box.isVisible());
    closeMenu();
}

void tst_pzBoxMenu::entriesSteerTheBox() {
    pzBox box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    pzBoxTop* top = box.findChild<pzBoxTop*>();
    const QStringList entries{"Restore", "Minimize", "Maximize", "Close"};
    for (bool maximized : {false, true}) {
        askForMenu(top, QPoint(top->width() / 2, 10));
        QTRY_VERIFY(shownMenu());
        QStringList enabled;
        QAction* maximize = nullptr;
        for (QAction* action : shownMenu()->actions()) {
            if (action->isEnabled() && !action->isSeparator())
                enabled.append(action->text());
            if (action->text() == entries[maximized ? 0 : 2])
                maximize = action;
        }
        QStringList expected = entries;
        expected.removeOne(maximized ? "Maximize" : "Restore");
        QCOMPARE(enabled, expected);
        maximize->trigger();
        QCOMPARE(box.isMaximized(), !maximized);
        closeMenu();
    }
}

QTEST_MAIN(tst_pzBoxMenu)
#include "tst_pzBoxMenu.moc"
