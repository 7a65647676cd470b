// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzBox.h"

#include "pzBoxRim_p.h"
#include "pzBoxTop.h"
#include "pzBox_p.h"
#include "pzDynamicWidget.h"
#include "pzEdgeGrip.h"
#include "pzListInterface.h"
#include "pzListItem.h"
#include "pzListMenu.h"
#include "pzListWidget.h"
#include "pzLook_p.h"
#include "pzNativeGeometry_p.h"
#include "pzPaint.h"
#include "pzSizeGrip.h"
#include "pzSystemDrag_p.h"
#include "pzWindowPlacement_p.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>
#include <QWindow>

QRect pzBoxPrivate::availableArea() const {
    const pzBox* q = q_func();
    QScreen* screen = q->windowHandle() ? q->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

bool pzBoxPrivate::isDragPosAllowed(const QPoint& globalPos) {
    const QScreen* screen = QGuiApplication::screenAt(globalPos);
    return screen && screen->availableGeometry().contains(globalPos);
}

void pzBoxPrivate::pressDrag(const QPoint& globalPos) {
    drag = Drag::Pressed;
    // The press itself is the drag's first position, so the window follows the pointer's
    // whole displacement rather than losing the first motion step.
    dragPos.reset();
    if (isDragPosAllowed(globalPos))
        dragPos = globalPos;
}

bool pzBoxPrivate::handOverDrag(Qt::MouseButtons buttons) {
    if (drag != Drag::Pressed || !buttons.testFlag(Qt::LeftButton))
        return false;
    drag = pzSystemDrag::start(q_func()) ? Drag::HandedOver : Drag::Moving;
    return drag == Drag::HandedOver;
}

void pzBoxPrivate::followDrag(const QPoint& globalPos) {
    if (!isDragPosAllowed(globalPos))
        return;
    if (dragPos)
        q_func()->move(q_func()->pos() + globalPos - *dragPos);
    dragPos = globalPos;
}

void pzBoxPrivate::setMaximizedState(bool isMaximized) {
    maximized = isMaximized;
    setGripsVisible(!isMaximized);
    emit q_func()->maximizedChanged(isMaximized);
}

void pzBoxPrivate::followWindowState(Qt::WindowStates oldState) {
    pzBox* q = q_func();
    const Qt::WindowStates state = q->windowState();
    if (changingWindowState || state.testFlag(Qt::WindowMinimized) ||
        state.testFlag(Qt::WindowMaximized) == oldState.testFlag(Qt::WindowMaximized))
        return;
    if (state.testFlag(Qt::WindowMaximized)) {
        if (maximized)
            return;
        // Qt keeps the geometry the window had before the window system maximized it.
        normalGeometry = q->normalGeometry();
        setMaximizedState(true);
    } else if (maximized) {
        // The window system puts the window back where it was itself.
        normalGeometry = QRect(-1, -1, -1, -1);
        setMaximizedState(false);
    }
}

QRect pzBoxPrivate::placedOnScreens(const QRect& geometry) const {
    QList<QRect> screenAreas;
    for (const QScreen* screen : QGuiApplication::screens())
        screenAreas.append(screen->availableGeometry());
    const int titleBarHeight = mainLayout->contentsMargins().top() + boxTop->sizeHint().height();
    return pzWindowPlacement::restored(geometry, titleBarHeight, screenAreas, availableArea());
}

void pzBoxPrivate::followScreens() {
    pzBox* q = q_func();
    // The window system places windows it maximized itself.
    if (!q->isVisible() || q->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))
        return;
    if (maximized) {
        fillAvailableArea();
        return;
    }
    const QRect wanted = placedOnScreens(q->geometry());
    if (wanted != q->geometry())
        setGeometryOnSteps(wanted);
}

void pzBoxPrivate::fillAvailableArea() {
    pzBox* q = q_func();
    const QRect area = availableArea();
    if (area.isEmpty())
        return;
    alignSizeSteps(pzNativeGeometry::availableArea(q->windowHandle()).size());
    if (q->geometry() != area)
        q->setGeometry(area);
    pzNativeGeometry::fillAvailableArea(q->windowHandle());
}

