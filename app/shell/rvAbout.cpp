// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "rvAbout.h"

#include "pzPicture.h"
#include "rvAbout_p.h"

#include <QEvent>

rvAbout::rvAbout(QWidget* parent)
    : pzFrame(parent)
    , rvPrivatable(rvPrivatable::own(new rvAboutPrivate)) {
    ui.setupUi(this);
    // The form names the plain portrait; a high-density screen gets its sharper partner.
    ui.label->setPixmap(pzPicture::load(QStringLiteral(":/PictureOren.png")));
    setAutoFillBackground(true);
    // A little less transparent than a plain frame, so the text reads well over the city.
    setBackgroundColor(QColor(255, 255, 255, 225));
    ui.label_2->installEventFilter(this);
}

bool rvAbout::eventFilter(QObject* watched, QEvent* event) {
    // A clicked link keeps the label's keyboard selection, drawn as a focus frame around it;
    // focus that came from the mouse shows nothing anywhere in the program. Cleared once the
    // label has handled the click, so Tab still finds the link from there.
    if (watched == ui.label_2 && event->type() == QEvent::MouseButtonRelease)
        QMetaObject::invokeMethod(
            ui.label_2, [label = ui.label_2] { label->setSelection(0, 0); }, Qt::QueuedConnection);
    return pzFrame::eventFilter(watched, event);
}

rvAbout::~rvAbout() = default;
