// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "pzListInterface.h"
#include "pzToolsExport.h"

class pzMenuInterfacePrivate;

/// The interface of a menu list: also wires a list menu's page-widget requests to the menu.
///
/// A pzMenu makes one in place of a plain pzListInterface; reach it through
/// pzMenu::menuInterface(). Besides binding the page, it connects a bound pzListMenu's setWidget()
/// and deleteWidget() signals to the menu's slots of the same names, so that selecting an entry
/// opens its page beside the menu (see @ref listPageProtocol).
class PZTOOLS_EXPORT pzMenuInterface : public pzListInterface {
    Q_OBJECT

public:
    /// An interface for the menu `parent`, which owns it. A null `parent` makes an interface that
    /// binds pages to nothing.
    explicit pzMenuInterface(QWidget* parent = nullptr);
    /// Forgets the bound page; the page is not deleted.
    ~pzMenuInterface() override;

private:
    PZ_DECLARE_PRIVATE(pzMenuInterface)
};
