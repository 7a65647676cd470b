#include "pzListItem.h"

#include "pzListItem_p.h"
#include "pzPaint.h"

#include <QPainter>

namespace {

const QColor HoverBackground(0, 0, 0, 150);
const QColor SeparatorColor(0, 0, 0, 50);

} // namespace

pzListItem::pzListItem(QWidget* parent)
    : QAbstractButton(parent)
    , pzPrivatable(new pzListItemPrivate) {
    init();
}

pzListItem::pzListItem(const QIcon& icon, const QString& text, QWidget* parent)
    : pzListItem(parent) {
    setIcon(icon);
    setText(text);
}

pzListItem::~pzListItem() = default;

void pzListItem::init() {
    setIconSize(QSize(32, 32));
    connect(&d_func()->pushTimer, &QTimer::timeout, this, &pzListItem::resetPushed);
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

void pzListItem::select() {
    d_func()->selected = true;
    update();
}

void pzListItem::unselect() {
    d_func()->selected = false;
    update();
}

void pzListItem::resetPushed() {
    Q_D(pzListItem);
    d->pushTimer.stop();
    d->pushed = false;
    update();
}

void pzListItem::mousePressEvent(QMouseEvent* event) {
    Q_D(pzListItem);
    d->pushed = true;
    update();
    d->pushTimer.stop();
    QAbstractButton::mousePressEvent(event);
}

void pzListItem::mouseReleaseEvent(QMouseEvent* event) {
    d_func()->pushTimer.start(pzListItemPrivate::PushMilliseconds);
    QAbstractButton::mouseReleaseEvent(event);
}

void pzListItem::enterEvent(QEnterEvent*) {
    d_func()->entered = true;
    setHoverLook(true);
}

void pzListItem::leaveEvent(QEvent*) {
    d_func()->entered = false;
    setHoverLook(false);
}

void pzListItem::setHoverLook(bool hovered) {
    QFont underlined = font();
    underlined.setUnderline(hovered);
    setFont(underlined);

    QCursor shape = cursor();
    shape.setShape(hovered ? Qt::PointingHandCursor : Qt::ArrowCursor);
    setCursor(shape);
}

void pzListItem::paintEvent(QPaintEvent*) {
    Q_D(pzListItem);
    QPainter painter(this);
    if (!painter.isActive())
        return;
    pzPaint paint(painter);
    if (d->selected || d->pushed)
        paint.drawRect(rect(), Qt::black);
    else if (d->entered)
        paint.drawRect(rect(), HoverBackground);

    const int m = d->margin;
    const QSize size = iconSize();
    const QPixmap pixmap = icon().pixmap(size, QIcon::Normal, QIcon::Off);
    painter.drawPixmap(QRectF(m, m, size.width(), size.height()), pixmap, QRectF());

    const QRect content = rect().adjusted(m, m, -m, -m);
    if (content.width() - size.width() > pzListItemPrivate::IconTextGap)
        paintCaption(painter, content);
}

void pzListItem::paintCaption(QPainter& painter, const QRect& content) {
    Q_D(pzListItem);
    pzPaint paint(painter);
    const int indent = iconSize().width() + pzListItemPrivate::IconTextGap;
    const QRect textRect(content.left() + indent, content.top(), content.width() - indent,
                         content.height());
    const bool dark = d->selected || d->pushed || d->entered;
    QPen pen;
    pen.setBrush(QBrush(dark ? Qt::white : Qt::black, Qt::SolidPattern));
    painter.setPen(pen);
    paint.drawTextElided(textRect, text());

    if (!d->pushed && !d->entered)
        paint.drawRect(QRect(0, height() - 1, width(), 1), SeparatorColor);
}
