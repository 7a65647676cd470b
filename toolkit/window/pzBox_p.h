// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

// Not public API: this header may change from one version to the next.

#include "pzBox.h"
#include "pzBoxFrame_p.h"
#include "pzBoxPlacement_p.h"
#include "pzBoxWindowState_p.h"
#include "pzPrivate.h"
#include "pzWindowDrag_p.h"

#include <QList>
#include <QPointer>

#include <memory>

class QVBoxLayout;
class pzBoxTop;
class pzFadeTextButton;
class pzDynamicWidget;
class pzListPage;

class pzBoxPrivate : public pzPrivate {
    PZ_DECLARE_PUBLIC(pzBox)

public:
    // Builds the frame, title bar and panel; run by each constructor.
    void init();

    // What the title bar and, while it is open, the panel need.
    void updateMinimumSize();
    // Null once the bar or the button is gone.
    pzFadeTextButton* programButton() const;
    QList<QWidget*> titleBarButtons() const;
    void setPanelShown(bool shown);
    // Unselects the menu's current item, which takes its page away; false if none is shown.
    bool closeShownPage();

    // Tracked as the panel: public calls reach and may delete each (layout(), findChild()).
    QPointer<QVBoxLayout> mainLayout;
    std::unique_ptr<pzBoxFrame> frame;
    std::unique_ptr<pzBoxPlacement> placement;
    std::unique_ptr<pzBoxWindowState> windowState;
    pzWindowDrag drag;
    // Tracked: a user may delete the panel, and the box then goes on without one.
    QPointer<pzBoxPanel> panel;
    QPointer<pzDynamicWidget> contentHolder;
    QPointer<pzBoxTop> boxTop;
    QPointer<pzListPage> menuPage;
};
