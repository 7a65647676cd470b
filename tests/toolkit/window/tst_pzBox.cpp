// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzBox.h"

#include "mouseDrag.h"
#include "pzBoxTop.h"
#include "pzEdgeGrip.h"
#include "pzListPage.h"
#include "pzSizeGrip.h"

#include <QBoxLayout>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTextDocument>

namespace {

pzBoxTop* titleBar(pzBox& box) {
    return box.findChild<pzBoxTop*>(QString(), Qt::FindDirectChildrenOnly);
}

QList<pzSizeGrip*> grips(pzBox& box) {
    return box.findChildren<pzSizeGrip*>(QString(), Qt::FindDirectChildrenOnly);
}

pzEdgeGrip* edgeGrip(pzBox& box, Qt::Edge edge) {
    for (pzEdgeGrip* grip : box.findChildren<pzEdgeGrip*>(QString(), Qt::FindDirectChildrenOnly))
        if (grip->edge() == edge)
            return grip;
    return nullptr;
}

QList<pzEdgeGrip*> edgeGrips(pzBox& box) {
    return box.findChildren<pzEdgeGrip*>(QString(), Qt::FindDirectChildrenOnly);
}

pzFadeButton* titleBarButton(pzBox& box, const QString& name) {
    pzBoxTop* top = box.findChild<pzBoxTop*>(QString(), Qt::FindDirectChildrenOnly);
    return top->property(name.toLatin1()).value<pzFadeButton*>();
}

// The direct child widgets of the box, bottom of the stack first.
QList<QWidget*> stackingOrder(pzBox& box) {
    QList<QWidget*> widgets;
    for (QObject* child : box.children())
        if (child->isWidgetType())
            widgets.append(static_cast<QWidget*>(child));
    return widgets;
}

QRect available(pzBox& box) {
    return box.screen()->availableGeometry();
}

void sendMouse(pzBox& box, QEvent::Type type, const QPoint& globalPos) {
    mouseDrag::send(&box, type, globalPos);
}

bool sameImage(const QIcon& icon, const QString& path) {
    return icon.pixmap(QSize(23, 22)).toImage().convertToFormat(QImage::Format_ARGB32) ==
           QIcon(path).pixmap(QSize(23, 22)).toImage().convertToFormat(QImage::Format_ARGB32);
}

// A box that records which of its virtual operations were reached.
class BoxProbe : public pzBox {
public:
    QStringList calls;
    int closeEvents = 0;

    void togglePanel() override {
        calls << QStringLiteral("togglePanel");
        pzBox::togglePanel();
    }
    void showPanel() override {
        calls << QStringLiteral("showPanel");
        pzBox::showPanel();
    }
    void hidePanel() override {
        calls << QStringLiteral("hidePanel");
        pzBox::hidePanel();
    }
    void showMaximized() override {
        calls << QStringLiteral("showMaximized");
        pzBox::showMaximized();
    }
    void showNormal() override {
        calls << QStringLiteral("showNormal");
        pzBox::showNormal();
    }

protected:
    void closeEvent(QCloseEvent* event) override {
        ++closeEvents;
        pzBox::closeEvent(event);
    }
};

} // namespace

class tst_pzBox : public QObject {
    Q_OBJECT

private slots:
    void newBox();
    void parentDoesNotEmbedIt();
    void layoutCoversWindow();
    void paintsRimAndWhiteInterior();
    void gripsSitInCorners_data();
    void gripsSitInCorners();
    void gripsRaisedAtEachResize();
    void gripsResizeFromTheirCorner_data();
    void gripsResizeFromTheirCorner();
    void edgeGripsLieAlongTheSides_data();
    void edgeGripsLieAlongTheSides();
    void edgeGripsRaisedAndHiddenLikeCorners();
    void titleBarButtonsKeepClicksUnderEdgeGrips_data();
    void titleBarButtonsKeepClicksUnderEdgeGrips();
    void maximizeFillsAvailableArea();
    void maximizeTwiceSavesGeometryOnce();
    void showNormalWhenNotMaximizedDoesNothing();
    void toggleWindowTwiceRestores();
    void restoreBringsBackWindowFromLostScreen_data();
    void restoreBringsBackWindowFromLostScreen();
    void maximizeButtonIconFollowsState();
    void maximizedStateIsNotified();
    void drag_data();
    void drag();
    void dragIgnoredWhileMaximized();
    void doubleClickOnTitleBarTogglesWindow();
    void pressOnTitleBarStartsDrag();
    void pressOnButtonDoesNotDrag();
    void togglePanelTwice();
    void togglePanelBeforeFirstShow();
    void deletedPanelOrListIsLeftAlone();
    void deletedTitleBarOrButtonIsLeftAlone();
    void showAndHidePanelLeaveButtonAlone();
    void titleIsWhiteBoldTextInButtonLiteralInWindow();
    void windowIconGoesToButtonAndWindow();
    void centerOnScreen_data();
    void centerOnScreen();
    void setContentFillsBox();
    void windowButtonsReachTheBox();
    void minimumSizeFollowsTitleAndPanel();
    void windowSystemMaximizeIsFollowed();
    void windowSystemRestoreIsFollowed();
    void screenChangeBringsBackTitleBar();
    void screenChangeKeepsMaximizedBoxOnArea();
};

