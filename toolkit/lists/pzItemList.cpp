// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzItemList.h"

pzItemList::pzItemList(QBoxLayout::Direction direction, QWidget* parent)
    : QWidget(parent)
    , mBoxLayout(new QBoxLayout(direction, this)) {
    mBoxLayout->setContentsMargins(0, 0, 0, 0);
    mBoxLayout->setSpacing(0);
}

pzItemList::~pzItemList() {
    // The children are deleted by QWidget's destructor, after the vectors are gone; they must
    // not report their end to them.
    for (QWidget* widget : std::as_const(mWidgetVector))
        disconnect(widget, &QObject::destroyed, this, &pzItemList::forgetWidget);
    for (QLayout* layout : std::as_const(mLayoutVector))
        disconnect(layout, &QObject::destroyed, this, &pzItemList::forgetLayout);
}

void pzItemList::addWidget(QWidget* widget, int stretch, Qt::Alignment alignment) {
    insertWidget(size(), widget, stretch, alignment);
}

void pzItemList::insertWidget(unsigned int index, QWidget* widget, int stretch,
                              Qt::Alignment alignment) {
    // A widget in the layout twice would be deleted twice by it.
    if (!widget || mBoxLayout->indexOf(widget) >= 0)
        return;
    if (size() < index) {
        addWidget(widget, stretch, alignment);
        return;
    }
    mBoxLayout->insertWidget(int(index), widget, stretch, alignment);
    // Listed widgets may be deleted by their owners; a dangling entry would be touched later.
    if (!mWidgetVector.contains(widget))
        connect(widget, &QObject::destroyed, this, &pzItemList::forgetWidget);
    mWidgetVector.append(widget);
}

void pzItemList::removeWidget(QWidget* widget) {
    const qsizetype at = mWidgetVector.indexOf(widget);
    if (at < 0)
        return;
    mBoxLayout->removeWidget(widget);
    mWidgetVector.remove(at);
    if (!mWidgetVector.contains(widget))
        disconnect(widget, &QObject::destroyed, this, &pzItemList::forgetWidget);
}

void pzItemList::addLayout(QLayout* layout, int stretch) {
    insertLayout(size(), layout, stretch);
}

void pzItemList::insertLayout(unsigned int index, QLayout* layout, int stretch) {
    if (!layout)
        return;
    if (size() < index) {
        addLayout(layout, stretch);
        return;
    }
    mBoxLayout->insertLayout(int(index), layout, stretch);
    // removeItem() deletes a nested layout; clear() must not reach it afterwards.
    connect(layout, &QObject::destroyed, this, &pzItemList::forgetLayout);
    mLayoutVector.append(layout);
}

void pzItemList::addSpacing(unsigned int spacing) {
    insertSpacing(size(), spacing);
}

void pzItemList::insertSpacing(unsigned int index, unsigned int spacing) {
    if (size() < index)
        addSpacing(spacing);
    else
        mBoxLayout->insertSpacing(int(index), int(spacing));
}

void pzItemList::addStretch(unsigned int stretch) {
    insertStretch(size(), stretch);
}

void pzItemList::insertStretch(unsigned int index, unsigned int stretch) {
    if (size() < index)
        addStretch(stretch);
    else
        mBoxLayout->insertStretch(int(index), int(stretch));
}

void pzItemList::clear() {
    for (QWidget* widget : std::as_const(mWidgetVector)) {
        mBoxLayout->removeWidget(widget);
        disconnect(widget, &QObject::destroyed, this, &pzItemList::forgetWidget);
    }
    mWidgetVector = QVector<QWidget*>();

    for (QLayout* layout : std::as_const(mLayoutVector)) {
        mBoxLayout->removeItem(layout);
        disconnect(layout, &QObject::destroyed, this, &pzItemList::forgetLayout);
    }
    mLayoutVector = QVector<QLayout*>();

    while (QLayoutItem* item = mBoxLayout->takeAt(0))
        delete item;
}

void pzItemList::removeItem(unsigned int index) {
    // An index past the end turns negative or too large as an int; takeAt() refuses both.
    delete mBoxLayout->takeAt(int(index));
}

unsigned int pzItemList::size() const {
    return unsigned(mBoxLayout->count());
}

QVector<QWidget*> pzItemList::widgetVector() const {
    return mWidgetVector;
}

void pzItemList::forgetWidget(QObject* widget) {
    // Only the address is compared: the widget is past its QWidget destructor by now.
    mWidgetVector.removeIf([widget](QWidget* listed) { return listed == widget; });
}

void pzItemList::forgetLayout(QObject* layout) {
    mLayoutVector.removeIf([layout](QLayout* listed) { return listed == layout; });
}
