// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzListItem.h"

#include "pzListItem_p.h"
#include "pzLook_p.h"
#include "pzPaint.h"

#include <QAccessible>
#include <QPainter>

namespace {

// A selection event, not a state change: Qt's AT-SPI bridge passes on only this one as the
// item's "selected" state.
void announceSelection(pzListItem* item, bool selected) {
    QAccessibleEvent event(item,
                           selected ? QAccessible::SelectionAdd : QAccessible::SelectionRemove);
    QAccessible::updateAccessibility(&event);
}

} // namespace

pzListItem::pzListItem(QWidget* parent)
    : QAbstractButton(parent)
    , pzPrivatable(new pzListItemPrivate) {
    d_func()->init();
}

pzListItem::pzListItem(const QIcon& icon, const QString& text, QWidget* parent)
    : pzListItem(parent) {
    setIcon(icon);
    setText(text);
}

pzListItem::~pzListItem() = default;

void pzListItemPrivate::init() {
    Q_Q(pzListItem);
    q->setIconSize(QSize(32, 32));
    QObject::connect(&pushTimer, &QTimer::timeout, q, &pzListItem::resetPushed);
    keyboardFocus.attach(q);
}

bool pzListItem::entered() const {
    return d_func()->entered;
}

bool pzListItem::pushed() const {
    return d_func()->pushed;
}

QSize pzListItem::sizeHint() const {
    const int margin = d_func()->margin;
    return iconSize() + QSize(2 * margin, 2 * margin);
}

bool pzListItem::isSelected() const {
    return d_func()->selected;
}

void pzListItem::select() {
    const bool changed = !d_func()->selected;
    d_func()->selected = true;
    update();
    if (changed)
        announceSelection(this, true);
}

void pzListItem::unselect() {
    const bool changed = d_func()->selected;
    d_func()->selected = false;
    update();
    if (changed)
        announceSelection(this, false);
}

void pzListItem::resetPushed() {
    d_func()->resetPushed(this);
}

void pzListItem::mousePressEvent(QMouseEvent* event) {
    d_func()->press(this);
    QAbstractButton::mousePressEvent(event);
}

void pzListItem::mouseReleaseEvent(QMouseEvent* event) {
    d_func()->release();
    QAbstractButton::mouseReleaseEvent(event);
}

void pzListItem::enterEvent(QEnterEvent*) {
    d_func()->entered = true;
    pzLook::setHoverLook(this, this, true);
}

void pzListItem::leaveEvent(QEvent*) {
    d_func()->entered = false;
    pzLook::setHoverLook(this, this, false);
}

void pzListItem::paintEvent(QPaintEvent*) {
    Q_D(pzListItem);
    QPainter painter(this);
    if (!painter.isActive())
        return;
    pzPaint paint(painter);
    if (d->selected || d->pushed)
        paint.drawRect(rect(), pzLook::pushColor);
    else if (d->entered)
        paint.drawRect(rect(), pzLook::listHoverColor);

    const int m = d->margin;
    const QSize size = iconSize();
    const QPixmap pixmap = icon().pixmap(size, QIcon::Normal, QIcon::Off);
    painter.drawPixmap(QRectF(m, m, size.width(), size.height()), pixmap, QRectF());

    const QRect content = rect().adjusted(m, m, -m, -m);
    if (content.width() - size.width() > pzListItemPrivate::IconTextGap)
        d->paintCaption(painter, content);
    if (pzKeyboardFocus::isShownOn(this)) {
        const bool dark = d->selected || d->pushed || d->entered;
        pzKeyboardFocus::paintFrame(painter, rect(),
                                    dark ? pzLook::focusOnDarkColor : pzLook::focusOnLightColor);
    }
}

void pzListItemPrivate::paintCaption(QPainter& painter, const QRect& content) {
    Q_Q(pzListItem);
    pzPaint paint(painter);
    const int indent = q->iconSize().width() + IconTextGap;
    const QRect textRect(content.left() + indent, content.top(), content.width() - indent,
                         content.height());
    const bool dark = selected || pushed || entered;
    QPen pen;
    pen.setBrush(QBrush(dark ? Qt::white : Qt::black, Qt::SolidPattern));
    painter.setPen(pen);
    paint.drawTextElided(textRect, q->text());

    if (!pushed && !entered)
        paint.drawRect(QRect(0, q->height() - 1, q->width(), 1), pzLook::separatorColor);
}