void tst_pzBox::newBox() {
    pzBox box;
    QCOMPARE(box.size(), QSize(400, 300));
    QVERIFY(box.isWindow());
    QVERIFY(box.windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(!box.isMaximized());
    QCOMPARE(box.property("maximized").toBool(), false);
    QVERIFY(box.panel());
    QVERIFY(box.panel()->isHidden());
    QCOMPARE(box.property("panel").value<pzBoxPanel*>(), box.panel());
    QCOMPARE(box.panel()->parentWidget(), &box);
    pzBoxTop* top = titleBar(box);
    QVERIFY(top);
    QCOMPARE(top->programButton()->text(), QStringLiteral("codenameBox"));
    QVERIFY(!top->programButton()->isChecked());
    QVERIFY(box.windowTitle().isEmpty());
    QVERIFY(!box.windowIcon().isNull());
    QCOMPARE(grips(box).size(), 4);
    for (pzSizeGrip* grip : grips(box))
        QCOMPARE(grip->size(), QSize(10, 10));
}

void tst_pzBox::parentDoesNotEmbedIt() {
    QWidget parent;
    parent.resize(200, 200);
    auto* box = new pzBox(&parent);
    parent.show();
    box->show();
    QVERIFY(QTest::qWaitForWindowExposed(box));
    QVERIFY(box->isWindow());
    QCOMPARE(box->parentWidget(), &parent);
    QVERIFY(box->windowHandle() != parent.windowHandle());
    QCOMPARE(box->size(), QSize(400, 300));
}

void tst_pzBox::layoutCoversWindow() {
    pzBox box;
    auto* content = new QWidget;
    content->resize(50, 50);
    box.setContent(content);
    box.resize(600, 400);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));

    pzBoxTop* top = titleBar(box);
    QCOMPARE(top->geometry(), QRect(2, 2, 596, 22));
    QCOMPARE(content->mapTo(&box, QPoint(0, 0)), QPoint(2, 2));
    QCOMPARE(content->size(), QSize(596, 396));

    box.togglePanel();
    QTRY_COMPARE(box.panel()->geometry(), QRect(2, 24, 596, 374));
    QCOMPARE(top->geometry(), QRect(2, 2, 596, 22));

    // Above them only the rim's four sides, the four side handles and the four corner grips.
    const QList<QWidget*> order = stackingOrder(box);
    QCOMPARE(order.indexOf(top), order.size() - 14);
    QVERIFY(order.indexOf(box.panel()) == order.size() - 13);
    QCOMPARE(order.first(), content->parentWidget());
}

void tst_pzBox::paintsRimAndWhiteInterior() {
    pzBox box;
    box.resize(300, 200);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    const QImage image = box.grab().toImage();
    for (const QPoint& rim : {QPoint(0, 0), QPoint(1, 1), QPoint(299, 199), QPoint(298, 198),
                              QPoint(0, 100), QPoint(1, 100), QPoint(150, 199), QPoint(298, 50)})
        QCOMPARE(image.pixelColor(rim), QColor(Qt::black));
    for (const QPoint& inside : {QPoint(2, 190), QPoint(297, 197), QPoint(150, 100)})
        QCOMPARE(image.pixelColor(inside), QColor(Qt::white));
    // Title bar: black at alpha 150 over the white interior.
    const QColor bar = image.pixelColor(200, 12);
    QVERIFY2(qAbs(bar.red() - 105) <= 1, qPrintable(bar.name()));
}

void tst_pzBox::gripsSitInCorners_data() {
    QTest::addColumn<QSize>("size");
    QTest::newRow("default") << QSize(400, 300);
    QTest::newRow("wide") << QSize(900, 644);
    QTest::newRow("small") << QSize(300, 120);
}

