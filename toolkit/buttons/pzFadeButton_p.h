#pragma once

// Not public API: this header may change from one version to the next.

#include "pzFadeButton.h"
#include "pzKeyboardFocus_p.h"
#include "pzPrivate.h"

#include <QColor>
#include <QString>
#include <QTimer>

class pzFadeButtonPrivate : public pzPrivate {
public:
    static constexpr int PushMilliseconds = 100;

    QString path;
    bool entered = false;
    QColor backColor = QColor(255, 255, 255, 100);
    QColor backColorPush = QColor(Qt::black);
    bool pushed = false;
    QTimer pushTimer;
    pzKeyboardFocus keyboardFocus;
};
