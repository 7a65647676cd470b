#pragma once

#include "pzPrivatable.h"
#include "pzToolsExport.h"

#include <QObject>

class QColor;
class QPainter;
class QRect;
class QString;
class pzPaintPrivate;

// Drawing primitives for the toolkit's custom-painted widgets; each keeps the painter's state.
class PZTOOLS_EXPORT pzPaint : public QObject, public pzPrivatable {
    Q_OBJECT

public:
    explicit pzPaint(QPainter& painter, QObject* parent = nullptr);
    ~pzPaint() override;

    void drawRect(const QRect& rect, const QColor& color);
    void drawTextElided(const QRect& rect, const QString& text);
    void drawHGradient(const QRect& rect, const QColor& first, const QColor& second);
    void drawVGradient(const QRect& rect, const QColor& first, const QColor& second);

private:
    PZ_DECLARE_PRIVATE(pzPaint)
};
