#pragma once

// Not public API: this header may change from one version to the next.

#include "pzListItem.h"
#include "pzPrivate.h"

#include <QTimer>

class QPainter;
class QRect;

class pzListItemPrivate : public pzPrivate {
    PZ_DECLARE_PUBLIC(pzListItem)

public:
    void init();
    // Underlined text under a pointing hand while hovered.
    void setHoverLook(bool hovered);
    // The text beside the icon, and the separator line under an item at rest.
    void paintCaption(QPainter& painter, const QRect& content);

    static constexpr int PushMilliseconds = 100;
    static constexpr int IconTextGap = 8;

    bool entered = false;
    bool pushed = false;
    QTimer pushTimer;
    int margin = 4;
    bool selected = false;
};