void tst_pzBox::gripsSitInCorners() {
    QFETCH(QSize, size);
    pzBox box;
    box.resize(size);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    const QList<pzSizeGrip*> all = grips(box);
    const QList<QPoint> corners = {QPoint(0, 0), QPoint(size.width() - 10, 0),
                                   QPoint(0, size.height() - 10),
                                   QPoint(size.width() - 10, size.height() - 10)};
    QList<QPoint> found;
    for (pzSizeGrip* grip : all) {
        found << grip->pos();
        QVERIFY(grip->isVisible());
    }
    for (const QPoint& corner : corners)
        QVERIFY2(found.contains(corner),
                 qPrintable(QStringLiteral("no grip at %1,%2").arg(corner.x()).arg(corner.y())));
}

void tst_pzBox::gripsRaisedAtEachResize() {
    pzBox box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    auto* cover = new QWidget(&box);
    cover->setGeometry(box.rect());
    cover->show();
    cover->raise();
    QCOMPARE(stackingOrder(box).last(), cover);

    box.resize(500, 350);
    QList<QWidget*> order = stackingOrder(box);
    const QList<pzSizeGrip*> all = grips(box);
    QCOMPARE(order.mid(order.size() - 4), QList<QWidget*>(all.begin(), all.end()));
    QCOMPARE(order.at(order.size() - 4)->pos(), QPoint(0, 0));
    QCOMPARE(order.last()->pos(), QPoint(490, 340));

    box.showMaximized();
    for (pzSizeGrip* grip : all)
        QVERIFY(grip->isHidden());
    cover->raise();
    box.resize(box.width() - 20, box.height() - 20);
    QCOMPARE(stackingOrder(box).last(), cover);

    box.showNormal();
    for (pzSizeGrip* grip : all)
        QVERIFY(!grip->isHidden());
}

void tst_pzBox::gripsResizeFromTheirCorner_data() {
    QTest::addColumn<QPoint>("corner");
    QTest::addColumn<QRect>("expected");
    // The box starts at (100, 100), 400 x 300; each grip is dragged by (-20, +30).
    QTest::newRow("top left") << QPoint(0, 0) << QRect(80, 130, 420, 270);
    QTest::newRow("top right") << QPoint(390, 0) << QRect(100, 130, 380, 270);
    QTest::newRow("bottom left") << QPoint(0, 290) << QRect(80, 100, 420, 330);
    QTest::newRow("bottom right") << QPoint(390, 290) << QRect(100, 100, 380, 330);
}

void tst_pzBox::gripsResizeFromTheirCorner() {
    QFETCH(QPoint, corner);
    QFETCH(QRect, expected);
    pzBox box;
    const QPoint origin = available(box).topLeft() + QPoint(100, 100);
    box.setGeometry(QRect(origin, QSize(400, 300)));
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    pzSizeGrip* grip = nullptr;
    for (pzSizeGrip* candidate : grips(box))
        if (candidate->pos() == corner)
            grip = candidate;
    QVERIFY(grip);

    const QPoint start = grip->mapToGlobal(QPoint(5, 5));
    auto send = [grip](QEvent::Type type, const QPoint& global) {
        mouseDrag::send(grip, type, global);
    };
    send(QEvent::MouseButtonPress, start);
    send(QEvent::MouseMove, start + QPoint(-20, 30));
    send(QEvent::MouseButtonRelease, start + QPoint(-20, 30));

    QTRY_COMPARE(box.geometry(), expected.translated(origin - QPoint(100, 100)));
}

void tst_pzBox::edgeGripsLieAlongTheSides_data() {
    QTest::addColumn<QSize>("size");
    QTest::newRow("default") << QSize(400, 300);
    QTest::newRow("wide") << QSize(900, 644);
}

void tst_pzBox::edgeGripsLieAlongTheSides() {
    QFETCH(QSize, size);
    pzBox box;
    box.resize(size);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    const int w = size.width();
    const int h = size.height();
    QCOMPARE(edgeGrips(box).size(), 4);
    QCOMPARE(edgeGrip(box, Qt::TopEdge)->geometry(), QRect(10, 0, w - 20, 4));
    QCOMPARE(edgeGrip(box, Qt::BottomEdge)->geometry(), QRect(10, h - 4, w - 20, 4));
    QCOMPARE(edgeGrip(box, Qt::LeftEdge)->geometry(), QRect(0, 10, 4, h - 20));
    QCOMPARE(edgeGrip(box, Qt::RightEdge)->geometry(), QRect(w - 4, 10, 4, h - 20));

    // What a press on the rim reaches, over the content and the title bar's free part.
    QCOMPARE(box.childAt(w / 2, 1), edgeGrip(box, Qt::TopEdge));
    QCOMPARE(box.childAt(w / 2, 3), edgeGrip(box, Qt::TopEdge));
    QCOMPARE(box.childAt(w / 2, h - 1), edgeGrip(box, Qt::BottomEdge));
    QCOMPARE(box.childAt(0, h / 2), edgeGrip(box, Qt::LeftEdge));
    QCOMPARE(box.childAt(w - 2, h / 2), edgeGrip(box, Qt::RightEdge));
    QCOMPARE(box.childAt(w / 2, 4), titleBar(box));
}

