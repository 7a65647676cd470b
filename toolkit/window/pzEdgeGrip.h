// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "pzPrivatable.h"
#include "pzToolsExport.h"

#include <QWidget>

class pzEdgeGripPrivate;

/// An invisible handle along one side of a top-level window: dragging it resizes the window from
/// that side only, with the matching resize cursor.
///
/// A frameless window has no frame for the window system to grab, so pzBox lays four of these along
/// its rim, beside a pzSizeGrip in each corner. A window of your own can do the same: the owner
/// places and sizes each handle, and the window system takes the resize over where it can.
/// \code
/// auto* bottom = new pzEdgeGrip(Qt::BottomEdge, window);
/// bottom->setGeometry(0, window->height() - 4, window->width(), 4); // again on every resize
/// bottom->keepClearOf(statusButton);
/// \endcode
class PZTOOLS_EXPORT pzEdgeGrip : public QWidget, public pzPrivatable {
    Q_OBJECT

public:
    /// A handle for `edge` of `parent`'s window; the owner places it. A null `parent` makes a
    /// handle that resizes itself.
    pzEdgeGrip(Qt::Edge edge, QWidget* parent);
    /// Destroys the handle.
    ~pzEdgeGrip() override;

    /// The side that the handle resizes.
    Qt::Edge edge() const;
    /// The handle leaves presses over `widget` (a widget of the same window) to it: the parts of
    /// the handle that lie over it are cut out of the handle's mask, whenever either moves.
    /// `widget` must not be null.
    void keepClearOf(QWidget* widget);

protected:
    /// Starts a resize: the window system takes it over where it can.
    void mousePressEvent(QMouseEvent* event) override;
    /// Resizes the window from the handle's side while a resize lasts.
    void mouseMoveEvent(QMouseEvent* event) override;
    /// Ends a resize.
    void mouseReleaseEvent(QMouseEvent* event) override;
    /// Updates the mask.
    void moveEvent(QMoveEvent* event) override;
    /// Updates the mask.
    void resizeEvent(QResizeEvent* event) override;
    /// Updates the mask when a widget kept clear of moves, resizes, shows or hides.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    PZ_DECLARE_PRIVATE(pzEdgeGrip)
};
