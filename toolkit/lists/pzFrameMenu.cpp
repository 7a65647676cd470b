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
    auto* holder = new pzDynamicWidget(this);
    holder->setObjectName(QStringLiteral("dynamicWidget"));
    holder->move(0, 0);
    d->dynamicWidget = holder;
    resize(0, 0);
}

// The shown widget is deleted with the children, after this object has stopped being a frame menu.
pzFrameMenu::~pzFrameMenu() {
    disconnect(d_func()->widgetWatch);
}

pzDynamicWidget* pzFrameMenu::dynamicWidget() const {
    return d_func()->holder();
}

int pzFrameMenu::margin() const {
    return d_func()->margin;
}

QWidget* pzFrameMenu::widget() const {
    const pzDynamicWidget* holder = d_func()->holder();
    return holder ? holder->widget() : nullptr;
}

void pzFrameMenu::setWidget(QWidget* widget) {
    Q_D(pzFrameMenu);
    pzDynamicWidget* holder = d->holder();
    if (!widget || !holder)
        return;
    holder->setWidget(widget);
    resize(widget->width() + d->margin, widget->height() + d->margin);
    // Deleted elsewhere, the widget leaves no shadow around nothing.
    disconnect(d->widgetWatch);
    d->widgetWatch = connect(widget, &QObject::destroyed, this, [this] { resize(0, 0); });
}

QWidget* pzFrameMenu::takeWidget() {
    Q_D(pzFrameMenu);
    disconnect(d->widgetWatch);
    resize(0, 0);
    pzDynamicWidget* holder = d->holder();
    return holder ? holder->takeWidget() : nullptr;
}

void pzFrameMenu::resizeEvent(QResizeEvent*) {
    Q_D(pzFrameMenu);
    if (pzDynamicWidget* holder = d->holder())
        holder->resize(width() - d->margin, height() - d->margin);
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
