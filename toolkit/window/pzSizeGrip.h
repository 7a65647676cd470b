// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "pzPrivatable.h"
#include "pzToolsExport.h"

#include <QSizeGrip>

class pzSizeGripPrivate;

/// An invisible size grip: it keeps QSizeGrip's cursor and corner resizing but draws nothing.
///
/// pzBox puts one in each corner of its rim, so that the frameless window resizes from its corners
/// as a framed one does (pzEdgeGrip does the same along the sides), and hides them while it is
/// maximized. In a frameless window of your own, place one in a corner:
/// \code
/// auto* grip = new pzSizeGrip(window);
/// grip->setGeometry(window->width() - 8, window->height() - 8, 8, 8);
/// \endcode
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
