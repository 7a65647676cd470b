// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "pzBox.h"
#include "rvPrivatable.h"

struct rvMainBoxPrivate;

// The program's window: the city block as content and the main menu in the side panel.
class rvMainBox : public pzBox, public rvPrivatable {
    Q_OBJECT

public:
    explicit rvMainBox(QWidget* parent = nullptr);
    ~rvMainBox() override;

private:
    RV_DECLARE_PRIVATE(rvMainBox)
};
