// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "pzFadeButton.h"
#include "pzToolsExport.h"

class pzFadeTextButtonPrivate;

/// A fade button with a text label beside its icon, underlined under a pointing hand on hover.
///
/// It reads as a link on a dark bar: the title bar's program button is one, showing the window's
/// icon and title and checked while the side panel is open. The text may be rich text; it lies in a
/// pzText, so that clicks on it reach the button.
/// \code
/// auto* help = new pzFadeTextButton(QStringLiteral(":/help.png"), tr("Help"), bar);
/// connect(help, &pzFadeTextButton::clicked, this, &MyWindow::showHelp);
/// \endcode
class PZTOOLS_EXPORT pzFadeTextButton : public pzFadeButton {
    Q_OBJECT
    /// The text beside the icon, plain or rich; "text" until set. Forms set it by this property.
    Q_PROPERTY(QString text READ text WRITE setText)

public:
    /// A button without icon and with the text "text". A null `parent` makes a top-level widget.
    explicit pzFadeTextButton(QWidget* parent = nullptr);
    /// A button with the icon at `path` and `text` beside it, 26 pixels from the left edge.
    pzFadeTextButton(const QString& path, const QString& text, QWidget* parent = nullptr);
    /// Destroys the button and its label.
    ~pzFadeTextButton() override;

    /// The label's text, markup included; this and setText() hide QAbstractButton's text.
    QString text() const;
    /// Sets the text; rich text is shown formatted.
    void setText(const QString& text);

protected:
    /// Marks the button as hovered, underlines the text and shows a pointing hand.
    void enterEvent(QEnterEvent* event) override;
    /// Marks the button as not hovered, removes the underline and shows the arrow.
    void leaveEvent(QEvent* event) override;

private:
    PZ_DECLARE_PRIVATE(pzFadeTextButton)
};
