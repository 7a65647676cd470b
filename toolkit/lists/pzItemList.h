// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "pzPrivatable.h"
#include "pzToolsExport.h"

#include <QBoxLayout>
#include <QVector>
#include <QWidget>

class pzItemListPrivate;

/// A widget that lines up widgets, nested layouts, spacings and stretches in one direction, with no
/// margin and no spacing, and remembers the widgets and layouts it was given.
///
/// It is a QBoxLayout in a widget, with the layout's calls, plus a record of the widgets handed
/// over (widgetVector()) for an owner that walks or clears them; pzListWidget keeps its entries in
/// one. Make one of its two directions, pzItemHList (a row) or pzItemVList (a column):
/// \code
/// auto* row = new pzItemHList(parent);
/// row->addWidget(new QLabel(tr("Name")));
/// row->addSpacing(8);
/// row->addWidget(new QLineEdit);
/// row->addStretch(1);
/// \endcode
class PZTOOLS_EXPORT pzItemList : public QWidget, public pzPrivatable {
    Q_OBJECT
    /// The recorded widgets; see widgetVector().
    Q_PROPERTY(QVector<QWidget*> mWidgetVector READ widgetVector)

public:
    /// An empty list laid out in `direction`. A null `parent` makes a top-level widget.
    explicit pzItemList(QBoxLayout::Direction direction, QWidget* parent = nullptr);
    /// Destroys the list, its widgets and its nested layouts.
    ~pzItemList() override;

    /// Appends `widget`, which becomes a child of the list, and records it; null changes nothing.
    /// The same widget handed over twice is recorded twice.
    /// Indexes count every item of the box layout, spacings and stretches included; an index
    /// past the end appends.
    virtual void addWidget(QWidget* widget, int stretch = 0,
                           Qt::Alignment alignment = Qt::Alignment());
    /// Inserts `widget` at `index`, as addWidget() does.
    virtual void insertWidget(unsigned int index, QWidget* widget, int stretch = 0,
                              Qt::Alignment alignment = Qt::Alignment());
    /// Takes `widget` out of the layout and forgets it; it stays a child of the list, neither
    /// hidden nor deleted. A widget not in the list changes nothing.
    virtual void removeWidget(QWidget* widget);
    /// Appends the nested `layout`, which the list's layout takes as a child, and records it; null
    /// changes nothing.
    virtual void addLayout(QLayout* layout, int stretch = 0);
    /// Inserts the nested `layout` at `index`, as addLayout() does.
    virtual void insertLayout(unsigned int index, QLayout* layout, int stretch = 0);
    /// Appends a fixed space of `spacing` pixels.
    virtual void addSpacing(unsigned int spacing);
    /// Inserts a fixed space of `spacing` pixels at `index`.
    virtual void insertSpacing(unsigned int index, unsigned int spacing);
    /// Appends a stretch of factor `stretch`.
    virtual void addStretch(unsigned int stretch = 0);
    /// Inserts a stretch of factor `stretch` at `index`.
    virtual void insertStretch(unsigned int index, unsigned int stretch = 0);
    /// Empties the list and both records.
    /// Widgets stay children of the list, neither hidden nor deleted. Nested layouts are taken
    /// out and not deleted: the caller that handed them over deletes them.
    virtual void clear();
    /// An index with no item changes nothing.
    /// Takes the item out of the layout and deletes the layout's item: a widget survives (and
    /// stays listed), a spacing or stretch goes, a nested layout is deleted.
    virtual void removeItem(unsigned int index);
    /// The number of layout items, not the geometry: this hides QWidget::size().
    virtual unsigned int size() const;

    /// The recorded widgets.
    /// In the order the widgets were handed over, not in screen order.
    QVector<QWidget*> widgetVector() const;

protected:
    /// \cond
    /// For the toolkit's own subclasses (record types are not installed): installs the subclass's
    /// own record `d`, laid out in `direction`.
    pzItemList(pzItemListPrivate* d, QBoxLayout::Direction direction, QWidget* parent);
    /// \endcond

private:
    PZ_DECLARE_PRIVATE(pzItemList)
};
