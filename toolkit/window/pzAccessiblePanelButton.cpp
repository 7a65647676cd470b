// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzAccessiblePanelButton_p.h"

#include "pzBox.h"
#include "pzBoxPanel.h"

#include <QAbstractButton>

QAccessible::State pzAccessiblePanelButton::state() const {
    QAccessible::State state = pzAccessibleButton::state();
    // The panel's own visibility: the box can show and hide it without the button.
    const QWidget* titleBar = button()->parentWidget();
    const auto* box = qobject_cast<const pzBox*>(titleBar ? titleBar->parentWidget() : nullptr);
    state.checked = box && box->panel() && !box->panel()->isHidden();
    return state;
}
