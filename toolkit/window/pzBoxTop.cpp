#include "pzBoxTop.h"

#include "pzBox.h"
#include "pzBoxTop_p.h"
#include "pzPaint.h"

#include <QHBoxLayout>
#include <QPainter>

namespace {

pzFadeButton* createWindowButton(const QString& path) {
    auto* button = new pzFadeButton(path);
    button->setIconSize(QSize(23, 22));
    return button;
}

} // namespace

pzBoxTop::pzBoxTop(pzBox* box)
    : QWidget(box)
    , pzPrivatable(new pzBoxTopPrivate) {
    Q_D(pzBoxTop);
    d->box = box;
    d->topLayout = new QHBoxLayout(this);
    d->topLayout->setContentsMargins(0, 0, 0, 0);
    d->topLayout->setSpacing(0);
    createButtons();
    connectButtons();
}

pzBoxTop::~pzBoxTop() = default;

void pzBoxTop::createButtons() {
    Q_D(pzBoxTop);
    d->programButton = new pzFadeTextButton;
    d->programButton->setIcon(QIcon(QStringLiteral(":/niraLogoWhiteSmall.png")));
    d->programButton->setText(QStringLiteral("codenameBox"));
    d->programButton->setCheckable(true);
    d->topLayout->addWidget(d->programButton, 0, Qt::AlignLeft);
    d->topLayout->addStretch(10);
    d->topLayout->addSpacing(16);

    d->iconifyButton = createWindowButton(QStringLiteral(":/iconIconify.png"));
    d->minimizeButton = createWindowButton(QStringLiteral(":/iconMaximize.png"));
    d->closeButton = createWindowButton(QStringLiteral(":/iconClose.png"));
    d->closeButton->setBackColor(QColor(255, 0, 0, 150));
    d->closeButton->setBackColorPush(QColor(255, 0, 0, 255));
    for (pzFadeButton* button : {d->iconifyButton, d->minimizeButton, d->closeButton})
        d->topLayout->addWidget(button, 0, Qt::AlignRight);
    d->topLayout->addSpacing(6);
}

void pzBoxTop::connectButtons() {
    Q_D(pzBoxTop);
    connect(d->programButton, &QAbstractButton::clicked, d->box, &pzBox::togglePanel);
    connect(d->iconifyButton, &QAbstractButton::clicked, d->box, &QWidget::showMinimized);
    connect(d->minimizeButton, &QAbstractButton::clicked, d->box, &pzBox::toggleWindow);
    connect(d->closeButton, &QAbstractButton::clicked, d->box, &QWidget::close);
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
    paint.drawRect(rect(), QColor(0, 0, 0, 150));
}
