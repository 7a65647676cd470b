// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzListWidget.h"

#include "pzItemVList.h"
#include "pzListWidget_p.h"
#include "pzLook_p.h"

#include <QLayout>

void pzListWidgetPrivate::createInterface() {
    interface = new pzListInterface(q_func());
    interface->setObjectName(QStringLiteral("interface"));
}

pzListWidget::pzListWidget(QWidget* parent)
    : pzListWidget(new pzListWidgetPrivate, parent) {}

pzListWidget::pzListWidget(pzListWidgetPrivate* d, QWidget* parent)
    : pzScrollArea(d, parent) {
    d->setUpList();
    d->createInterface();
}

pzListWidget::~pzListWidget() = default;

void pzListWidgetPrivate::setUpList() {
    Q_Q(pzListWidget);
    itemList = new pzItemVList(q);
    itemList->setObjectName(QStringLiteral("itemList"));
    // The content is always exactly its size hint: its widest entry by all entries' heights.
    itemList->layout()->setSizeConstraint(QLayout::SetFixedSize);
    q->setWidget(itemList);
    q->setBackgroundColor(pzLook::areaColor);
    q->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

pzListInterface* pzListWidget::interface() const {
    return d_func()->interface;
}

void pzListWidget::addWidget(QWidget* widget, int stretch, Qt::Alignment alignment) {
    d_func()->itemList->addWidget(widget, stretch, alignment);
}

void pzListWidget::insertWidget(int index, QWidget* widget, int stretch, Qt::Alignment alignment) {
    d_func()->itemList->insertWidget(unsigned(index), widget, stretch, alignment);
}

void pzListWidget::removeWidget(QWidget* widget) {
    d_func()->itemList->removeWidget(widget);
}

void pzListWidget::deleteAll() {
    Q_D(pzListWidget);
    const QVector<QWidget*> widgets = d->itemList->widgetVector();
    d->itemList->clear();
    for (QWidget* widget : widgets)
        widget->deleteLater();
}

void pzListWidget::resizeEvent(QResizeEvent* event) {
    const QVector<QWidget*> widgets = d_func()->itemList->widgetVector();
    for (QWidget* widget : widgets)
        widget->setFixedWidth(width());
    QScrollArea::resizeEvent(event);
}
