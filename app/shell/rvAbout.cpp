// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "rvAbout.h"

#include "pzPicture.h"
#include "rvAbout_p.h"

rvAbout::rvAbout(QWidget* parent)
    : pzFrame(parent)
    , rvPrivatable(rvPrivatable::own(new rvAboutPrivate)) {
    ui.setupUi(this);
    // The form names the plain portrait; a high-density screen gets its sharper partner.
    ui.label->setPixmap(pzPicture::load(QStringLiteral(":/PictureOren.png")));
    setAutoFillBackground(true);
    // A little less transparent than a plain frame, so the text reads well over the city.
    setBackgroundColor(QColor(255, 255, 255, 225));
}

rvAbout::~rvAbout() = default;
