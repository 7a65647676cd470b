// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "pzPrivatable.h"
#include "pzToolsExport.h"

#include <QSizeGrip>

class pzSizeGripPrivate;

/// An invisible size grip: it keeps QSizeGrip's cursor and corner resizing but draws nothing.
class PZTOOLS_EXPORT pzSizeGrip : public QSizeGrip, public pzPrivatable {
    Q_OBJECT

public:
    /// A grip that resizes `parent`'s window from the corner it lies in; null is allowed, as for
    /// QSizeGrip.
    explicit pzSizeGrip(QWidget* parent);
    /// Destroys the grip.
    ~pzSizeGrip() override;

protected:
    /// Paints nothing.
    void paintEvent(QPaintEvent* event) override;
    /// Hands the resize to the window system where it can, to QSizeGrip otherwise.
    void mousePressEvent(QMouseEvent* event) override;

private:
    PZ_DECLARE_PRIVATE(pzSizeGrip)
};