void pzBoxPrivate::alignSizeSteps(const QSize& nativeSize) {
    pzBox* q = q_func();
    const QSize base = pzNativeGeometry::stepBase(q->windowHandle(), nativeSize);
    if (!base.isValid())
        return;
    // The widget hands its base size to the window at every change of its minimum size; the
    // window's is set as well, since the widget passes on no base size equal to its own, and
    // its own starts at 0 by 0 while the window's does not.
    q->setBaseSize(base);
    q->windowHandle()->setBaseSize(base);
}

void pzBoxPrivate::setGeometryOnSteps(const QRect& geometry) {
    pzBox* q = q_func();
    alignSizeSteps(pzNativeGeometry::toNative(q->windowHandle(), geometry.size()));
    q->setGeometry(geometry);
}

void pzBoxPrivate::watchScreen(QScreen* screen) {
    // Queued, so that the window has moved to its new screen when a screen goes away, and every
    // change of one reconfiguration has arrived.
    pzBox* q = q_func();
    for (auto changed : {&QScreen::geometryChanged, &QScreen::availableGeometryChanged})
        QObject::connect(
            screen, changed, q, [this] { followScreens(); }, Qt::QueuedConnection);
}

void pzBoxPrivate::updateMinimumSize() {
    pzBox* q = q_func();
    // The title's new width has to reach the layouts now, not when their posted requests run.
    boxTop->programButton()->updateGeometry();
    boxTop->updateGeometry();
    const QSize needed = mainLayout->totalMinimumSize();
    // The offscreen platform takes no size hints: once the window exists it warns at every
    // change of them.
    if (q->windowHandle() && QGuiApplication::platformName() == QLatin1String("offscreen"))
        return;
    q->setMinimumSize(needed);
}

QList<QWidget*> pzBoxPrivate::titleBarButtons() const {
    return {boxTop->programButton(), boxTop->iconifyButton(), boxTop->minimizeButton(),
            boxTop->closeButton()};
}

QList<pzSizeGrip*> pzBoxPrivate::cornerGrips() const {
    return {gripTopLeft, gripTopRight, gripBottomLeft, gripBottomRight};
}

QList<pzEdgeGrip*> pzBoxPrivate::edgeGrips() const {
    return {edgeTop, edgeBottom, edgeLeft, edgeRight};
}

void pzBoxPrivate::setPanelShown(bool shown) {
    if (!panel)
        return;
    panel->setVisible(shown);
    // The bar takes the room the hidden panel leaves.
    mainLayout->setStretchFactor(boxTop, shown ? 0 : 1);
    updateMinimumSize();
}

bool pzBoxPrivate::closeShownPage() {
    auto* menu = qobject_cast<pzListMenu*>(menuPage.data());
    pzListItem* item = menu ? menu->currentItem() : nullptr;
    if (!item)
        return false;
    // Focus inside the page would otherwise wander off with the page.
    if (item->isVisible())
        item->setFocus(Qt::OtherFocusReason);
    menu->unselectItem(item);
    return true;
}

void pzBoxPrivate::placeEdgeGrips() {
    const pzBox* q = q_func();
    const int w = q->width();
    const int h = q->height();
    const int gw = gripTopLeft->width();
    const int gh = gripTopLeft->height();
    const int t = edgeThickness;
    edgeTop->setGeometry(gw, 0, w - 2 * gw, t);
    edgeBottom->setGeometry(gw, h - t, w - 2 * gw, t);
    edgeLeft->setGeometry(0, gh, t, h - 2 * gh);
    edgeRight->setGeometry(w - t, gh, t, h - 2 * gh);
}

pzBox::pzBox(QWidget* parent)
    : QWidget(parent)
    , pzPrivatable(new pzBoxPrivate) {
    d_func()->init();
}

pzBox::pzBox(pzBoxPrivate* d, QWidget* parent)
    : QWidget(parent)
    , pzPrivatable(d) {
    d_func()->init();
}

pzBox::~pzBox() = default;

