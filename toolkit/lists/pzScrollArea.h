// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "pzPrivatable.h"
#include "pzToolsExport.h"

#include <QScrollArea>

class pzScrollAreaPrivate;

/// A frameless scroll area with a transparent background.
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
    /// For subclasses: installs the subclass's own record `d`.
    pzScrollArea(pzScrollAreaPrivate* d, QWidget* parent);

private:
    PZ_DECLARE_PRIVATE(pzScrollArea)
};
