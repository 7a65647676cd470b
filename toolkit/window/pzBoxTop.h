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
///
/// Every pzBox makes one along its top; a program does not create its own. The program button (a
/// pzFadeTextButton with the window's icon and title) toggles the side panel; the three window
/// buttons (pzFadeButton) minimize, maximize or restore, and close the box, each with a translated
/// tooltip and accessible name. Reach the bar through its box to restyle a button:
/// \code
/// auto* bar = box.findChild<pzBoxTop*>();
/// bar->closeButton()->setBackColor(QColor(200, 40, 40, 200));
/// \endcode
class PZTOOLS_EXPORT pzBoxTop : public QWidget, public pzPrivatable {
    Q_OBJECT
    /// The program button: the window's icon and title; checked while the side panel shows.
    Q_PROPERTY(pzFadeTextButton* programButton READ programButton)
    /// The button that minimizes the window.
    Q_PROPERTY(pzFadeButton* iconifyButton READ iconifyButton)
    /// The button that maximizes the window, or restores it while maximized; its icon and name
    /// follow.
    Q_PROPERTY(pzFadeButton* minimizeButton READ minimizeButton)
    /// The button that closes the window.
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
