// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzBoxTop.h"

#include "pzBox.h"
#include "pzBoxTop_p.h"
#include "pzLook_p.h"
#include "pzPaint.h"

#include <QAccessible>
#include <QHBoxLayout>
#include <QPainter>

namespace {

pzFadeButton* createWindowButton(const QString& path) {
    auto* button = new pzFadeButton(path);
    button->setIconSize(pzLook::windowButtonSize);
    return button;
}

// The maximize button's picture: two overlapping windows while the box is maximized.
QString maximizePicture(bool maximized) {
    return maximized ? QStringLiteral(":/iconMinimize.png") : QStringLiteral(":/iconMaximize.png");
}

} // namespace

void pzBoxTopPrivate::describe(QWidget* button, const QString& words) {
    button->setAccessibleName(words);
    button->setAccessibleDescription(words);
    button->setToolTip(words);
}

void pzBoxTopPrivate::announcePanel(QWidget* programButton) {
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(programButton, changed);
    QAccessible::updateAccessibility(&event);
}

void pzBoxTopPrivate::showMaximized(bool maximized) {
    if (!minimizeButton)
        return;
    minimizeButton->setIcon(QIcon(maximizePicture(maximized)));
    describe(minimizeButton, maximized ? pzBoxTop::tr("Restore") : pzBoxTop::tr("Maximize"));
}

pzBoxTop::pzBoxTop(pzBox* box)
    : QWidget(box)
    , pzPrivatable(new pzBoxTopPrivate) {
    Q_D(pzBoxTop);
    d->box = box;
    d->topLayout = new QHBoxLayout(this);
    d->topLayout->setContentsMargins(0, 0, 0, 0);
    d->topLayout->setSpacing(0);
    d->createButtons();
    d->showMaximized(box && box->isMaximized());
    // A bar without a box has nothing to steer; Qt would warn about every connection.
    if (box)
        d->connectButtons();
}

pzBoxTop::~pzBoxTop() = default;

void pzBoxTopPrivate::createButtons() {
    programButton = new pzFadeTextButton;
    programButton->setIcon(QIcon(QStringLiteral(":/niraLogoWhiteSmall.png")));
    programButton->setText(QStringLiteral("codenameBox"));
    programButton->setCheckable(true);
    topLayout->addWidget(programButton, 0, Qt::AlignLeft);
    // Named for what it does: the window already carries the title. Named once in the bar, where
    // assistive technology tells it from other buttons.
    describe(programButton, pzBoxTop::tr("Menu"));
    topLayout->addStretch(10);
    topLayout->addSpacing(16);

    iconifyButton = createWindowButton(QStringLiteral(":/iconIconify.png"));
    minimizeButton = createWindowButton(maximizePicture(false));
    closeButton = createWindowButton(QStringLiteral(":/iconClose.png"));
    closeButton->setBackColor(pzLook::closeHoverColor);
    closeButton->setBackColorPush(pzLook::closePushColor);
    describe(iconifyButton, pzBoxTop::tr("Minimize"));
    describe(closeButton, pzBoxTop::tr("Close"));
    for (pzFadeButton* button : {iconifyButton, minimizeButton, closeButton})
        topLayout->addWidget(button, 0, Qt::AlignRight);
    topLayout->addSpacing(6);
    // A click that moved focus would make Qt ask the window system to activate the window, and
    // some (KWin) then undo the minimize that the click asked for. Tab still reaches them.
    for (QWidget* button :
         QList<QWidget*>{programButton, iconifyButton, minimizeButton, closeButton})
        button->setFocusPolicy(Qt::TabFocus);
}

void pzBoxTopPrivate::connectButtons() {
    QObject::connect(programButton, &QAbstractButton::clicked, box, &pzBox::togglePanel);
    QObject::connect(iconifyButton, &QAbstractButton::clicked, box, &QWidget::showMinimized);
    QObject::connect(minimizeButton, &QAbstractButton::clicked, box, &pzBox::toggleWindow);
    QObject::connect(closeButton, &QAbstractButton::clicked, box, &QWidget::close);
    // Bound to the bar, whose record it uses: the button may outlive the bar elsewhere.
    QObject::connect(box, &pzBox::maximizedChanged, q_func(),
                     [this](bool maximized) { showMaximized(maximized); });
}

pzFadeTextButton* pzBoxTop::programButton() const {
    return d_func()->programButton;
}

pzFadeButton* pzBoxTop::iconifyButton() const {
    return d_func()->iconifyButton;
}

pzFadeButton* pzBoxTop::minimizeButton() const {
    return d_func()->minimizeButton;
}

pzFadeButton* pzBoxTop::closeButton() const {
    return d_func()->closeButton;
}

void pzBoxTop::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!painter.isActive())
        return;
    pzPaint paint(painter);
    paint.drawRect(rect(), pzLook::barColor);
}
