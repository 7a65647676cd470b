// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "pzListInterface.h"
#include "pzScrollArea.h"
#include "pzToolsExport.h"

class pzListWidgetPrivate;

/// A scrollable vertical list that shows the widgets of a list page, each stretched to the
/// list's width; its interface binds the page.
class PZTOOLS_EXPORT pzListWidget : public pzScrollArea {
    Q_OBJECT
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
    /// For subclasses: installs the subclass's own record `d`, which decides the interface to
    /// create.
    pzListWidget(pzListWidgetPrivate* d, QWidget* parent);

    /// Makes every widget of the list exactly as wide as the list.
    void resizeEvent(QResizeEvent* event) override;

private:
    PZ_DECLARE_PRIVATE(pzListWidget)
};
