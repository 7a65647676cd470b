// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "pzFadeButton.h"
#include "pzFadeTextButton.h"
#include "pzPrivatable.h"
#include "pzToolsExport.h"

#include <QWidget>

class pzBox;
class pzBoxTopPrivate;

/// The title bar of a window box: program button, then iconify, maximize/restore and close.
class PZTOOLS_EXPORT pzBoxTop : public QWidget, public pzPrivatable {
    Q_OBJECT
    Q_PROPERTY(pzFadeTextButton* programButton READ programButton)
    Q_PROPERTY(pzFadeButton* iconifyButton READ iconifyButton)
    Q_PROPERTY(pzFadeButton* minimizeButton READ minimizeButton)
    Q_PROPERTY(pzFadeButton* closeButton READ closeButton)

public:
    /// A title bar for `box`, which also becomes its parent; its buttons steer the box. A null
    /// `box` gives a bar whose buttons steer nothing.
    explicit pzBoxTop(pzBox* box);
    /// Destroys the bar and its buttons.
    ~pzBoxTop() override;

    /// The program button: logo and title; it toggles the side panel.
    pzFadeTextButton* programButton() const;
    /// The button that minimizes the window.
    pzFadeButton* iconifyButton() const;
    /// The button that maximizes and restores the window.
    pzFadeButton* minimizeButton() const;
    /// The button that closes the window.
    pzFadeButton* closeButton() const;

protected:
    /// Paints the bar black at alpha 150.
    void paintEvent(QPaintEvent* event) override;

private:
    PZ_DECLARE_PRIVATE(pzBoxTop)
};
