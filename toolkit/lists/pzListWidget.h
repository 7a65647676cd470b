// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "pzListInterface.h"
#include "pzScrollArea.h"
#include "pzToolsExport.h"

class pzListWidgetPrivate;

/// A scrollable vertical list that shows the widgets of a list page, each stretched to the list's
/// width; its interface binds the page.
///
/// Use it for a list that a pzListPage fills, anywhere in a window; the side panel's menu is its
/// subclass pzMenu. The list takes the widgets the page emits and deletes them when the page is
/// dropped or replaced.
/// \code
/// auto* list = new pzListWidget(parent);
/// list->interface()->setPage(&mNewsPage); // the page outlives the list's use of it
/// \endcode
class PZTOOLS_EXPORT pzListWidget : public pzScrollArea {
    Q_OBJECT
    /// The interface that binds a page to this list.
    Q_PROPERTY(pzListInterface* interface READ interface)

public:
    /// An empty list on white at alpha 200, with no horizontal scroll bar. A null `parent` makes a
    /// top-level widget.
    explicit pzListWidget(QWidget* parent = nullptr);
    /// Destroys the list, its widgets and its interface; a bound page is not deleted.
    ~pzListWidget() override;

    /// The interface that binds a page to this list.
    pzListInterface* interface() const;

public slots:
    /// Appends `widget`, which the list takes; null changes nothing.
    virtual void addWidget(QWidget* widget, int stretch = 0,
                           Qt::Alignment alignment = Qt::Alignment());
    /// A negative index appends.
    virtual void insertWidget(int index, QWidget* widget, int stretch = 0,
                              Qt::Alignment alignment = Qt::Alignment());
    /// Takes `widget` out of the list without deleting it.
    virtual void removeWidget(QWidget* widget);
    /// Empties the list and deletes its widgets later.
    virtual void deleteAll();

protected:
    /// \cond
    /// For the toolkit's own subclasses (record types are not installed): installs the subclass's
    /// own record `d`, which decides the interface to create.
    pzListWidget(pzListWidgetPrivate* d, QWidget* parent);
    /// \endcond

    /// Makes every widget of the list exactly as wide as the list.
    void resizeEvent(QResizeEvent* event) override;

private:
    PZ_DECLARE_PRIVATE(pzListWidget)
};
