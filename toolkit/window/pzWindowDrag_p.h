// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

// Not public API: this header may change from one version to the next.

#include <QPoint>
#include <QRect>

#include <optional>

class QWidget;

// A drag of a window by the pointer, on one of its handles: a move (no edges) or a resize from
// the given edges. Pressed, then handed to the window system where it moves windows, or followed
// by the toolkit itself.
class pzWindowDrag {
public:
    pzWindowDrag() = default;
    pzWindowDrag(QWidget* handle, Qt::Edges edges);

    void press(const QPoint& globalPos);
    void release() { state = State::Idle; }
    // Pressed and not handed over: the toolkit follows the pointer itself.
    bool isFollowing() const { return state == State::Pressed || state == State::Following; }
    // Asks the window system once per press to take the drag over, while the left button is
    // held; true if it did.
    bool handOver(Qt::MouseButtons buttons);
    // A move takes the window by the pointer's step since the last position it followed, while
    // the pointer lies in a screen's available area; a resize puts the window's edges where the
    // pointer has taken them since the press.
    void follow(const QPoint& globalPos);

private:
    enum class State { Idle, Pressed, Following, HandedOver };

    static bool isMovePosAllowed(const QPoint& globalPos);
    QRect resizedGeometry(const QPoint& globalPos) const;

    QWidget* handle = nullptr;
    Qt::Edges edges;
    State state = State::Idle;
    // The last position a move followed; none until the pointer lies in an available area.
    std::optional<QPoint> lastPos;
    QPoint pressPos;
    QRect startGeometry;
    QRect startArea;
};
