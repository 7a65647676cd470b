// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "pzListMenu.h"

class pzListItem;

// The demo's menu page: two entries, each toggling its own page widget in the page area.
class ldDemoPage : public pzListMenu {
    Q_OBJECT

public:
    explicit ldDemoPage(QObject* parent = nullptr);

    pzListItem* profileItem() const { return mProfileItem; }
    pzListItem* coloursItem() const { return mColoursItem; }

public slots:
    void createPage() override;
    void showProfile();
    void showColours();

private:
    void toggle(pzListItem* item, QWidget* (*makePage)());

    pzListItem* mProfileItem = nullptr;
    pzListItem* mColoursItem = nullptr;
};
