// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

// Not public API: this header may change from one version to the next.

#include <QWidget>

// One side of the box's black rim, over the box's children and under its grips. The box's own
// rim lies in whole device-independent pixels; at fractional scale factors the children can
// cover part of it, so this strip paints the rim again in the window system's pixels: its
// outermost pixels on the side, the rim's width scaled and rounded.
class pzBoxRim : public QWidget {
    Q_OBJECT

public:
    pzBoxRim(Qt::Edge edge, QWidget* box);

    // Lays the strip along its side of the box.
    void place();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The rim of this side in the window system's pixels of the box's window.
    QRect deviceRect() const;

    Qt::Edge edge;
};
