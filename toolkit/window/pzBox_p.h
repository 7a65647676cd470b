#pragma once

// Not public API: this header may change from one version to the next.

#include "pzBox.h"
#include "pzPrivate.h"

#include <QList>
#include <QPoint>
#include <QPointer>
#include <QRect>

class QVBoxLayout;
class pzBoxTop;
class pzDynamicWidget;
class pzEdgeGrip;
class pzListPage;
class pzSizeGrip;

class pzBoxPrivate : public pzPrivate {
    PZ_DECLARE_PUBLIC(pzBox)

public:
    // Builds the rim, grips, title bar and panel; run by each constructor.
    void init();
    void setGripsVisible(bool visible);

    static QPoint noDragPos() { return QPoint(-1, -1); }
    // Width of the handles along the sides, between the corner grips.
    static constexpr int edgeThickness = 4;

    // The available area of the screen the window is on; before it is first shown the
    // window has no screen of its own yet, and the primary screen counts.
    QRect availableArea() const;
    // Drags are followed only while the pointer lies in a screen's available area.
    static bool isDragPosAllowed(const QPoint& globalPos);
    void setButtonIcon(const QString& path);
    // `normalGeometry`, unless it lies off every screen now: then placed on the window's screen.
    QRect restoredGeometry() const;
    QList<QWidget*> titleBarButtons() const;
    QList<pzSizeGrip*> cornerGrips() const;
    QList<pzEdgeGrip*> edgeGrips() const;
    void placeEdgeGrips();
    // Unselects the menu's current item, which takes its page away; false if none is shown.
    bool closeShownPage();

    QVBoxLayout* mainLayout = nullptr;
    pzSizeGrip* gripTopLeft = nullptr;
    pzSizeGrip* gripTopRight = nullptr;
    pzSizeGrip* gripBottomLeft = nullptr;
    pzSizeGrip* gripBottomRight = nullptr;
    pzEdgeGrip* edgeTop = nullptr;
    pzEdgeGrip* edgeBottom = nullptr;
    pzEdgeGrip* edgeLeft = nullptr;
    pzEdgeGrip* edgeRight = nullptr;
    bool dragging = false;
    QPoint lastDragPos = noDragPos();
    // The window system is asked once per press to take the move over.
    bool systemMovePending = false;
    // Tracked: a user may delete the panel, and the box then goes on without one.
    QPointer<pzBoxPanel> panel;
    bool maximized = false;
    QRect normalGeometry = QRect(-1, -1, -1, -1);
    pzDynamicWidget* contentHolder = nullptr;
    pzBoxTop* boxTop = nullptr;
    QPointer<pzListPage> menuPage;
};
