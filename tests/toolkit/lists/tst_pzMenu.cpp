// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzFrameMenu.h"
#include "pzMenu.h"
#include "pzMenuInterface.h"
#include "pzScrollArea.h"

#include "testHost.h"
#include "testPages.h"

#include <QLayout>
#include <QPointer>
#include <QRegularExpression>
#include <QTest>

using namespace testHost;
using namespace testPages;

namespace {

// Counts the page-widget requests that reach the menu.
class ProbeMenu : public pzMenu {
public:
    using pzMenu::pzMenu;

    void setWidget(QWidget* widget) override {
        ++setCalls;
        pzMenu::setWidget(widget);
    }

    int setCalls = 0;
};

void processDeferredDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QWidget* sized(int width, int height) {
    auto* widget = new QWidget;
    widget->resize(width, height);
    return widget;
}

// A side menu as the window's panel lays it out: the list beside its page area.
class SideMenu : public Host {
public:
    SideMenu()
        : area(new pzScrollArea(this))
        , menu(new ProbeMenu(area, this)) {
        menu->setGeometry(0, 0, 100, 300);
        area->setGeometry(100, 0, 200, 300);
    }

    pzFrameMenu* frameMenu() const { return qobject_cast<pzFrameMenu*>(area->widget()); }

    pzScrollArea* area;
    ProbeMenu* menu;
};

} // namespace

class tst_pzMenu : public QObject {
    Q_OBJECT

private slots:
    void construction();
    void clickShowsThePageWidgetAndSecondClickDeletesIt();
    void otherEntryReplacesThePageWidget();
    void rebindingConnectsOnce();
    void switchedOutPageNoLongerReachesTheMenu();
    void rebindingDropsTheShownPageWidget();
    void settingTheShownWidgetAgainDoesNothing();
    void deleteWidgetWithNothingShown();
    void nullWidgetIsRefused();
    void plainPageBindsQuietly();
    void menuWithoutPageArea();
    void pageAreaDestroyedFirst();
    void pageWidgetIsSeenWithItsShadow();
};

void tst_pzMenu::construction() {
    SideMenu side;
    QVERIFY(side.frameMenu());
    QCOMPARE(side.frameMenu()->QWidget::size(), QSize(0, 0));
    QVERIFY(side.menu->menuInterface());
    QCOMPARE(static_cast<pzListInterface*>(side.menu->menuInterface()), side.menu->interface());
    QVERIFY(qobject_cast<pzMenuInterface*>(side.menu->interface()));
    QCOMPARE(side.menu->interface()->parent(), side.menu);
    QCOMPARE(side.menu->property("menuInterface").value<pzMenuInterface*>(),
             side.menu->menuInterface());
    QVERIFY(side.menu->qt_metacast("pzListWidget"));
}

void tst_pzMenu::clickShowsThePageWidgetAndSecondClickDeletesIt() {
    SideMenu side;
    TogglePage page;
    side.menu->interface()->setPage(&page);
    QVERIFY(page.first && page.second);
    QCOMPARE(page.first->parentWidget(), side.menu->widget());

    page.first->click();
    QCOMPARE(page.currentItem(), page.first.data());
    QPointer<QWidget> shown = page.shown;
    QCOMPARE(side.frameMenu()->widget(), shown.data());
    QCOMPARE(shown->parentWidget(), side.frameMenu()->dynamicWidget());
    QCOMPARE(side.frameMenu()->QWidget::size(), QSize(122, 82));

    page.first->click();
    QVERIFY(!page.currentItem());
    QVERIFY(!side.frameMenu()->widget());
    QCOMPARE(side.frameMenu()->QWidget::size(), QSize(0, 0));
    QVERIFY(shown);
    processDeferredDeletes();
    QVERIFY(!shown);
}

void tst_pzMenu::otherEntryReplacesThePageWidget() {
    SideMenu side;
    TogglePage page;
    side.menu->interface()->setPage(&page);
    page.first->click();
    QPointer<QWidget> firstShown = page.shown;
    page.second->click();
    QCOMPARE(side.frameMenu()->widget(), page.shown.data());
    QCOMPARE(side.frameMenu()->QWidget::size(), QSize(202, 152));
    QCOMPARE(side.frameMenu()->dynamicWidget()->layout()->count(), 1);
    processDeferredDeletes();
    QVERIFY(!firstShown);
    QVERIFY(page.shown);
}

void tst_pzMenu::rebindingConnectsOnce() {
    SideMenu side;
    TogglePage page;
    side.menu->interface()->setPage(&page);
    side.menu->interface()->setPage(&page);
    processDeferredDeletes();
    QCOMPARE(side.menu->widget()->findChildren<pzListItem*>().size(), 2);
    page.first->click();
    QCOMPARE(side.menu->setCalls, 1);
    QCOMPARE(side.frameMenu()->widget(), page.shown.data());
}