void pzBoxPrivate::init() {
    Q_Q(pzBox);
    q->setWindowFlags(Qt::Window | Qt::FramelessWindowHint);

    contentHolder = new pzDynamicWidget(q);
    const int rim = pzLook::rimWidth;
    contentHolder->layout()->setContentsMargins(rim, rim, rim, rim);

    mainLayout = new QVBoxLayout(q);
    mainLayout->setContentsMargins(rim, rim, rim, rim);
    mainLayout->setSpacing(0);

    for (pzSizeGrip** grip : {&gripTopLeft, &gripTopRight, &gripBottomLeft, &gripBottomRight}) {
        *grip = new pzSizeGrip(q);
        (*grip)->setFixedSize(pzLook::gripSize, pzLook::gripSize);
    }
    edgeTop = new pzEdgeGrip(Qt::TopEdge, q);
    edgeBottom = new pzEdgeGrip(Qt::BottomEdge, q);
    edgeLeft = new pzEdgeGrip(Qt::LeftEdge, q);
    edgeRight = new pzEdgeGrip(Qt::RightEdge, q);
    for (Qt::Edge edge : {Qt::TopEdge, Qt::BottomEdge, Qt::LeftEdge, Qt::RightEdge})
        rimSides.append(new pzBoxRim(edge, q));

    boxTop = new pzBoxTop(q);
    mainLayout->addWidget(boxTop, 1, Qt::AlignTop);
    // The side handles reach 2 pixels into the window past the rim, over the title bar's
    // buttons too; presses there belong to the buttons.
    for (pzEdgeGrip* edge : edgeGrips())
        for (QWidget* button : titleBarButtons())
            edge->keepClearOf(button);

    panel = new pzBoxPanel;
    mainLayout->addWidget(panel, 10);
    panel->setVisible(false);

    updateMinimumSize();
    q->resize(400, 300);
    normalGeometry = QRect(-1, -1, -1, -1);
    maximized = false;
    q->pzBox::setWindowIcon(QIcon(QStringLiteral(":/niraLogoWhiteSmall.png")));

    auto* quit = new QShortcut(QKeySequence::Quit, q);
    QObject::connect(quit, &QShortcut::activated, qApp, &QApplication::closeAllWindows);

    for (QScreen* screen : QGuiApplication::screens())
        watchScreen(screen);
    QObject::connect(qGuiApp, &QGuiApplication::screenAdded, q, [this](QScreen* screen) {
        watchScreen(screen);
        followScreens();
    });
    QObject::connect(
        qGuiApp, &QGuiApplication::screenRemoved, q, [this] { followScreens(); },
        Qt::QueuedConnection);
}

void pzBox::setContent(QWidget* widget) {
    Q_D(pzBox);
    d->contentHolder->setWidget(widget);
    // The holder takes the new content's size; it has to cover the whole box again at once,
    // not only after the next resize of the window.
    d->contentHolder->resize(size());
}

void pzBox::setMenu(pzListPage* page) {
    Q_D(pzBox);
    d->menuPage = page;
    if (d->panel && d->panel->list())
        d->panel->list()->interface()->setPage(page);
}

pzBoxPanel* pzBox::panel() const {
    return d_func()->panel;
}

bool pzBox::isMaximized() const {
    return d_func()->maximized;
}

void pzBox::showPanel() {
    d_func()->setPanelShown(true);
}

void pzBox::hidePanel() {
    d_func()->setPanelShown(false);
}

void pzBox::togglePanel() {
    Q_D(pzBox);
    if (!d->panel)
        return;
    if (d->panel->isHidden()) {
        d->boxTop->programButton()->setChecked(true);
        showPanel();
    } else {
        d->boxTop->programButton()->setChecked(false);
        hidePanel();
    }
}

void pzBox::toggleWindow() {
    if (d_func()->maximized)
        showNormal();
    else
        showMaximized();
}

void pzBox::setTitle(const QString& title) {
    Q_D(pzBox);
    setWindowTitle(title);
    // Escaped: the label reads markup, and a title is only ever text.
    d->boxTop->programButton()->setText(QStringLiteral("<font color='White'><B>") +
                                        title.toHtmlEscaped() + QStringLiteral("</B></font>"));
    d->updateMinimumSize();
}

