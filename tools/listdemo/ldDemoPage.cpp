// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "ldDemoPage.h"

#include "pzFrame.h"
#include "pzListItem.h"
#include "pzPaint.h"

#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace {

// A page that shows the painting helper's gradients side by side.
class ColoursPage : public QWidget {
public:
    ColoursPage() { resize(260, 180); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        pzPaint paint(painter);
        const int half = width() / 2;
        paint.drawHGradient(QRect(0, 0, half, height()), QColor(30, 90, 160), QColor(10, 20, 40));
        paint.drawVGradient(QRect(half, 0, width() - half, height()), QColor(160, 60, 30),
                            QColor(240, 200, 80));
        painter.setPen(Qt::white);
        paint.drawTextElided(QRect(8, 8, width() - 16, 20),
                             QObject::tr("Horizontal and vertical gradients"));
    }
};

QWidget* makeProfilePage() {
    auto* frame = new pzFrame;
    frame->setObjectName(QStringLiteral("profilePage"));
    auto* layout = new QVBoxLayout(frame);
    auto* picture = new QLabel;
    picture->setPixmap(QPixmap(QStringLiteral(":/PictureOren.png"))
                           .scaled(120, 186, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    auto* text = new QLabel(QObject::tr("<b>Oren Vale</b><br>Builds small Qt toolkits."));
    layout->addWidget(picture);
    layout->addWidget(text);
    frame->resize(frame->sizeHint().expandedTo(QSize(220, 0)));
    return frame;
}

QWidget* makeColoursPage() {
    auto* page = new ColoursPage;
    page->setObjectName(QStringLiteral("coloursPage"));
    return page;
}

} // namespace

ldDemoPage::ldDemoPage(QObject* parent)
    : pzListMenu(parent) {}

void ldDemoPage::createPage() {
    // The base forgets every item, so it runs before the entries are added.
    pzListMenu::createPage();
    mProfileItem = new pzListItem(QIcon(QStringLiteral(":/about.png")), tr("Profile"));
    mColoursItem = new pzListItem(QIcon(QStringLiteral(":/niraLogo.png")), tr("Colours"));
    addItem(mProfileItem, SLOT(showProfile()));
    addItem(mColoursItem, SLOT(showColours()));
}

void ldDemoPage::showProfile() {
    toggle(mProfileItem, &makeProfilePage);
}

void ldDemoPage::showColours() {
    toggle(mColoursItem, &makeColoursPage);
}

void ldDemoPage::toggle(pzListItem* item, QWidget* (*makePage)()) {
    if (currentItem() == item)
        unselectItem(item);
    else
        selectItem(item, makePage());
}
