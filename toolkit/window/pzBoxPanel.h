// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "pzListWidget.h"
#include "pzPrivatable.h"
#include "pzToolsExport.h"

#include <QWidget>

class pzBoxPanelPrivate;

/// The side panel of a window box: a menu list and, beyond a splitter handle, its page area.
class PZTOOLS_EXPORT pzBoxPanel : public QWidget, public pzPrivatable {
    Q_OBJECT
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
