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
///
/// A page never touches the list: it emits addWidget(), insertWidget() and removeWidget(), which
/// the list's interface connects to the bound list. So one page can fill a pzListWidget or, through
/// pzBox::setMenu(), the side panel's menu. pzListMenu is the page for menus of entries; derive
/// from pzListPage for any other content (see @ref listPageProtocol).
/// \code
/// class NewsPage : public pzListPage {
///     Q_OBJECT
/// public slots:
///     void createPage() override {
///         pzListPage::createPage();
///         emit addWidget(new QLabel(tr("No news today")));
///     }
/// };
/// \endcode
class PZTOOLS_EXPORT pzListPage : public QObject, public pzPrivatable {
    Q_OBJECT
    /// Whether the content is built: createPage() ran more recently than deletePage().
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
    /// \cond
    /// For the toolkit's own subclasses (record types are not installed): installs the subclass's
    /// own record `d`.
    pzListPage(pzListPagePrivate* d, QObject* parent);
    /// \endcond

private:
    PZ_DECLARE_PRIVATE(pzListPage)
};
