// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzBox.h"

#include "pzBoxMenu_p.h"
#include "pzBoxTop.h"
#include "pzBox_p.h"
#include "pzDynamicWidget.h"
#include "pzFadeTextButton.h"
#include "pzListInterface.h"
#include "pzListPage.h"
#include "pzListWidget.h"
#include "pzLook_p.h"
#include "pzNativeGeometry_p.h"
#include "pzPaint.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QShowEvent>
#include <QWindow>

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

void pzBox::setContent(QWidget* widget) {
    Q_D(pzBox);
    if (!d->contentHolder)
        return;
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
    return d_func()->windowState->isMaximized();
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
    const bool shown = d->panel->isHidden();
    if (QAbstractButton* button = d->programButton())
        button->setChecked(shown);
    if (shown)
        showPanel();
    else
        hidePanel();
}

void pzBox::toggleWindow() {
    if (isMaximized())
        showNormal();
    else
        showMaximized();
}

void pzBox::setTitle(const QString& title) {
    Q_D(pzBox);
    setWindowTitle(title);
    // Escaped: the label reads markup, and a title is only ever text.
    if (pzFadeTextButton* button = d->programButton())
        button->setText(QStringLiteral("<font color='White'><B>") + title.toHtmlEscaped() +
                        QStringLiteral("</B></font>"));
    d->updateMinimumSize();
}

void pzBox::showMaximized() {
    d_func()->windowState->maximize();
}

void pzBox::showNormal() {
    d_func()->windowState->restore();
}

void pzBox::setWindowIcon(const QIcon& icon) {
    if (pzFadeTextButton* button = d_func()->programButton())
        button->setIcon(icon);
    QWidget::setWindowIcon(icon);
}

void pzBox::centerOnScreen() {
    d_func()->placement->center();
}

void pzBox::mousePressEvent(QMouseEvent* event) {
    d_func()->drag.press(event->globalPosition().toPoint());
}

void pzBox::mouseReleaseEvent(QMouseEvent*) {
    d_func()->drag.release();
}

void pzBox::mouseMoveEvent(QMouseEvent* event) {
    Q_D(pzBox);
    if (!d->drag.isFollowing() || isMaximized())
        return;
    // Handed over at the first motion rather than at the press, so that double clicks on the
    // title bar still reach the box. Ahead of the position check: where the compositor moves
    // windows, global positions do not tell where the window is.
    if (d->drag.handOver(event->buttons()))
        return;
    d->drag.follow(event->globalPosition().toPoint());
}

// As on other desktops, a double click on the title bar maximizes or restores the window.
void pzBox::mouseDoubleClickEvent(QMouseEvent* event) {
    Q_D(pzBox);
    if (event->button() == Qt::LeftButton && d->boxTop &&
        d->boxTop->geometry().contains(event->position().toPoint()))
        toggleWindow();
}

// Escape closes the page that the menu shows, when no widget inside took the key.
void pzBox::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Cancel) && d_func()->closeShownPage())
        return;
    // Shift+F10 opens a context menu as the menu key does.
    const QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(), QPoint());
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier &&
        d_func()->boxTop && pzBoxMenu::openFor(this, d_func()->boxTop, &menuKey))
        return;
    QWidget::keyPressEvent(event);
}

void pzBox::contextMenuEvent(QContextMenuEvent* event) {
    QWidget* bar = d_func()->boxTop;
    event->setAccepted(bar && pzBoxMenu::openFor(this, bar, event));
}

void pzBox::closeEvent(QCloseEvent* event) {
    // The window system's close can arrive while Qt paints the window (on Wayland it reads events
    // while it waits for a buffer); closing at once would destroy the window under that paint.
    if (event->spontaneous()) {
        event->ignore();
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
        return;
    }
    QWidget::closeEvent(event);
}

void pzBox::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange)
        d_func()->windowState->follow(static_cast<QWindowStateChangeEvent*>(event)->oldState());
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
        d->placement->alignSizeSteps(pzNativeGeometry::size(windowHandle()));
    if (d->contentHolder)
        d->contentHolder->resize(size());
    d->frame->place(!isMaximized());
}

void pzBox::showEvent(QShowEvent* event) {
    if (!event->spontaneous())
        d_func()->placement->fitFirstShow();
    QWidget::showEvent(event);
}
