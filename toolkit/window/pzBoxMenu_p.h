// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

// Not public API: this header may change from one version to the next.

#include <QMenu>

class QContextMenuEvent;
class pzBox;

// The toolkit's own window menu, where the window system shows none: Restore, Minimize, Maximize
// and Close of a box, in the toolkit's look. It deletes itself once closed.
class pzBoxMenu : public QMenu {
    Q_OBJECT

public:
    explicit pzBoxMenu(pzBox* box);

    // For a right click on the free area of the box's title bar, or the menu key on one of its
    // buttons: shows the window system's window menu, or the toolkit's own where it has none.
    // False, showing nothing, for other places.
    static bool openFor(pzBox* box, QWidget* titleBar, const QContextMenuEvent* event);
};
