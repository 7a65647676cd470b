// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzAccessiblePanelButton_p.h"

#include "pzBox.h"
#include "pzBoxPanel.h"

#include <QAbstractButton>

QAccessible::Role pzAccessiblePanelButton::role() const {
    return QAccessible::Button;
}

QAccessible::State pzAccessiblePanelButton::state() const {
    QAccessible::State state = pzAccessibleButton::state();
    // Checked while the panel shows: Qt's AT-SPI bridge passes on changes of the checked state
    // alone, so a reader hears it change. The panel's own visibility counts, since the box can
    // show and hide it without the button.
    const QWidget* titleBar = button()->parentWidget();
    const auto* box = qobject_cast<const pzBox*>(titleBar ? titleBar->parentWidget() : nullptr);
    const bool open = box && box->panel() && !box->panel()->isHidden();
    state.checked = open;
    return state;
}
