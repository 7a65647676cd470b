// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "pzPrivatable.h"
#include "pzToolsExport.h"

#include <QObject>

class QPainter;
class QPixmap;
class QRect;
class QString;
class pzWallpaperPrivate;

/// Paints a background picture, rescaled once to a working size, into a target rectangle.
///
/// A background painted on every frame stays cheap this way: the picture is rescaled to 1024 by 768
/// once, on the first paint, and cut to the target rectangle once per resize. The owning widget
/// keeps the rectangle current and paints the wallpaper first:
/// \code
/// MyView::MyView(QWidget* parent) : QWidget(parent), mWallpaper(new pzWallpaper(this)) {
///     mWallpaper->setPicture(QStringLiteral(":/wallpaper.jpg"));
/// }
/// void MyView::resizeEvent(QResizeEvent*) { mWallpaper->resize(rect()); }
/// void MyView::paintEvent(QPaintEvent*) {
///     QPainter painter(this);
///     mWallpaper->paint(painter);
/// }
/// \endcode
class PZTOOLS_EXPORT pzWallpaper : public QObject, public pzPrivatable {
    Q_OBJECT

public:
    /// An empty wallpaper, owned by `parent` if not null; it paints nothing until it has both a
    /// picture and a rectangle.
    explicit pzWallpaper(QObject* parent = nullptr);
    /// Releases the pictures.
    ~pzWallpaper() override;

    /// Rescales `pixmap` once to the working size of 1024 by 768 and cuts it for the current
    /// rectangle. A null pixmap paints nothing.
    void setPixmap(const QPixmap& pixmap);
    /// As setPixmap() with the picture at `path` (a file or a ":/" resource), which is read only
    /// when the wallpaper is first painted: an owner that never paints never pays for it.
    void setPicture(const QString& path);
    /// Sets the target rectangle and cuts the working copy for it: along an axis no longer than the
    /// working copy the picture is cut, along a longer one it is stretched.
    void resize(const QRect& rect);
    /// Draws the cut picture into the target rectangle with `painter`; does nothing without a
    /// picture.
    void paint(QPainter& painter);

private:
    PZ_DECLARE_PRIVATE(pzWallpaper)
};