void tst_pzBox::edgeGripsRaisedAndHiddenLikeCorners() {
    pzBox box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    auto* cover = new QWidget(&box);
    cover->setGeometry(box.rect());
    cover->show();
    cover->raise();

    box.resize(500, 350);
    QCOMPARE(box.childAt(250, 1), edgeGrip(box, Qt::TopEdge));
    QCOMPARE(box.childAt(1, 175), edgeGrip(box, Qt::LeftEdge));

    box.showMaximized();
    for (pzEdgeGrip* grip : edgeGrips(box))
        QVERIFY(grip->isHidden());
    box.showNormal();
    for (pzEdgeGrip* grip : edgeGrips(box))
        QVERIFY(!grip->isHidden());
}

void tst_pzBox::titleBarButtonsKeepClicksUnderEdgeGrips_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QPoint>("point");
    // Points in the button's own coordinates that lie inside a side handle's rectangle.
    QTest::newRow("program, top row") << "programButton" << QPoint(15, 0);
    QTest::newRow("program, left column") << "programButton" << QPoint(0, 12);
    QTest::newRow("iconify, top row") << "iconifyButton" << QPoint(3, 1);
    QTest::newRow("maximize, top row") << "minimizeButton" << QPoint(3, 0);
    QTest::newRow("close, top row") << "closeButton" << QPoint(3, 0);
}

void tst_pzBox::titleBarButtonsKeepClicksUnderEdgeGrips() {
    QFETCH(QString, button);
    QFETCH(QPoint, point);
    pzBox box;
    box.setGeometry(QRect(available(box).topLeft() + QPoint(50, 50), QSize(400, 300)));
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QAbstractButton* target = titleBarButton(box, button);
    QVERIFY(target);
    const QPoint inBox = target->mapTo(&box, point);
    bool underHandle = false;
    for (pzEdgeGrip* grip : edgeGrips(box))
        underHandle = underHandle || grip->geometry().contains(inBox);
    QVERIFY(underHandle);

    QSignalSpy clicks(target, &QAbstractButton::clicked);
    // Routed by the window to whatever lies under the point, as a real click is.
    QTest::mouseClick(box.windowHandle(), Qt::LeftButton, {}, inBox);
    QCOMPARE(clicks.count(), 1);
}

void tst_pzBox::maximizeFillsAvailableArea() {
    pzBox box;
    box.setGeometry(available(box).topLeft().x() + 40, available(box).y() + 30, 300, 200);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    box.showMaximized();
    QVERIFY(box.isMaximized());
    QCOMPARE(box.geometry(), available(box));
    // The window system's own maximize is not used.
    QVERIFY(!box.windowState().testFlag(Qt::WindowMaximized));
}

void tst_pzBox::maximizeTwiceSavesGeometryOnce() {
    pzBox box;
    const QRect normal(available(box).x() + 50, available(box).y() + 60, 320, 240);
    box.setGeometry(normal);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    box.showMaximized();
    box.showMaximized();
    QCOMPARE(box.geometry(), available(box));
    box.showNormal();
    QVERIFY(!box.isMaximized());
    QCOMPARE(box.geometry(), normal);
}

void tst_pzBox::showNormalWhenNotMaximizedDoesNothing() {
    pzBox box;
    box.move(30, 40);
    const QRect before = box.geometry();
    box.showNormal();
    // QWidget::showNormal would have shown the window.
    QVERIFY(!box.isVisible());
    QCOMPARE(box.geometry(), before);
    QVERIFY(!box.isMaximized());
}

void tst_pzBox::toggleWindowTwiceRestores() {
    pzBox box;
    const QRect normal(available(box).x() + 10, available(box).y() + 20, 350, 250);
    box.setGeometry(normal);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    box.toggleWindow();
    QVERIFY(box.isMaximized());
    box.toggleWindow();
    QVERIFY(!box.isMaximized());
    QCOMPARE(box.geometry(), normal);
}

