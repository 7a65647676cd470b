// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QWidget>

class ldDemoPage;
class pzFadeButton;
class pzFadeTextButton;
class pzMenu;
class pzScrollArea;

// The demo's window: a button row over a side menu and its page area.
class ldDemoWindow : public QWidget {
    Q_OBJECT

public:
    explicit ldDemoWindow(QWidget* parent = nullptr);

    ldDemoPage* page() const { return mPage; }

private:
    QWidget* makeButtonRow();

    pzFadeTextButton* mMenuButton = nullptr;
    pzFadeButton* mCloseButton = nullptr;
    pzScrollArea* mPageArea = nullptr;
    pzMenu* mMenu = nullptr;
    ldDemoPage* mPage = nullptr;
};
