// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "pzPrivatable.h"
#include "pzToolsExport.h"

#include <QScrollArea>

class pzScrollAreaPrivate;

/// A frameless scroll area with a transparent background.
///
/// It scrolls its widget over whatever lies behind it, a wallpaper or the box's content, with no
/// frame of its own; setBackgroundColor() gives it a ground. pzListWidget is one, and so is the
/// side panel's page area.
/// \code
/// auto* area = new pzScrollArea(parent);
/// area->setWidgetResizable(true);
/// area->setWidget(longForm);
/// \endcode
class PZTOOLS_EXPORT pzScrollArea : public QScrollArea, public pzPrivatable {
    Q_OBJECT

public:
    /// An empty scroll area. A null `parent` makes a top-level widget.
    explicit pzScrollArea(QWidget* parent = nullptr);
    /// Destroys the area and the widget it scrolls.
    ~pzScrollArea() override;

    /// Sets the colour behind the scrolled widget.
    void setBackgroundColor(const QColor& color);

protected:
    /// \cond
    /// For the toolkit's own subclasses (record types are not installed): installs the subclass's
    /// own record `d`.
    pzScrollArea(pzScrollAreaPrivate* d, QWidget* parent);
    /// \endcond

private:
    PZ_DECLARE_PRIVATE(pzScrollArea)
};