void tst_pzBox::restoreBringsBackWindowFromLostScreen_data() {
    QTest::addColumn<QPoint>("offset");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("kept");
    // Offsets from the available area's top left. A window left far away from every screen
    // stands for one whose screen went away while it was maximized.
    QTest::newRow("off every screen") << QPoint(5000, 4000) << QSize(320, 200) << false;
    QTest::newRow("off every screen, larger than the area")
        << QPoint(5000, 4000) << QSize(4000, 3000) << false;
    QTest::newRow("partly on the screen, its title bar on it")
        << QPoint(30, 40) << QSize(320, 4000) << true;
}

void tst_pzBox::restoreBringsBackWindowFromLostScreen() {
    QFETCH(QPoint, offset);
    QFETCH(QSize, size);
    QFETCH(bool, kept);
    pzBox box;
    const QRect area = available(box);
    const QRect saved(area.topLeft() + offset, size);
    // Moved there once shown: the first show brings a window onto the screens.
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    box.setGeometry(saved);
    QCOMPARE(box.geometry(), saved);

    box.showMaximized();
    QCOMPARE(box.geometry(), area);
    box.showNormal();
    if (kept) {
        QCOMPARE(box.geometry(), saved);
        return;
    }
    QVERIFY(area.contains(box.geometry()));
    QCOMPARE(box.size(), size.boundedTo(area.size()));
    QCOMPARE(box.geometry().center(), area.center());
}

void tst_pzBox::maximizeButtonIconFollowsState() {
    pzBox box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    pzFadeButton* button = titleBar(box)->minimizeButton();
    QVERIFY(sameImage(button->icon(), QStringLiteral(":/iconMaximize.png")));
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(box.isMaximized());
    QVERIFY(sameImage(button->icon(), QStringLiteral(":/iconMinimize.png")));
    QVERIFY(!sameImage(button->icon(), QStringLiteral(":/iconMaximize.png")));
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(!box.isMaximized());
    QVERIFY(sameImage(button->icon(), QStringLiteral(":/iconMaximize.png")));
}

// Once per change, whoever makes it.
void tst_pzBox::maximizedStateIsNotified() {
    pzBox box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QSignalSpy changes(&box, &pzBox::maximizedChanged);
    box.showMaximized();
    box.showMaximized();
    box.showNormal();
    box.QWidget::setWindowState(Qt::WindowMaximized);
    QTRY_COMPARE(changes.count(), 3);
    QCOMPARE(changes.at(0).at(0).toBool(), true);
    QCOMPARE(changes.at(1).at(0).toBool(), false);
    QCOMPARE(changes.at(2).at(0).toBool(), true);
}

void tst_pzBox::drag_data() {
    // Positions are offsets from a press point inside the available area; "outside" ones
    // leave the available area to the left.
    QTest::addColumn<QList<QPoint>>("moves");
    QTest::addColumn<QList<bool>>("outside");
    QTest::addColumn<bool>("release");
    QTest::addColumn<QPoint>("shift");

    QTest::newRow("press and release") << QList<QPoint>{} << QList<bool>{} << true << QPoint(0, 0);
    QTest::newRow("one move") << QList<QPoint>{{7, 3}} << QList<bool>{false} << false
                              << QPoint(7, 3);
    QTest::newRow("several moves") << QList<QPoint>{{1, 1}, {20, -5}, {35, 12}}
                                   << QList<bool>{false, false, false} << false << QPoint(35, 12);
    QTest::newRow("back inside moves by the whole way")
        << QList<QPoint>{{5, 0}, {0, 0}, {30, 10}} << QList<bool>{false, true, false} << false
        << QPoint(30, 10);
    QTest::newRow("outside only") << QList<QPoint>{{0, 0}, {0, 0}} << QList<bool>{true, true}
                                  << false << QPoint(0, 0);
    QTest::newRow("moves after release")
        << QList<QPoint>{{15, 15}} << QList<bool>{false} << true << QPoint(0, 0);
}

