// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

// Not public API: this header may change from one version to the next.

#include "pzPrivate.h"
#include "pzWallpaper.h"

#include <QPixmap>
#include <QRect>
#include <QString>

class pzWallpaperPrivate : public pzPrivate {
public:
    static constexpr int WorkingWidth = 1024;
    static constexpr int WorkingHeight = 768;

    // Brings the working copy and the cut up to date with the latest picture and target.
    void update();

    QPixmap source;     // the latest picture, until it is rescaled
    QString sourcePath; // or where to read it from
    QPixmap pixmap;
    QPixmap cutPixmap;
    QRect rect;
    bool scaled = true; // pixmap matches the latest picture
    bool cut = true;    // cutPixmap matches pixmap and rect
};
