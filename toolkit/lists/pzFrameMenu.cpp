// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzFrameMenu.h"

#include "pzFrameMenu_p.h"
#include "pzLook_p.h"
#include "pzPaint.h"

#include <QPainter>

pzFrameMenu::pzFrameMenu(QWidget* parent)
    : QWidget(parent)
    , pzPrivatable(new pzFrameMenuPrivate) {
    Q_D(pzFrameMenu);
    d->dynamicWidget = new pzDynamicWidget(this);
    d->dynamicWidget->setObjectName(QStringLiteral("dynamicWidget"));
    d->dynamicWidget->move(0, 0);
    resize(0, 0);
}

// The shown widget is deleted with the children, after this object has stopped being a frame menu.
pzFrameMenu::~pzFrameMenu() {
    disconnect(d_func()->widgetWatch);
}

pzDynamicWidget* pzFrameMenu::dynamicWidget() const {
    return d_func()->dynamicWidget;
}

int pzFrameMenu::margin() const {
    return d_func()->margin;
}

QWidget* pzFrameMenu::widget() const {
    return d_func()->dynamicWidget->widget();
}

void pzFrameMenu::setWidget(QWidget* widget) {
    if (!widget)
        return;
    Q_D(pzFrameMenu);
    d->dynamicWidget->setWidget(widget);
    resize(widget->width() + d->margin, widget->height() + d->margin);
    // Deleted elsewhere, the widget leaves no shadow around nothing.
    disconnect(d->widgetWatch);
    d->widgetWatch = connect(widget, &QObject::destroyed, this, [this] { resize(0, 0); });
}

QWidget* pzFrameMenu::takeWidget() {
    disconnect(d_func()->widgetWatch);
    resize(0, 0);
    return d_func()->dynamicWidget->takeWidget();
}

void pzFrameMenu::resizeEvent(QResizeEvent*) {
    Q_D(pzFrameMenu);
    d->dynamicWidget->resize(width() - d->margin, height() - d->margin);
}

void pzFrameMenu::paintEvent(QPaintEvent*) {
    Q_D(pzFrameMenu);
    const QColor shadow = pzLook::barColor;
    const int m = d->margin;
    QPainter painter(this);
    if (!painter.isActive())
        return;
    pzPaint paint(painter);
    paint.drawRect(QRect(width() - m, 0, m, height()), shadow);
    paint.drawRect(QRect(0, height() - m, width() - m, m), shadow);
}