void tst_pzBox::drag() {
    QFETCH(QList<QPoint>, moves);
    QFETCH(QList<bool>, outside);
    QFETCH(bool, release);
    QFETCH(QPoint, shift);

    pzBox box;
    const QRect area = available(box);
    box.move(area.x() + 100, area.y() + 100);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    const QPoint start = box.pos();
    const QPoint press = box.mapToGlobal(QPoint(200, 12));

    sendMouse(box, QEvent::MouseButtonPress, press);
    if (release)
        sendMouse(box, QEvent::MouseButtonRelease, press);
    for (int i = 0; i < moves.size(); ++i) {
        const QPoint global =
            outside.at(i) ? QPoint(area.left() - 50, press.y()) : press + moves.at(i);
        sendMouse(box, QEvent::MouseMove, global);
    }

    QCOMPARE(box.pos(), start + shift);
}

void tst_pzBox::dragIgnoredWhileMaximized() {
    pzBox box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    box.showMaximized();
    const QRect maximized = box.geometry();
    const QPoint press = box.mapToGlobal(QPoint(200, 12));
    sendMouse(box, QEvent::MouseButtonPress, press);
    sendMouse(box, QEvent::MouseMove, press + QPoint(10, 10));
    sendMouse(box, QEvent::MouseMove, press + QPoint(40, 30));
    sendMouse(box, QEvent::MouseButtonRelease, press + QPoint(40, 30));
    QCOMPARE(box.geometry(), maximized);
}

void tst_pzBox::doubleClickOnTitleBarTogglesWindow() {
    pzBox box;
    auto* content = new QWidget;
    box.setContent(content);
    const QRect normal(available(box).topLeft() + QPoint(40, 40), QSize(400, 300));
    box.setGeometry(normal);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    pzBoxTop* top = titleBar(box);
    const QPoint free(top->width() / 2, top->height() / 2);

    QTest::mouseDClick(top, Qt::LeftButton, {}, free);
    QVERIFY(box.isMaximized());
    QTest::mouseDClick(top, Qt::LeftButton, {}, free);
    QVERIFY(!box.isMaximized());
    QCOMPARE(box.geometry(), normal);

    // Elsewhere a double click does nothing to the window.
    QTest::mouseDClick(content, Qt::LeftButton, {}, QPoint(100, 150));
    QVERIFY(!box.isMaximized());
}

void tst_pzBox::pressOnTitleBarStartsDrag() {
    pzBox box;
    box.move(available(box).topLeft() + QPoint(50, 50));
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    const QPoint start = box.pos();
    pzBoxTop* top = titleBar(box);
    const QPoint free(top->width() / 2, top->height() / 2);
    QVERIFY(top->childAt(free) == nullptr);

    QTest::mousePress(top, Qt::LeftButton, {}, free);
    sendMouse(box, QEvent::MouseMove, top->mapToGlobal(free) + QPoint(25, 15));
    QTest::mouseRelease(top, Qt::LeftButton, {}, free);

    QCOMPARE(box.pos(), start + QPoint(25, 15));
}

void tst_pzBox::pressOnButtonDoesNotDrag() {
    pzBox box;
    box.move(available(box).topLeft() + QPoint(50, 50));
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    const QPoint start = box.pos();
    pzFadeButton* button = titleBar(box)->iconifyButton();

    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
    sendMouse(box, QEvent::MouseMove, button->mapToGlobal(QPoint(5, 5)));
    sendMouse(box, QEvent::MouseMove, button->mapToGlobal(QPoint(5, 5)) + QPoint(25, 15));

    QCOMPARE(box.pos(), start);
}

void tst_pzBox::togglePanelTwice() {
    pzBox box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    pzFadeTextButton* button = titleBar(box)->programButton();
    box.togglePanel();
    QVERIFY(box.panel()->isVisible());
    QVERIFY(button->isChecked());
    box.togglePanel();
    QVERIFY(box.panel()->isHidden());
    QVERIFY(!button->isChecked());
}

// Deleted by a user, the panel or its list is gone for the box too; calls on them do nothing.
void tst_pzBox::deletedPanelOrListIsLeftAlone() {
    pzBox box;
    pzListPage page;
    delete box.panel()->list();
    QCOMPARE(box.panel()->list(), nullptr);
    box.setMenu(&page);
    QVERIFY(!page.isCreated());
    delete box.panel();
    QCOMPARE(box.panel(), nullptr);
    box.togglePanel();
    box.setMenu(&page);
}

void tst_pzBox::deletedTitleBarOrButtonIsLeftAlone() {
    pzBox box;
    delete titleBar(box)->minimizeButton();
    box.showMaximized();
    box.showNormal();
    delete titleBar(box)->programButton();
    box.setTitle(QStringLiteral("Without button"));
    box.togglePanel();
    QVERIFY(!box.panel()->isHidden());
    delete titleBar(box);
    box.setTitle(QStringLiteral("Without bar"));
    box.togglePanel();
    box.setWindowIcon(QIcon());
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    box.resize(500, 400);
    QCOMPARE(box.windowTitle(), QStringLiteral("Without bar"));
    QVERIFY(box.panel()->isHidden());
}

