// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzFadeButton.h"

#include "pzFadeButton_p.h"
#include "pzPaint.h"

#include <QIcon>
#include <QPainter>
#include <QStyle>

pzFadeButton::pzFadeButton(QWidget* parent)
    : pzFadeButton(QString(), parent) {}

pzFadeButton::pzFadeButton(const QString& path, QWidget* parent)
    : pzFadeButton(*new pzFadeButtonPrivate, path, parent) {}

pzFadeButton::pzFadeButton(pzFadeButtonPrivate& d, const QString& path, QWidget* parent)
    : QAbstractButton(parent)
    , pzPrivatable(&d) {
    d.init(path);
}

pzFadeButton::~pzFadeButton() = default;

void pzFadeButtonPrivate::init(const QString& path) {
    Q_Q(pzFadeButton);
    this->path = path;
    q->setIcon(QIcon(path));
    q->setIconSize(pzLook::buttonSize);
    QObject::connect(&pushTimer, &QTimer::timeout, q, &pzFadeButton::resetPushed);
    keyboardFocus.attach(q);
}

QString pzFadeButton::path() const {
    return d_func()->path;
}

bool pzFadeButton::entered() const {
    return d_func()->entered;
}

bool pzFadeButton::pushed() const {
    return d_func()->pushed;
}

QColor pzFadeButton::backColor() const {
    return d_func()->backColor;
}

QColor pzFadeButton::backColorPush() const {
    return d_func()->backColorPush;
}

void pzFadeButton::setBackColor(const QColor& color) {
    d_func()->backColor = color;
}

void pzFadeButton::setBackColorPush(const QColor& color) {
    d_func()->backColorPush = color;
}

QSize pzFadeButton::sizeHint() const {
    return iconSize();
}

void pzFadeButton::resetPushed() {
    d_func()->resetPushed(this);
}

void pzFadeButton::mousePressEvent(QMouseEvent* event) {
    d_func()->press(this);
    QAbstractButton::mousePressEvent(event);
}

void pzFadeButton::mouseReleaseEvent(QMouseEvent* event) {
    d_func()->release();
    QAbstractButton::mouseReleaseEvent(event);
}

void pzFadeButton::enterEvent(QEnterEvent*) {
    d_func()->entered = true;
}

void pzFadeButton::leaveEvent(QEvent*) {
    d_func()->entered = false;
}

void pzFadeButton::paintEvent(QPaintEvent*) {
    Q_D(pzFadeButton);
    QPainter painter(this);
    if (!painter.isActive())
        return;
    pzPaint paint(painter);
    if (isChecked() || d->pushed)
        paint.drawRect(rect(), d->backColorPush);
    else if (d->entered)
        paint.drawRect(rect(), d->backColor);

    // At the leading edge, as the text button's layout mirrors its label from right to left.
    const QSize size = iconSize();
    const QRect iconRect = QStyle::visualRect(layoutDirection(), rect(), QRect(QPoint(0, 0), size));
    const QPixmap pixmap = icon().pixmap(size, QIcon::Normal, QIcon::Off);
    painter.drawPixmap(QRectF(iconRect), pixmap, QRectF());
    if (pzKeyboardFocus::isShownOn(this))
        pzKeyboardFocus::paintFrame(painter, rect(), pzLook::focusOnDarkColor);
}
