#pragma once

// Not public API: this header may change from one version to the next.

#include "pzBox.h"
#include "pzPrivate.h"

#include <QPoint>
#include <QRect>

class QVBoxLayout;
class pzBoxTop;
class pzDynamicWidget;
class pzSizeGrip;

class pzBoxPrivate : public pzPrivate {
    PZ_DECLARE_PUBLIC(pzBox)

public:
    static QPoint noDragPos() { return QPoint(-1, -1); }

    // The available area of the screen the window is on; before it is first shown the
    // window has no screen of its own yet, and the primary screen counts.
    QRect availableArea() const;
    // Drags are followed only while the pointer lies in a screen's available area.
    static bool isDragPosAllowed(const QPoint& globalPos);
    void setButtonIcon(const QString& path);

    QVBoxLayout* mainLayout = nullptr;
    pzSizeGrip* gripTopLeft = nullptr;
    pzSizeGrip* gripTopRight = nullptr;
    pzSizeGrip* gripBottomLeft = nullptr;
    pzSizeGrip* gripBottomRight = nullptr;
    bool dragging = false;
    QPoint lastDragPos = noDragPos();
    pzBoxPanel* panel = nullptr;
    bool maximized = false;
    QRect normalGeometry = QRect(-1, -1, -1, -1);
    pzDynamicWidget* contentHolder = nullptr;
    pzBoxTop* boxTop = nullptr;
};
