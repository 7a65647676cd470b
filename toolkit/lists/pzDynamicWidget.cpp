// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzDynamicWidget.h"

#include "pzDynamicWidget_p.h"

#include <QVBoxLayout>

pzDynamicWidget::pzDynamicWidget(QWidget* parent)
    : QFrame(parent)
    , pzPrivatable(new pzDynamicWidgetPrivate) {
    Q_D(pzDynamicWidget);
    d->contentLayout = new QVBoxLayout(this);
    d->contentLayout->setContentsMargins(0, 0, 0, 0);
    setFrameStyle(QFrame::NoFrame);
}

pzDynamicWidget::~pzDynamicWidget() = default;

QWidget* pzDynamicWidget::widget() const {
    return d_func()->widget;
}

QWidget* pzDynamicWidget::takeWidget() {
    Q_D(pzDynamicWidget);
    QWidget* taken = d->widget;
    if (taken)
        d->contentLayout->removeWidget(taken);
    d->widget = nullptr;
    return taken;
}

void pzDynamicWidget::setWidget(QWidget* widget) {
    if (!widget)
        return;
    Q_D(pzDynamicWidget);
    takeWidget();
    d->contentLayout->addWidget(widget, 0, Qt::Alignment());
    resize(widget->size());
    d->widget = widget;
}
