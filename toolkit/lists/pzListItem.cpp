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
    d_func()->setHoverLook(true);
}

void pzListItem::leaveEvent(QEvent*) {
    d_func()->entered = false;
    d_func()->setHoverLook(false);
}

void pzListItemPrivate::setHoverLook(bool hovered) {
    Q_Q(pzListItem);
    QFont underlined = q->font();
    underlined.setUnderline(hovered);
    q->setFont(underlined);

    QCursor shape = q->cursor();
    shape.setShape(hovered ? Qt::PointingHandCursor : Qt::ArrowCursor);
    q->setCursor(shape);
}

void pzListItem::paintEvent(QPaintEvent*) {
    Q_D(pzListItem);
    QPainter painter(this);
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
        d->paintCaption(painter, content);
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
        paint.drawRect(QRect(0, q->height() - 1, q->width(), 1), SeparatorColor);
}
