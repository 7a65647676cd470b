// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "pzListMenu.h"
#include "rvPrivatable.h"

struct rvMainPagePrivate;

// The side panel's menu: "About" toggles the About page, "Exit" closes every window.
class rvMainPage : public pzListMenu, public rvPrivatable {
    Q_OBJECT

public:
    explicit rvMainPage(QObject* parent = nullptr);
    ~rvMainPage() override;

public slots:
    void createPage() override;
    void deletePage() override;
    void showAbout();

private:
    RV_DECLARE_PRIVATE(rvMainPage)
};
