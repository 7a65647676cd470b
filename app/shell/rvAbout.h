// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "pzFrame.h"
#include "rvPrivatable.h"
#include "ui_rvAbout.h"

struct rvAboutPrivate;

// The About page: the author's portrait and a short profile with a link to his web log.
class rvAbout : public pzFrame, public rvPrivatable {
    Q_OBJECT

public:
    explicit rvAbout(QWidget* parent = nullptr);
    ~rvAbout() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    RV_DECLARE_PRIVATE(rvAbout)

    Ui::rvAbout ui;
};
