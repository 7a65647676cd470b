// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "pzDynamicWidget.h"
#include "pzPrivatable.h"
#include "pzToolsExport.h"

#include <QWidget>

class pzFrameMenuPrivate;

/// Shows one widget with a dark shadow along its right and bottom edges, sized to the widget plus
/// the shadow.
///
/// A pzMenu shows the page widget that a list-menu entry asks for inside one, in the side panel's
/// page area, so that the page seems to float over the box's content (see @ref listPageProtocol).
/// It holds the widget in a pzDynamicWidget and takes the widget's size.
/// \code
/// auto* floating = new pzFrameMenu(area);
/// floating->setWidget(new SettingsPage);
/// \endcode
class PZTOOLS_EXPORT pzFrameMenu : public QWidget, public pzPrivatable {
    Q_OBJECT
    /// The holder of the shown widget.
    Q_PROPERTY(pzDynamicWidget* dynamicWidget READ dynamicWidget)
    /// Width of the shadow strips, in pixels.
    Q_PROPERTY(int margin READ margin)

public:
    /// An empty frame menu of 0 by 0 pixels. A null `parent` makes a top-level widget.
    explicit pzFrameMenu(QWidget* parent = nullptr);
    /// Destroys the frame menu and the widget it shows.
    ~pzFrameMenu() override;

    /// The holder of the shown widget.
    pzDynamicWidget* dynamicWidget() const;
    /// Width of the shadow strips.
    int margin() const;

    /// The shown widget, or null.
    QWidget* widget() const;
    /// Shows `widget` (not null) and sizes the frame menu to it plus the shadow. The previous
    /// widget stays a child, neither hidden nor deleted.
    void setWidget(QWidget* widget);
    /// Takes the shown widget out (null if none), returns it to the caller and shrinks the frame
    /// menu to 0 by 0.
    QWidget* takeWidget();

protected:
    /// Paints the shadow strips black at alpha 150.
    void paintEvent(QPaintEvent* event) override;
    /// Keeps the holder the frame menu's size less the shadow.
    void resizeEvent(QResizeEvent* event) override;

private:
    PZ_DECLARE_PRIVATE(pzFrameMenu)
};
