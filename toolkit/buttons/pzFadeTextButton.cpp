// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzFadeTextButton.h"

#include "pzFadeTextButton_p.h"
#include "pzText.h"

#include <QHBoxLayout>

pzFadeTextButton::pzFadeTextButton(QWidget* parent)
    : pzFadeButton(*new pzFadeTextButtonPrivate, QString(), parent) {
    d_func()->setUpLayout(tr("text"));
}

pzFadeTextButton::pzFadeTextButton(const QString& path, const QString& text, QWidget* parent)
    : pzFadeButton(*new pzFadeTextButtonPrivate, path, parent) {
    d_func()->setUpLayout(text);
}

pzFadeTextButton::~pzFadeTextButton() = default;

void pzFadeTextButtonPrivate::setUpLayout(const QString& text) {
    Q_Q(pzFadeTextButton);
    auto* layout = new QHBoxLayout(q);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    label = new pzText(text);
    label->setObjectName(QStringLiteral("label"));
    layout->addSpacing(TextIndent);
    layout->addWidget(label, 0, Qt::AlignLeft | Qt::AlignVCenter);
    layout->addSpacing(TextTrail);
}

QString pzFadeTextButton::text() const {
    return d_func()->label->text();
}

void pzFadeTextButton::setText(const QString& text) {
    d_func()->label->setText(text);
}

void pzFadeTextButton::enterEvent(QEnterEvent* event) {
    pzFadeButton::enterEvent(event);
    pzLook::setHoverLook(d_func()->label, this, true);
}

void pzFadeTextButton::leaveEvent(QEvent* event) {
    pzFadeButton::leaveEvent(event);
    pzLook::setHoverLook(d_func()->label, this, false);
}
