#pragma once

// Not public API: this header may change from one version to the next.

#include "pzPrivate.h"
#include "pzWallpaper.h"

#include <QPixmap>
#include <QRect>

class pzWallpaperPrivate : public pzPrivate {
public:
    static constexpr int WorkingWidth = 1024;
    static constexpr int WorkingHeight = 768;

    QPixmap pixmap;
    QPixmap cutPixmap;
    QRect rect;
};
