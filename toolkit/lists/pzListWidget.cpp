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
    auto* list = new pzItemVList(q);
    list->setObjectName(QStringLiteral("itemList"));
    // The content is always exactly its size hint: its widest entry by all entries' heights.
    list->layout()->setSizeConstraint(QLayout::SetFixedSize);
    q->setWidget(list);
    itemList = list;
    q->setBackgroundColor(pzLook::areaColor);
    q->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

pzItemVList* pzListWidgetPrivate::shownList() const {
    auto* list = qobject_cast<pzItemVList*>(itemList.data());
    return list && q_func()->widget() == list ? list : nullptr;
}

pzListInterface* pzListWidget::interface() const {
    return d_func()->interface;
}

void pzListWidget::addWidget(QWidget* widget, int stretch, Qt::Alignment alignment) {
    if (pzItemVList* list = d_func()->shownList())
        list->addWidget(widget, stretch, alignment);
}

void pzListWidget::insertWidget(int index, QWidget* widget, int stretch, Qt::Alignment alignment) {
    if (pzItemVList* list = d_func()->shownList())
        list->insertWidget(unsigned(index), widget, stretch, alignment);
}

void pzListWidget::removeWidget(QWidget* widget) {
    if (pzItemVList* list = d_func()->shownList())
        list->removeWidget(widget);
}

void pzListWidget::deleteAll() {
    pzItemVList* list = d_func()->shownList();
    if (!list)
        return;
    const QVector<QWidget*> widgets = list->widgetVector();
    list->clear();
    for (QWidget* widget : widgets)
        widget->deleteLater();
}

void pzListWidget::resizeEvent(QResizeEvent* event) {
    const pzItemVList* list = d_func()->shownList();
    const QVector<QWidget*> widgets = list ? list->widgetVector() : QVector<QWidget*>();
    for (QWidget* widget : widgets)
        widget->setFixedWidth(width());
    QScrollArea::resizeEvent(event);
}
