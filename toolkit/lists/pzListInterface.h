// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "pzPrivatable.h"
#include "pzToolsExport.h"

#include <QObject>

class QWidget;
class pzListInterfacePrivate;
class pzListPage;

/// Binds one list page at a time to the list widget that owns it: drops the old page's content,
/// rewires the page's signals to the list and lets the page fill the list.
///
/// Every pzListWidget makes its own, reached through pzListWidget::interface(); a program only
/// calls setPage(). The steps and their order are in @ref listPageProtocol.
/// \code
/// pzListWidget list;
/// NewsPage page; // a pzListPage subclass
/// list.interface()->setPage(&page); // page.createPage() fills the list
/// \endcode
class PZTOOLS_EXPORT pzListInterface : public QObject, public pzPrivatable {
    Q_OBJECT

public:
    /// An interface for the list widget `parent`, which owns it and receives the bound page's
    /// signals and deleteAll(). A null `parent` makes an interface that binds pages to nothing.
    explicit pzListInterface(QWidget* parent = nullptr);
    /// Forgets the bound page; the page is not deleted.
    ~pzListInterface() override;

    /// Drops the bound page's content, empties the list, binds `page` and calls its createPage();
    /// null changes nothing. The page stays the caller's.
    /// Setting the bound page again re-creates its content without rewiring it. A bound page
    /// that has been destroyed counts as none.
    void setPage(pzListPage* page);

signals:
    /// Asks the list to delete all its widgets; emitted by setPage().
    void deleteAll();

protected:
    /// \cond
    /// For the toolkit's own subclasses (record types are not installed): installs the subclass's
    /// own record `d`, whose page binding may add connections.
    pzListInterface(pzListInterfacePrivate* d, QWidget* parent);
    /// \endcond

private:
    PZ_DECLARE_PRIVATE(pzListInterface)
};
