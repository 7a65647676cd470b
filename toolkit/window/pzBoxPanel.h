// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "pzListWidget.h"
#include "pzPrivatable.h"
#include "pzToolsExport.h"

#include <QWidget>

class pzBoxPanelPrivate;

/// The side panel of a window box: a menu list and, beyond a splitter handle, its page area.
///
/// Every pzBox makes one, hidden; the program button on the title bar, pzBox::togglePanel() or
/// pzBox::showPanel() bring it out over the content. The list on the left is a pzMenu 150 pixels
/// wide: pzBox::setMenu() binds a list page to it, and the page widgets that the page's entries ask
/// for show in the area on the right, inside a shadowed pzFrameMenu. The handle between the two
/// sets the menu's width.
class PZTOOLS_EXPORT pzBoxPanel : public QWidget, public pzPrivatable {
    Q_OBJECT
    /// The menu list on the panel's left (a pzMenu).
    Q_PROPERTY(pzListWidget* list READ list)

public:
    /// A panel with a menu list 150 pixels wide and a page area beside it. A null `parent` makes a
    /// top-level widget.
    explicit pzBoxPanel(QWidget* parent = nullptr);
    /// Destroys the panel with its list and page area.
    ~pzBoxPanel() override;

    /// The menu list; pzBox::setMenu() binds pages to its interface.
    pzListWidget* list() const;

private:
    PZ_DECLARE_PRIVATE(pzBoxPanel)
};
