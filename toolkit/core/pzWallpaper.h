#pragma once

#include "pzPrivatable.h"
#include "pzToolsExport.h"

#include <QObject>

class QPainter;
class QPixmap;
class QRect;
class pzWallpaperPrivate;

// Paints a background picture, rescaled once to a working size, into a target rectangle.
class PZTOOLS_EXPORT pzWallpaper : public QObject, public pzPrivatable {
    Q_OBJECT

public:
    explicit pzWallpaper(QObject* parent = nullptr);
    ~pzWallpaper() override;

    void setPixmap(const QPixmap& pixmap);
    void resize(const QRect& rect);
    void paint(QPainter& painter);

private:
    PZ_DECLARE_PRIVATE(pzWallpaper)
};
