// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

// Not public API: this header may change from one version to the next.

#include <QMenu>

class pzBox;

// The toolkit's own window menu, where the window system shows none: Restore, Minimize, Maximize
// and Close of a box, in the toolkit's look. It deletes itself once closed.
class pzBoxMenu : public QMenu {
    Q_OBJECT

public:
    explicit pzBoxMenu(pzBox* box);

    // Shows the window system's window menu for `box` at `globalPos`, or the toolkit's own where
    // it has none.
    static void open(pzBox* box, const QPoint& globalPos);
};
