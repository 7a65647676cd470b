// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "pzListInterface.h"
#include "pzToolsExport.h"

class pzMenuInterfacePrivate;

/// The interface of a menu list: also wires a list menu's page-widget requests to the menu.
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
