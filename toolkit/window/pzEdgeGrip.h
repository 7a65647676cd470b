#pragma once

#include "pzPrivatable.h"
#include "pzToolsExport.h"

#include <QWidget>

class pzEdgeGripPrivate;

// An invisible handle along one side of a top-level window: dragging it resizes the window from
// that side only, with the matching resize cursor.
class PZTOOLS_EXPORT pzEdgeGrip : public QWidget, public pzPrivatable {
    Q_OBJECT

public:
    pzEdgeGrip(Qt::Edge edge, QWidget* parent);
    ~pzEdgeGrip() override;

    Qt::Edge edge() const;
    // The handle leaves presses over `widget` (a widget of the same window) to it: the parts of
    // the handle that lie over it are cut out of the handle's mask, whenever either moves.
    void keepClearOf(QWidget* widget);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    PZ_DECLARE_PRIVATE(pzEdgeGrip)
};
