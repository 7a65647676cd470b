#pragma once

// Not public API: this header may change from one version to the next.

#include "pzKeyboardFocus_p.h"
#include "pzListItem.h"
#include "pzPrivate.h"

#include <QTimer>

class pzListItemPrivate : public pzPrivate {
public:
    static constexpr int PushMilliseconds = 100;
    static constexpr int IconTextGap = 8;

    bool entered = false;
    bool pushed = false;
    QTimer pushTimer;
    int margin = 4;
    bool selected = false;
    pzKeyboardFocus keyboardFocus;
};
