// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

// Not public API: this header may change from one version to the next.

#include "pzBox.h"
#include "pzPrivate.h"

#include <QList>
#include <QPoint>
#include <QPointer>
#include <QRect>

#include <optional>

class QScreen;
class QVBoxLayout;
class pzBoxRim;
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

    // Width of the handles along the sides, between the corner grips.
    static constexpr int edgeThickness = 4;

    // The available area of the screen the window is on; before it is first shown the
    // window has no screen of its own yet, and the primary screen counts.
    QRect availableArea() const;
    // Drags are followed only while the pointer lies in a screen's available area.
    static bool isDragPosAllowed(const QPoint& globalPos);

    // A drag of the window by the pointer: pressed, then at the first motion handed to the
    // window system where it moves windows, or moved by the box itself.
    enum class Drag { Idle, Pressed, Moving, HandedOver };
    void pressDrag(const QPoint& globalPos);
    void releaseDrag() { drag = Drag::Idle; }
    bool isDragging() const { return drag == Drag::Pressed || drag == Drag::Moving; }
    // Asks the window system once per press to take the move over; true if it did.
    bool handOverDrag(Qt::MouseButtons buttons);
    // Moves the window by the pointer's step from the last position the drag followed.
    void followDrag(const QPoint& globalPos);

    // Every change between normal and maximized, the box's own and the window system's, ends
    // here: the flag and the grips follow it, and the title bar hears of it.
    void setMaximizedState(bool maximized);
    // The window system maximized or restored the window itself.
    void followWindowState(Qt::WindowStates oldState);
    // `geometry` brought back where its title bar shows on the screens there are now.
    QRect placedOnScreens(const QRect& geometry) const;
    QRect restoredGeometry() const { return placedOnScreens(normalGeometry); }
    // A maximized box keeps filling its screen's available area, a normal one keeps its title
    // bar on the screens, whenever they change.
    void followScreens();
    // The box's geometry becomes its screen's available area, to the window system's pixel.
    void fillAvailableArea();
    // Before the box asks for a size: the window manager's size steps reach `nativeSize`.
    void alignSizeSteps(const QSize& nativeSize);
    void setGeometryOnSteps(const QRect& geometry);
    void watchScreen(QScreen* screen);
    // What the title bar and, while it is open, the panel need.
    void updateMinimumSize();
    QList<QWidget*> titleBarButtons() const;
    QList<pzSizeGrip*> cornerGrips() const;
    QList<pzEdgeGrip*> edgeGrips() const;
    void placeEdgeGrips();
    void setPanelShown(bool shown);
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
    // Over the children, under the grips.
    QList<pzBoxRim*> rimSides;
    Drag drag = Drag::Idle;
    // The last position the drag followed; none until the pointer lies in an available area.
    std::optional<QPoint> dragPos;
    // Tracked: a user may delete the panel, and the box then goes on without one.
    QPointer<pzBoxPanel> panel;
    bool maximized = false;
    // Set while the box itself changes the window system's state, so that the change is not
    // taken for one the window system made.
    bool changingWindowState = false;
    QRect normalGeometry = QRect(-1, -1, -1, -1);
    pzDynamicWidget* contentHolder = nullptr;
    pzBoxTop* boxTop = nullptr;
    QPointer<pzListPage> menuPage;
};
