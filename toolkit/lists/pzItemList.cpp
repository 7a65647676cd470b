// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzItemList.h"

#include "pzItemList_p.h"

void pzItemListPrivate::init(QBoxLayout::Direction direction) {
    boxLayout = new QBoxLayout(direction, q_func());
    boxLayout->setContentsMargins(0, 0, 0, 0);
    boxLayout->setSpacing(0);
}

void pzItemListPrivate::watch(QObject* object, void (pzItemListPrivate::*forget)(QObject*)) {
    QObject::connect(object, &QObject::destroyed, q_func(),
                     [this, forget](QObject* gone) { (this->*forget)(gone); });
}

void pzItemListPrivate::unwatch(QObject* object) {
    QObject::disconnect(object, &QObject::destroyed, q_func(), nullptr);
}

void pzItemListPrivate::forgetWidget(QObject* widget) {
    // Only the address is compared: the widget is past its QWidget destructor by now.
    widgets.removeIf([widget](QWidget* listed) { return listed == widget; });
}

void pzItemListPrivate::forgetLayout(QObject* layout) {
    layouts.removeIf([layout](QLayout* listed) { return listed == layout; });
}

pzItemList::pzItemList(QBoxLayout::Direction direction, QWidget* parent)
    : pzItemList(new pzItemListPrivate, direction, parent) {}

pzItemList::pzItemList(pzItemListPrivate* d, QBoxLayout::Direction direction, QWidget* parent)
    : QWidget(parent)
    , pzPrivatable(d) {
    d->init(direction);
}

pzItemList::~pzItemList() {
    // The children are deleted by QWidget's destructor, after the record is gone; they must
    // not report their end to it.
    Q_D(pzItemList);
    for (QWidget* widget : std::as_const(d->widgets))
        d->unwatch(widget);
    for (QLayout* layout : std::as_const(d->layouts))
        d->unwatch(layout);
}

void pzItemList::addWidget(QWidget* widget, int stretch, Qt::Alignment alignment) {
    insertWidget(size(), widget, stretch, alignment);
}

void pzItemList::insertWidget(unsigned int index, QWidget* widget, int stretch,
                              Qt::Alignment alignment) {
    Q_D(pzItemList);
    // A widget in the layout twice would be deleted twice by it.
    if (!widget || d->boxLayout->indexOf(widget) >= 0)
        return;
    if (size() < index) {
        addWidget(widget, stretch, alignment);
        return;
    }
    d->boxLayout->insertWidget(int(index), widget, stretch, alignment);
    if (!d->widgets.contains(widget))
        d->watch(widget, &pzItemListPrivate::forgetWidget);
    d->widgets.append(widget);
}

void pzItemList::removeWidget(QWidget* widget) {
    Q_D(pzItemList);
    const qsizetype at = d->widgets.indexOf(widget);
    if (at < 0)
        return;
    d->boxLayout->removeWidget(widget);
    d->widgets.remove(at);
    if (!d->widgets.contains(widget))
        d->unwatch(widget);
}

void pzItemList::addLayout(QLayout* layout, int stretch) {
    insertLayout(size(), layout, stretch);
}

void pzItemList::insertLayout(unsigned int index, QLayout* layout, int stretch) {
    Q_D(pzItemList);
    if (!layout)
        return;
    if (size() < index) {
        addLayout(layout, stretch);
        return;
    }
    d->boxLayout->insertLayout(int(index), layout, stretch);
    // removeItem() deletes a nested layout; clear() must not reach it afterwards.
    if (!d->layouts.contains(layout))
        d->watch(layout, &pzItemListPrivate::forgetLayout);
    d->layouts.append(layout);
}

void pzItemList::addSpacing(unsigned int spacing) {
    insertSpacing(size(), spacing);
}

void pzItemList::insertSpacing(unsigned int index, unsigned int spacing) {
    if (size() < index)
        addSpacing(spacing);
    else
        d_func()->boxLayout->insertSpacing(int(index), int(spacing));
}

void pzItemList::addStretch(unsigned int stretch) {
    insertStretch(size(), stretch);
}

void pzItemList::insertStretch(unsigned int index, unsigned int stretch) {
    if (size() < index)
        addStretch(stretch);
    else
        d_func()->boxLayout->insertStretch(int(index), int(stretch));
}

void pzItemList::clear() {
    Q_D(pzItemList);
    for (QWidget* widget : std::as_const(d->widgets)) {
        d->boxLayout->removeWidget(widget);
        d->unwatch(widget);
    }
    d->widgets = QVector<QWidget*>();

    for (QLayout* layout : std::as_const(d->layouts)) {
        d->boxLayout->removeItem(layout);
        d->unwatch(layout);
    }
    d->layouts = QVector<QLayout*>();

    while (QLayoutItem* item = d->boxLayout->takeAt(0))
        delete item;
}

void pzItemList::removeItem(unsigned int index) {
    // An index past the end turns negative or too large as an int; takeAt() refuses both.
    delete d_func()->boxLayout->takeAt(int(index));
}

unsigned int pzItemList::size() const {
    return unsigned(d_func()->boxLayout->count());
}

QVector<QWidget*> pzItemList::widgetVector() const {
    return d_func()->widgets;
}
