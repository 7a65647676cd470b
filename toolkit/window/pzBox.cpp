#include "pzBox.h"

#include "pzBoxTop.h"
#include "pzBox_p.h"
#include "pzDynamicWidget.h"
#include "pzEdgeGrip.h"
#include "pzListInterface.h"
#include "pzListWidget.h"
#include "pzNativeGeometry_p.h"
#include "pzPaint.h"
#include "pzSizeGrip.h"
#include "pzSystemDrag_p.h"
#include "pzWindowPlacement_p.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
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

void pzBoxPrivate::setButtonIcon(const QString& path) {
    boxTop->minimizeButton()->setIcon(QIcon(path));
}

void pzBoxPrivate::setMaximizedState(bool isMaximized) {
    maximized = isMaximized;
    q_func()->setGripsVisible(!isMaximized);
    setButtonIcon(isMaximized ? QStringLiteral(":/iconMinimize.png")
                              : QStringLiteral(":/iconMaximize.png"));
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
        q->setGeometry(wanted);
}

void pzBoxPrivate::fillAvailableArea() {
    pzBox* q = q_func();
    const QRect area = availableArea();
    if (area.isEmpty())
        return;
    if (q->geometry() != area)
        q->setGeometry(area);
    pzNativeGeometry::fillAvailableArea(q->windowHandle());
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
    init();
}

pzBox::pzBox(pzBoxPrivate* d, QWidget* parent)
    : QWidget(parent)
    , pzPrivatable(d) {
    init();
}

pzBox::~pzBox() = default;

void pzBox::init() {
    Q_D(pzBox);
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);

    d->contentHolder = new pzDynamicWidget(this);
    d->contentHolder->layout()->setContentsMargins(2, 2, 2, 2);

    d->mainLayout = new QVBoxLayout(this);
    d->mainLayout->setContentsMargins(2, 2, 2, 2);
    d->mainLayout->setSpacing(0);

    for (pzSizeGrip** grip :
         {&d->gripTopLeft, &d->gripTopRight, &d->gripBottomLeft, &d->gripBottomRight}) {
        *grip = new pzSizeGrip(this);
        (*grip)->setFixedSize(10, 10);
    }
    d->edgeTop = new pzEdgeGrip(Qt::TopEdge, this);
    d->edgeBottom = new pzEdgeGrip(Qt::BottomEdge, this);
    d->edgeLeft = new pzEdgeGrip(Qt::LeftEdge, this);
    d->edgeRight = new pzEdgeGrip(Qt::RightEdge, this);

    d->dragging = false;
    d->lastDragPos = pzBoxPrivate::noDragPos();

    d->boxTop = new pzBoxTop(this);
    d->mainLayout->addWidget(d->boxTop, 1, Qt::AlignTop);
    // The side handles reach 2 pixels into the window past the rim, over the title bar's
    // buttons too; presses there belong to the buttons.
    for (pzEdgeGrip* edge : d->edgeGrips())
        for (QWidget* button : d->titleBarButtons())
            edge->keepClearOf(button);

    d->panel = new pzBoxPanel;
    d->mainLayout->addWidget(d->panel, 10);
    d->panel->setVisible(false);

    d->updateMinimumSize();
    resize(400, 300);
    d->normalGeometry = QRect(-1, -1, -1, -1);
    d->maximized = false;
    pzBox::setWindowIcon(QIcon(QStringLiteral(":/niraLogoWhiteSmall.png")));

    for (QScreen* screen : QGuiApplication::screens())
        d->watchScreen(screen);
    connect(qGuiApp, &QGuiApplication::screenAdded, this, [d](QScreen* screen) {
        d->watchScreen(screen);
        d->followScreens();
    });
    connect(
        qGuiApp, &QGuiApplication::screenRemoved, this, [d] { d->followScreens(); },
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
    d_func()->panel->list()->interface()->setPage(page);
}

pzBoxPanel* pzBox::panel() const {
    return d_func()->panel;
}

bool pzBox::isMaximized() const {
    return d_func()->maximized;
}

void pzBox::showPanel() {
    Q_D(pzBox);
    d->panel->setVisible(true);
    d->mainLayout->setStretchFactor(d->boxTop, 0);
    d->updateMinimumSize();
}

void pzBox::hidePanel() {
    Q_D(pzBox);
    d->panel->setVisible(false);
    d->mainLayout->setStretchFactor(d->boxTop, 1);
    d->updateMinimumSize();
}

void pzBox::togglePanel() {
    Q_D(pzBox);
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
    d->boxTop->programButton()->setText(QStringLiteral("<font color='White'><B>") + title +
                                        QStringLiteral("</B></font>"));
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
        setGeometry(d->restoredGeometry());
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

void pzBox::setGripsVisible(bool visible) {
    Q_D(pzBox);
    for (pzSizeGrip* grip : d->cornerGrips())
        grip->setVisible(visible);
    for (pzEdgeGrip* edge : d->edgeGrips())
        edge->setVisible(visible);
}

void pzBox::mousePressEvent(QMouseEvent* event) {
    Q_D(pzBox);
    d->dragging = true;
    d->systemMovePending = true;
    // The press itself is the drag's first position, so the window follows the pointer's
    // whole displacement rather than losing the first motion step.
    const QPoint pos = event->globalPosition().toPoint();
    d->lastDragPos = pzBoxPrivate::isDragPosAllowed(pos) ? pos : pzBoxPrivate::noDragPos();
}

void pzBox::mouseReleaseEvent(QMouseEvent*) {
    d_func()->dragging = false;
}

void pzBox::mouseMoveEvent(QMouseEvent* event) {
    Q_D(pzBox);
    if (!d->dragging || d->maximized)
        return;
    // Handed over at the first motion rather than at the press, so that double clicks on the
    // title bar still reach the box. Ahead of the position check: where the compositor moves
    // windows, global positions do not tell where the window is.
    if (d->systemMovePending && event->buttons().testFlag(Qt::LeftButton)) {
        d->systemMovePending = false;
        if (pzSystemDrag::start(this)) {
            d->dragging = false;
            return;
        }
    }
    const QPoint pos = event->globalPosition().toPoint();
    if (!pzBoxPrivate::isDragPosAllowed(pos))
        return;
    if (d->lastDragPos != pzBoxPrivate::noDragPos())
        move(x() + pos.x() - d->lastDragPos.x(), y() + pos.y() - d->lastDragPos.y());
    d->lastDragPos = pos;
}

// As on other desktops, a double click on the title bar maximizes or restores the window.
void pzBox::mouseDoubleClickEvent(QMouseEvent* event) {
    Q_D(pzBox);
    if (event->button() == Qt::LeftButton &&
        d->boxTop->geometry().contains(event->position().toPoint()))
        toggleWindow();
}

void pzBox::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange)
        d_func()->followWindowState(static_cast<QWindowStateChangeEvent*>(event)->oldState());
    QWidget::changeEvent(event);
}

void pzBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    pzPaint paint(painter);
    paint.drawRect(QRect(0, 0, width(), height()), Qt::black);
    paint.drawRect(QRect(2, 2, width() - 4, height() - 4), Qt::white);
}

void pzBox::resizeEvent(QResizeEvent*) {
    Q_D(pzBox);
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
    if (d->maximized)
        return;
    for (pzEdgeGrip* edge : d->edgeGrips())
        edge->raise();
    for (pzSizeGrip* grip : d->cornerGrips())
        grip->raise();
}