void tst_pzBox::togglePanelBeforeFirstShow() {
    pzBox box;
    box.togglePanel();
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QVERIFY(box.panel()->isVisible());
    QVERIFY(titleBar(box)->programButton()->isChecked());
    QCOMPARE(box.panel()->geometry(), QRect(2, 24, 396, 274));

    // A click on the program button closes it again.
    QTest::mouseClick(titleBar(box)->programButton(), Qt::LeftButton, {}, QPoint(4, 4));
    QVERIFY(box.panel()->isHidden());
    QVERIFY(!titleBar(box)->programButton()->isChecked());
}

void tst_pzBox::showAndHidePanelLeaveButtonAlone() {
    pzBox box;
    auto* layout = qobject_cast<QBoxLayout*>(box.layout());
    QVERIFY(layout);
    const int topIndex = layout->indexOf(titleBar(box));
    QCOMPARE(layout->stretch(topIndex), 1);
    box.showPanel();
    QVERIFY(!box.panel()->isHidden());
    QCOMPARE(layout->stretch(topIndex), 0);
    QVERIFY(!titleBar(box)->programButton()->isChecked());
    box.hidePanel();
    QVERIFY(box.panel()->isHidden());
    QCOMPARE(layout->stretch(topIndex), 1);
}

void tst_pzBox::titleIsWhiteBoldTextInButtonLiteralInWindow() {
    pzBox box;
    // Away from the pointer, which would give the program button its hover wash.
    box.move(QCursor::pos() + QPoint(300, 300));
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    pzFadeTextButton* button = titleBar(box)->programButton();
    auto* label = button->findChild<QLabel*>();
    QVERIFY(label);
    auto brightestInLabel = [&] {
        const QImage image = box.grab().toImage();
        const QRect area(label->mapTo(&box, QPoint(0, 0)), label->size());
        int brightest = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                brightest = qMax(brightest, qGray(image.pixel(x, y)));
        return brightest;
    };
    // The default text colour is dark on the translucent bar, the title is white.
    QVERIFY(brightestInLabel() < 150);

    const QString title = QStringLiteral("<i>Tom & Jerry</i>");
    box.setTitle(title);
    QCOMPARE(box.windowTitle(), title);
    // White and bold, and shown as the text it is: the label reads no markup of the title.
    QVERIFY(button->text().startsWith(QStringLiteral("<font color='White'><B>")));
    QTextDocument shown;
    shown.setHtml(button->text());
    QCOMPARE(shown.toPlainText(), title);
    QTRY_VERIFY(brightestInLabel() > 220);
    QVERIFY(label->textFormat() == Qt::RichText ||
            (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text())));
}

void tst_pzBox::windowIconGoesToButtonAndWindow() {
    pzBox box;
    QPixmap red(22, 22);
    red.fill(Qt::red);
    box.setWindowIcon(QIcon(red));
    QCOMPARE(box.windowIcon().pixmap(22, 22).toImage().pixelColor(5, 5), QColor(Qt::red));
    QCOMPARE(titleBar(box)->programButton()->icon().pixmap(22, 22).toImage().pixelColor(5, 5),
             QColor(Qt::red));
}

void tst_pzBox::centerOnScreen_data() {
    QTest::addColumn<QSize>("size");
    QTest::newRow("even") << QSize(400, 300);
    QTest::newRow("odd") << QSize(401, 299);
    QTest::newRow("larger than the screen") << QSize(3001, 2001);
}

void tst_pzBox::centerOnScreen() {
    QFETCH(QSize, size);
    pzBox box;
    box.resize(size);
    box.centerOnScreen();
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const QPoint centre = area.center();
    QCOMPARE(box.pos(),
             QPoint(centre.x() - (size.width() - 1) / 2, centre.y() - (size.height() - 1) / 2));
    QCOMPARE(box.size(), size);
    QCOMPARE(box.geometry().center(), area.center());
}

void tst_pzBox::setContentFillsBox() {
    pzBox box;
    box.resize(500, 400);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    auto* first = new QWidget;
    first->resize(30, 30);
    box.setContent(first);
    QTRY_COMPARE(first->size(), QSize(496, 396));

    auto* second = new QWidget;
    second->resize(60, 20);
    box.setContent(second);
    QTRY_COMPARE(second->size(), QSize(496, 396));
    QCOMPARE(second->mapTo(&box, QPoint(0, 0)), QPoint(2, 2));
    // The previous content is only detached.
    QVERIFY(first->parent());

    box.setContent(nullptr);
    QCOMPARE(second->size(), QSize(496, 396));
}

