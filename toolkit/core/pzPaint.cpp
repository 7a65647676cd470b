// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzPaint.h"

#include "pzPaint_p.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>

namespace {

// Brackets one primitive so the caller's pen, brush and font survive it.
class StateGuard {
public:
    explicit StateGuard(QPainter& painter)
        : mPainter(painter) {
        mPainter.save();
    }
    ~StateGuard() { mPainter.restore(); }

private:
    QPainter& mPainter;
};

} // namespace

void pzPaintPrivate::fill(const QRect& rect, const QBrush& brush) {
    StateGuard guard(*painter);
    painter->setPen(Qt::NoPen);
    painter->setBrush(brush);
    painter->drawRect(rect);
}

pzPaint::pzPaint(QPainter& painter, QObject* parent)
    : QObject(parent)
    , pzPrivatable(new pzPaintPrivate(painter)) {}

pzPaint::~pzPaint() = default;

void pzPaint::drawRect(const QRect& rect, const QColor& color) {
    d_func()->fill(rect, QBrush(color, Qt::SolidPattern));
}

void pzPaint::drawTextElided(const QRect& rect, const QString& text) {
    Q_D(pzPaint);
    StateGuard guard(*d->painter);
    const QFontMetrics metrics(d->painter->font());
    const QString shown = metrics.elidedText(text, Qt::ElideRight, rect.width(), 0);
    d->painter->drawText(rect, Qt::AlignLeft | Qt::AlignVCenter, shown);
}

void pzPaint::drawHGradient(const QRect& rect, const QColor& first, const QColor& second) {
    // The final stop lies on the line just below the last row; in floating point, since that
    // line is past INT_MAX for a rectangle that reaches the end of the coordinate range.
    QLinearGradient gradient(rect.left(), rect.top(), rect.left(), qreal(rect.bottom()) + 1);
    gradient.setColorAt(0, first);
    gradient.setColorAt(1, second);
    d_func()->fill(rect, QBrush(gradient));
}

void pzPaint::drawVGradient(const QRect& rect, const QColor& first, const QColor& second) {
    const qreal bottom = qreal(rect.bottom()) + 1;
    QLinearGradient gradient(rect.left(), bottom, qreal(rect.right()) + 1, bottom);
    gradient.setColorAt(0, first);
    gradient.setColorAt(1, second);
    d_func()->fill(rect, QBrush(gradient));
}
