// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "pzPrivatable.h"
#include "pzToolsExport.h"

#include <QFrame>

class pzFramePrivate;

/// A frame with a translucent white background and setters for its two colours.
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
