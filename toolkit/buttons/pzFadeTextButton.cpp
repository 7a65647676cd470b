#include "pzFadeTextButton.h"

#include "pzFadeTextButton_p.h"
#include "pzText.h"

#include <QHBoxLayout>

pzFadeTextButton::pzFadeTextButton(QWidget* parent)
    : pzFadeButton(*new pzFadeTextButtonPrivate, QString(), parent) {
    setUpLayout(tr("text"));
}

pzFadeTextButton::pzFadeTextButton(const QString& path, const QString& text, QWidget* parent)
    : pzFadeButton(*new pzFadeTextButtonPrivate, path, parent) {
    setUpLayout(text);
}

pzFadeTextButton::~pzFadeTextButton() = default;

void pzFadeTextButton::setUpLayout(const QString& text) {
    Q_D(pzFadeTextButton);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    d->label = new pzText(text);
    d->label->setObjectName(QStringLiteral("label"));
    layout->addSpacing(pzFadeTextButtonPrivate::TextIndent);
    layout->addWidget(d->label, 0, Qt::AlignLeft | Qt::AlignVCenter);
    layout->addSpacing(pzFadeTextButtonPrivate::TextTrail);
}

QString pzFadeTextButton::text() const {
    return d_func()->label->text();
}

void pzFadeTextButton::setText(const QString& text) {
    d_func()->label->setText(text);
}

void pzFadeTextButton::enterEvent(QEnterEvent* event) {
    pzFadeButton::enterEvent(event);
    setHoverLook(true);
}

void pzFadeTextButton::leaveEvent(QEvent* event) {
    pzFadeButton::leaveEvent(event);
    setHoverLook(false);
}

void pzFadeTextButton::setHoverLook(bool hovered) {
    Q_D(pzFadeTextButton);
    QFont font = d->label->font();
    font.setUnderline(hovered);
    d->label->setFont(font);

    QCursor shape = cursor();
    shape.setShape(hovered ? Qt::PointingHandCursor : Qt::ArrowCursor);
    setCursor(shape);
}
