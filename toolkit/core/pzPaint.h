// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "pzPrivatable.h"
#include "pzToolsExport.h"

#include <QObject>

class QColor;
class QPainter;
class QRect;
class QString;
class pzPaintPrivate;

/// Drawing primitives for the toolkit's custom-painted widgets; each keeps the painter's state.
///
/// The toolkit paints its translucent grounds, gradients and cut labels with it, and your own
/// widgets can share that look. Make one on the stack over the painter of a paintEvent():
/// \code
/// void Banner::paintEvent(QPaintEvent*) {
///     QPainter painter(this);
///     pzPaint paint(painter);
///     paint.drawHGradient(rect(), QColor(0, 0, 0, 150), QColor(0, 0, 0, 0));
///     painter.setPen(Qt::white);
///     paint.drawTextElided(rect().adjusted(8, 0, -8, 0), mTitle);
/// }
/// \endcode
class PZTOOLS_EXPORT pzPaint : public QObject, public pzPrivatable {
    Q_OBJECT

public:
    /// Paints through `painter`, which must stay active while this object is used; the painter is
    /// neither begun, ended nor deleted. Usually made on the stack in a paintEvent() with no
    /// `parent`.
    explicit pzPaint(QPainter& painter, QObject* parent = nullptr);
    /// Leaves the painter untouched.
    ~pzPaint() override;

    /// Fills `rect` with `color` without an outline; a translucent colour blends with what lies
    /// below.
    void drawRect(const QRect& rect, const QColor& color);
    /// Draws `text` on one line in `rect`, left-aligned and vertically centred, cut with an
    /// ellipsis if wider; uses the painter's current pen and font.
    void drawTextElided(const QRect& rect, const QString& text);
    /// Fills `rect` with a gradient from `first` at the top to `second` at the bottom.
    void drawHGradient(const QRect& rect, const QColor& first, const QColor& second);
    /// Fills `rect` with a gradient from `first` at the left to `second` at the right.
    void drawVGradient(const QRect& rect, const QColor& first, const QColor& second);

private:
    PZ_DECLARE_PRIVATE(pzPaint)
};
