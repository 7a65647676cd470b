// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "pzListWidget.h"
#include "pzMenuInterface.h"
#include "pzToolsExport.h"

class pzMenuPrivate;

/// The list of a side menu: shows the page widget that its selected entry asks for in a separate
/// page area, inside a shadowed frame menu.
///
/// The side panel of a pzBox is built on one: pzBoxPanel sets the menu and its page area side by
/// side with a splitter. Bound to a pzListMenu, its pzMenuInterface routes the menu's setWidget()
/// and deleteWidget() requests to the slots of the same names here. Use it directly only for a side
/// menu outside a pzBox:
/// \code
/// auto* area = new pzScrollArea;
/// auto* menu = new pzMenu(area);
/// splitter->addWidget(menu);
/// splitter->addWidget(area);
/// menu->interface()->setPage(&mMenuPage);
/// \endcode
class PZTOOLS_EXPORT pzMenu : public pzListWidget {
    Q_OBJECT
    /// The interface, as a pzMenuInterface.
    Q_PROPERTY(pzMenuInterface* menuInterface READ menuInterface)

public:
    /// A menu list whose page widgets show in `area`, which takes the menu's frame menu as its
    /// widget. `area` should not be null: without one, page widgets are kept unseen.
    explicit pzMenu(pzScrollArea* area, QWidget* parent = nullptr);
    /// Destroys the list; the page area keeps its frame menu.
    ~pzMenu() override;

    /// The interface, as a menu interface.
    pzMenuInterface* menuInterface() const;

public slots:
    /// Null or the widget already shown changes nothing.
    /// Replaces the shown page widget, deleting the previous one later. This hides
    /// QScrollArea::setWidget: the menu's own content is its list.
    virtual void setWidget(QWidget* widget);
    /// Takes the shown page widget out and deletes it later; nothing shown changes nothing.
    virtual void deleteWidget();

private:
    PZ_DECLARE_PRIVATE(pzMenu)
};
