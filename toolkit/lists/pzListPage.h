// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "pzPrivatable.h"
#include "pzToolsExport.h"

#include <QObject>

class QWidget;
class pzListPagePrivate;

/// The content provider of a list widget: it fills the list through its signals and is told to
/// build and to drop its content through createPage() and deletePage().
class PZTOOLS_EXPORT pzListPage : public QObject, public pzPrivatable {
    Q_OBJECT
    Q_PROPERTY(bool created READ isCreated)

public:
    /// A page not yet created, owned by `parent` if not null.
    explicit pzListPage(QObject* parent = nullptr);
    /// Destroys the page; widgets it emitted belong to the list.
    ~pzListPage() override;

    /// Whether createPage() ran more recently than deletePage().
    bool isCreated() const;

signals:
    /// Asks the bound list to append `widget`, which it takes.
    void addWidget(QWidget* widget, int stretch = 0, Qt::Alignment alignment = Qt::Alignment());
    /// Asks the bound list to insert `widget` at `index` (negative: append).
    void insertWidget(int index, QWidget* widget, int stretch = 0,
                      Qt::Alignment alignment = Qt::Alignment());
    /// Asks the bound list to take `widget` out without deleting it.
    void removeWidget(QWidget* widget);

public slots:
    /// Marks the page created.
    /// Overrides call the base version first, then emit the page's widgets.
    virtual void createPage();
    /// Marks the page not created.
    virtual void deletePage();

protected:
    /// For subclasses: installs the subclass's own record `d`.
    pzListPage(pzListPagePrivate* d, QObject* parent);

private:
    PZ_DECLARE_PRIVATE(pzListPage)
};
