// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "pzPrivatable.h"
#include "pzToolsExport.h"

#include <QLabel>

class pzTextPrivate;

/// A text label that lets mouse presses and releases through to its parent.
///
/// A QLabel on a button takes the clicks that land on it; pzText ignores them, so a button, list
/// entry or bar with a text on it stays clickable all over. pzFadeTextButton shows its text in one.
/// \code
/// auto* caption = new pzText(tr("<b>Open</b> a file"), clickableCard);
/// \endcode
class PZTOOLS_EXPORT pzText : public QLabel, public pzPrivatable {
    Q_OBJECT

public:
    /// Shows `text` (plain or rich). A null `parent` makes a top-level widget.
    explicit pzText(const QString& text, QWidget* parent = nullptr);
    /// An empty text label, as a form (uic) makes it; setText() gives it its words.
    explicit pzText(QWidget* parent = nullptr);
    /// Destroys the label.
    ~pzText() override;

protected:
    /// Ignores the press, so that it reaches the parent.
    void mousePressEvent(QMouseEvent* event) override;
    /// Ignores the release, so that it reaches the parent.
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    PZ_DECLARE_PRIVATE(pzText)
};
