// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzFrame.h"

#include "pzFrame_p.h"
#include "pzLook_p.h"

namespace {

void setRoleBrush(QWidget& widget, QPalette::ColorRole role, const QColor& color) {
    QPalette palette = widget.palette();
    palette.setBrush(QPalette::All, role, QBrush(color, Qt::SolidPattern));
    widget.setPalette(palette);
}

} // namespace

pzFrame::pzFrame(QWidget* parent)
    : QFrame(parent)
    , pzPrivatable(new pzFramePrivate) {
    setBackgroundColor(pzLook::areaColor);
}

pzFrame::~pzFrame() = default;

void pzFrame::setBackgroundColor(const QColor& color) {
    setRoleBrush(*this, QPalette::Window, color);
}

void pzFrame::setFrameColor(const QColor& color) {
    setRoleBrush(*this, QPalette::WindowText, color);
}