void tst_pzMenu::switchedOutPageNoLongerReachesTheMenu() {
    SideMenu side;
    TogglePage first;
    TogglePage second;
    side.menu->interface()->setPage(&first);
    side.menu->interface()->setPage(&second);
    QWidget stray;
    emit first.setWidget(&stray);
    QCOMPARE(side.menu->setCalls, 0);
    QVERIFY(!side.frameMenu()->widget());

    second.second->click();
    QCOMPARE(side.menu->setCalls, 1);
    QWidget* shown = side.frameMenu()->widget();
    emit first.deleteWidget();
    QCOMPARE(side.frameMenu()->widget(), shown);
}

// The same page again, or another one, starts with nothing selected and nothing shown.
void tst_pzMenu::rebindingDropsTheShownPageWidget() {
    SideMenu side;
    TogglePage first;
    TogglePage second;
    side.menu->interface()->setPage(&first);
    first.first->click();
    QPointer<QWidget> shown = first.shown;
    side.menu->interface()->setPage(&first);
    QVERIFY(!side.frameMenu()->widget());
    QCOMPARE(side.frameMenu()->QWidget::size(), QSize(0, 0));
    first.first->click();
    side.menu->interface()->setPage(&second);
    QVERIFY(!side.frameMenu()->widget());
    processDeferredDeletes();
    QVERIFY(!shown && !first.shown);
}

void tst_pzMenu::settingTheShownWidgetAgainDoesNothing() {
    SideMenu side;
    QPointer<QWidget> shown = sized(120, 80);
    side.menu->setWidget(shown);
    side.menu->setWidget(shown);
    processDeferredDeletes();
    QVERIFY(shown);
    QCOMPARE(side.frameMenu()->widget(), shown.data());
    QCOMPARE(side.frameMenu()->dynamicWidget()->layout()->count(), 1);
}

void tst_pzMenu::deleteWidgetWithNothingShown() {
    SideMenu side;
    side.menu->deleteWidget();
    QVERIFY(!side.frameMenu()->widget());
    QCOMPARE(side.frameMenu()->QWidget::size(), QSize(0, 0));
}

void tst_pzMenu::nullWidgetIsRefused() {
    SideMenu side;
    QPointer<QWidget> shown = sized(50, 50);
    side.menu->setWidget(shown);
    side.menu->setWidget(nullptr);
    processDeferredDeletes();
    QVERIFY(shown);
    QCOMPARE(side.frameMenu()->widget(), shown.data());
}

void tst_pzMenu::plainPageBindsQuietly() {
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
    SideMenu side;
    CountingPage page(2);
    side.menu->interface()->setPage(&page);
    QCOMPARE(side.menu->widget()->findChildren<QWidget*>().size(), 2);
}

void tst_pzMenu::menuWithoutPageArea() {
    ProbeMenu menu(nullptr);
    TogglePage page;
    menu.interface()->setPage(&page);
    page.first->click();
    QPointer<QWidget> shown = page.shown;
    page.first->click();
    processDeferredDeletes();
    QVERIFY(!shown);
}

void tst_pzMenu::pageAreaDestroyedFirst() {
    SideMenu side;
    TogglePage page;
    side.menu->interface()->setPage(&page);
    page.first->click();
    delete side.area;
    page.second->click();
    page.second->click();
    QVERIFY(!page.currentItem());
}

void tst_pzMenu::pageWidgetIsSeenWithItsShadow() {
    SideMenu side;
    TogglePage page;
    side.menu->interface()->setPage(&page);
    side.show();
    QVERIFY(QTest::qWaitForWindowExposed(&side));
    page.first->click();
    QPalette palette = page.shown->palette();
    palette.setColor(QPalette::Window, Qt::blue);
    page.shown->setPalette(palette);
    page.shown->setAutoFillBackground(true);
    QTRY_VERIFY(page.shown->isVisible());

    const QImage image = side.shot();
    const QPoint origin = side.area->viewport()->mapTo(&side, QPoint(0, 0));
    const auto at = [&](int x, int y) { return image.pixelColor(origin + QPoint(x, y)); };
    COMPARE_COLOR(at(60, 40), QColor(Qt::blue));
    COMPARE_COLOR(at(120, 40), onHost(QColor(0, 0, 0, 150)));
    COMPARE_COLOR(at(60, 81), onHost(QColor(0, 0, 0, 150)));
    COMPARE_COLOR(at(122, 40), HostColor);
    // The selected entry is black.
    COMPARE_COLOR(image.pixelColor(page.first->mapTo(&side, QPoint(95, 5))), QColor(Qt::black));
}

QTEST_MAIN(tst_pzMenu)
#include "tst_pzMenu.moc"
