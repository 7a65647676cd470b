// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "pzListItem.h"
#include "pzListPage.h"
#include "pzToolsExport.h"

class pzListMenuPrivate;

/// A list page of list items with at most one selected item; selecting one asks the menu container
/// to show a page widget for it, unselecting asks it to delete that widget.
///
/// It is the side menu of a pzBox: subclass it, add pzListItem entries in createPage() and bind it
/// with pzBox::setMenu(). In an entry's slot, selectItem() opens a page widget beside the menu and
/// unselectItem() closes it; an entry may also just act. The menu belongs to its creator and must
/// outlive the box (see @ref listPageProtocol and the @ref listmenu/main.cpp "list-menu example").
/// \code
/// class MyMenu : public pzListMenu {
///     Q_OBJECT
/// public slots:
///     void createPage() override {
///         pzListMenu::createPage();
///         mAbout = new pzListItem(QIcon(), tr("About"));
///         addItem(mAbout, SLOT(showAbout()));
///     }
///     void showAbout() {
///         if (currentItem() == mAbout)
///             unselectItem(mAbout);
///         else
///             selectItem(mAbout, new AboutPage);
///     }
/// private:
///     pzListItem* mAbout = nullptr;
/// };
/// \endcode
class PZTOOLS_EXPORT pzListMenu : public pzListPage {
    Q_OBJECT
    /// The selected item, or null.
    Q_PROPERTY(pzListItem* currentItem READ currentItem)

public:
    /// An empty menu, owned by `parent` if not null.
    explicit pzListMenu(QObject* parent = nullptr);
    /// Destroys the menu; its items belong to the list that shows them.
    ~pzListMenu() override;

    /// Records `item` and emits it to the list, which takes it; null or an item already listed
    /// changes nothing.
    /// member is a slot or signal of this menu in SLOT()/SIGNAL() form, called on every click;
    /// null adds the item without connecting its click.
    void addItem(pzListItem* item, const char* member = nullptr);
    /// Forgets `item`, disconnects its clicks and asks the list to take it out; the item is not
    /// deleted. An item not listed changes nothing.
    void removeItem(pzListItem* item);
    /// Selects `item` (listed, not null) and unselects the others.
    /// widget, if any, is handed on through setWidget() unless the item is already current.
    void selectItem(pzListItem* item, QWidget* widget = nullptr);
    /// Unselects `item` if it is the current one and emits deleteWidget(); otherwise nothing
    /// happens.
    void unselectItem(pzListItem* item);

    /// The selected item, or null.
    pzListItem* currentItem() const;

signals:
    /// Asks the menu container to show `widget` as the page of the selected item.
    void setWidget(QWidget* widget);
    /// Asks the menu container to delete the page widget it shows.
    void deleteWidget();

public slots:
    /// Marks the page created and forgets the items and the selection of any earlier content;
    /// overrides call this first, then add their items.
    void createPage() override;
    /// Marks the page not created and forgets its items and the selection; the list deletes the
    /// items.
    void deletePage() override;

private:
    PZ_DECLARE_PRIVATE(pzListMenu)
};
