// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "pzPrivatable.h"
#include "pzToolsExport.h"

#include <QFrame>

class pzFramePrivate;

/// A frame with a translucent white background and setters for its two colours.
///
/// Over a wallpaper or a box's dark content a plain QFrame leaves text hard to read; a pzFrame that
/// fills its background keeps it readable while the picture shows through. It is the usual ground
/// of a page widget that a pzListMenu entry opens in the side panel (see @ref listPageProtocol).
/// \code
/// auto* page = new pzFrame;
/// page->setAutoFillBackground(true); // paint the translucent white
/// page->setFrameStyle(QFrame::Box);
/// page->setFrameColor(Qt::darkGray);
/// auto* layout = new QVBoxLayout(page);
/// layout->addWidget(new QLabel(tr("Settings")));
/// \endcode
class PZTOOLS_EXPORT pzFrame : public QFrame, public pzPrivatable {
    Q_OBJECT

public:
    /// Creates the frame as a child of `parent`, or as a top-level widget when `parent` is null;
    /// its background is white at alpha 200.
    explicit pzFrame(QWidget* parent = nullptr);
    /// Destroys the frame and its children.
    ~pzFrame() override;

    /// Sets the colour that fills the frame (its palette's window colour).
    void setBackgroundColor(const QColor& color);
    /// Sets the colour of the frame line (its palette's foreground colour).
    void setFrameColor(const QColor& color);

private:
    PZ_DECLARE_PRIVATE(pzFrame)
};