void tst_pzBox::windowButtonsReachTheBox() {
    BoxProbe box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    pzBoxTop* top = titleBar(box);

    QTest::mouseClick(top->programButton(), Qt::LeftButton, {}, QPoint(4, 4));
    QCOMPARE(box.calls, QStringList({"togglePanel", "showPanel"}));
    box.calls.clear();

    QTest::mouseClick(top->minimizeButton(), Qt::LeftButton);
    QTest::mouseClick(top->minimizeButton(), Qt::LeftButton);
    QCOMPARE(box.calls, QStringList({"showMaximized", "showNormal"}));

    box.showMaximized();
    QTest::mouseClick(top->iconifyButton(), Qt::LeftButton);
    QTRY_VERIFY(box.windowState().testFlag(Qt::WindowMinimized));
    QVERIFY(box.isMaximized());

    QTest::mouseClick(top->closeButton(), Qt::LeftButton);
    QCOMPARE(box.closeEvents, 1);
    QVERIFY(!box.isVisible());
}

void tst_pzBox::minimumSizeFollowsTitleAndPanel() {
    pzBox box;
    pzFadeTextButton* program = titleBar(box)->programButton();
    box.setTitle(QStringLiteral("A title far longer than the one the box starts with"));
    // Rim, whole title, 16 pixels, three buttons of 23, 6 pixels.
    const int titleWidth = 2 + program->minimumSizeHint().width() + 16 + 3 * 23 + 6 + 2;
    QCOMPARE(box.minimumWidth(), titleWidth);
    QCOMPARE(box.minimumHeight(), 2 + 22 + 2);

    box.togglePanel();
    QCOMPARE(box.minimumHeight(), 2 + 22 + box.panel()->minimumSizeHint().height() + 2);
    box.togglePanel();
    QCOMPARE(box.minimumHeight(), 2 + 22 + 2);
}

void tst_pzBox::windowSystemMaximizeIsFollowed() {
    pzBox box;
    const QRect normal(available(box).topLeft() + QPoint(40, 50), QSize(320, 240));
    box.setGeometry(normal);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    box.QWidget::setWindowState(Qt::WindowMaximized);
    QTRY_VERIFY(box.isMaximized());
    QVERIFY(
        sameImage(titleBar(box)->minimizeButton()->icon(), QStringLiteral(":/iconMinimize.png")));
    QVERIFY(grips(box).first()->isHidden());

    QTest::mouseClick(titleBar(box)->minimizeButton(), Qt::LeftButton);
    QVERIFY(!box.isMaximized());
    QVERIFY(!box.windowState().testFlag(Qt::WindowMaximized));
    QTRY_COMPARE(box.geometry(), normal);
    QVERIFY(
        sameImage(titleBar(box)->minimizeButton()->icon(), QStringLiteral(":/iconMaximize.png")));
}

void tst_pzBox::windowSystemRestoreIsFollowed() {
    pzBox box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    box.QWidget::setWindowState(Qt::WindowMaximized);
    QTRY_VERIFY(box.isMaximized());
    box.QWidget::setWindowState(Qt::WindowNoState);
    QTRY_VERIFY(!box.isMaximized());
    QVERIFY(grips(box).first()->isVisible());
    QVERIFY(
        sameImage(titleBar(box)->minimizeButton()->icon(), QStringLiteral(":/iconMaximize.png")));
}

void tst_pzBox::screenChangeBringsBackTitleBar() {
    pzBox box;
    const QRect area = available(box);
    box.setGeometry(QRect(area.topLeft() + QPoint(30, -10), QSize(320, 240)));
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    emit box.screen()->availableGeometryChanged(area);
    QTRY_COMPARE(box.geometry(), QRect(area.topLeft() + QPoint(30, 0), QSize(320, 240)));
}

void tst_pzBox::screenChangeKeepsMaximizedBoxOnArea() {
    pzBox box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    box.showMaximized();
    box.setGeometry(QRect(available(box).topLeft(), QSize(300, 200)));
    emit box.screen()->geometryChanged(box.screen()->geometry());
    QTRY_COMPARE(box.geometry(), available(box));
}

QTEST_MAIN(tst_pzBox)
#include "tst_pzBox.moc"