void pzBox::showMaximized() {
    Q_D(pzBox);
    if (d->maximized)
        return;
    d->normalGeometry = QRect(x(), y(), width(), height());
    d->fillAvailableArea();
    d->setMaximizedState(true);
}

void pzBox::showNormal() {
    Q_D(pzBox);
    if (!d->maximized)
        return;
    d->changingWindowState = true;
    QWidget::showNormal();
    d->changingWindowState = false;
    // A window the window system maximized comes back where it was before.
    if (d->normalGeometry.isValid())
        d->setGeometryOnSteps(d->restoredGeometry());
    d->normalGeometry = QRect(-1, -1, -1, -1);
    d->setMaximizedState(false);
}

void pzBox::setWindowIcon(const QIcon& icon) {
    d_func()->boxTop->programButton()->setIcon(icon);
    QWidget::setWindowIcon(icon);
}

void pzBox::centerOnScreen() {
    const QPoint centre = d_func()->availableArea().center();
    move(centre.x() - (width() - 1) / 2, centre.y() - (height() - 1) / 2);
}

void pzBoxPrivate::setGripsVisible(bool visible) {
    for (pzSizeGrip* grip : cornerGrips())
        grip->setVisible(visible);
    for (pzEdgeGrip* edge : edgeGrips())
        edge->setVisible(visible);
}

void pzBox::mousePressEvent(QMouseEvent* event) {
    d_func()->pressDrag(event->globalPosition().toPoint());
}

void pzBox::mouseReleaseEvent(QMouseEvent*) {
    d_func()->releaseDrag();
}

void pzBox::mouseMoveEvent(QMouseEvent* event) {
    Q_D(pzBox);
    if (!d->isDragging() || d->maximized)
        return;
    // Handed over at the first motion rather than at the press, so that double clicks on the
    // title bar still reach the box. Ahead of the position check: where the compositor moves
    // windows, global positions do not tell where the window is.
    if (d->handOverDrag(event->buttons()))
        return;
    d->followDrag(event->globalPosition().toPoint());
}

// As on other desktops, a double click on the title bar maximizes or restores the window.
void pzBox::mouseDoubleClickEvent(QMouseEvent* event) {
    Q_D(pzBox);
    if (event->button() == Qt::LeftButton &&
        d->boxTop->geometry().contains(event->position().toPoint()))
        toggleWindow();
}

// Escape closes the page that the menu shows, when no widget inside took the key.
void pzBox::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Cancel) && d_func()->closeShownPage())
        return;
    QWidget::keyPressEvent(event);
}

void pzBox::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange)
        d_func()->followWindowState(static_cast<QWindowStateChangeEvent*>(event)->oldState());
    QWidget::changeEvent(event);
}

void pzBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!painter.isActive())
        return;
    pzPaint paint(painter);
    paint.drawRect(QRect(0, 0, width(), height()), pzLook::rimColor);
    const int rim = pzLook::rimWidth;
    paint.drawRect(QRect(rim, rim, width() - 2 * rim, height() - 2 * rim), Qt::white);
}

void pzBox::resizeEvent(QResizeEvent*) {
    Q_D(pzBox);
    // The size the window is about to be shown at.
    if (!isVisible())
        d->alignSizeSteps(pzNativeGeometry::size(windowHandle()));
    d->contentHolder->resize(size());
    const int w = width();
    const int h = height();
    const int gw = d->gripTopLeft->width();
    const int gh = d->gripTopLeft->height();
    d->gripTopLeft->move(0, 0);
    d->gripTopRight->move(w - gw, 0);
    d->gripBottomLeft->move(0, h - gh);
    d->gripBottomRight->move(w - gw, h - gh);
    d->placeEdgeGrips();
    for (pzBoxRim* side : d->rimSides)
        side->place();
    if (d->maximized)
        return;
    for (pzBoxRim* side : d->rimSides)
        side->raise();
    for (pzEdgeGrip* edge : d->edgeGrips())
        edge->raise();
    for (pzSizeGrip* grip : d->cornerGrips())
        grip->raise();
}
