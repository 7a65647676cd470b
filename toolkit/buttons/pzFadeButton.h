// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "pzPrivatable.h"
#include "pzToolsExport.h"

#include <QAbstractButton>
#include <QColor>

class pzFadeButtonPrivate;

/// An icon button drawn at its top-left corner over a hover wash or a pressed/checked colour.
///
/// The title bar's window buttons are fade buttons. At rest the icon lies on nothing; a translucent
/// white wash shows while the pointer is over the button, and an opaque colour while it is pressed
/// (kept 100 ms after the release, so that a quick click shows) or checked. Use it for icon buttons
/// on a dark or pictured ground and connect clicked() as for any button; pzFadeTextButton adds a
/// text beside the icon.
/// \code
/// auto* refresh = new pzFadeButton(QStringLiteral(":/refresh.png"), toolBar);
/// refresh->setBackColorPush(QColor(40, 90, 160));
/// connect(refresh, &pzFadeButton::clicked, view, &MyView::reload);
/// \endcode
class PZTOOLS_EXPORT pzFadeButton : public QAbstractButton, public pzPrivatable {
    Q_OBJECT
    /// The icon path given at construction.
    Q_PROPERTY(QString path READ path)
    /// Whether the pointer is over the button.
    Q_PROPERTY(bool entered READ entered)
    /// The background while hovered; white at alpha 100 by default.
    Q_PROPERTY(QColor backColor READ backColor WRITE setBackColor)
    /// The background while pressed or checked; opaque black by default.
    Q_PROPERTY(QColor backColorPush READ backColorPush WRITE setBackColorPush)
    /// Whether the button shows its pressed look.
    Q_PROPERTY(bool pushed READ pushed)

public:
    /// A button showing the icon at `path` (a file or a ":/" resource) at 22 by 22 pixels; a path
    /// that names no picture shows only the backgrounds. A null `parent` makes a top-level widget.
    explicit pzFadeButton(const QString& path, QWidget* parent = nullptr);
    /// A button with no icon yet, as a form (uic) makes it; setIcon() gives it one.
    explicit pzFadeButton(QWidget* parent = nullptr);
    /// Destroys the button and its pressed-look timer.
    ~pzFadeButton() override;

    /// The icon path given at construction; setIcon() does not change it.
    QString path() const;
    /// Whether the pointer is over the button.
    bool entered() const;
    /// Whether the button shows its pressed look: from the press until 100 ms after the release.
    bool pushed() const;

    /// The background while hovered; white at alpha 100 by default.
    QColor backColor() const;
    /// The background while pressed or checked; opaque black by default.
    QColor backColorPush() const;
    /// Sets the hover background; it shows from the next repaint.
    void setBackColor(const QColor& color);
    /// Sets the pressed and checked background; it shows from the next repaint.
    void setBackColorPush(const QColor& color);

    /// The icon size.
    QSize sizeHint() const override;

protected:
    /// \cond
    /// For the toolkit's own subclasses (record types are not installed): installs the subclass's
    /// own record `d`, then sets up the button as the public constructor does.
    pzFadeButton(pzFadeButtonPrivate& d, const QString& path, QWidget* parent);
    /// \endcond

    /// Shows the pressed look at once, then presses the button.
    void mousePressEvent(QMouseEvent* event) override;
    /// Ends the pressed look 100 ms later, then releases the button (clicked() is emitted if the
    /// pointer is over it).
    void mouseReleaseEvent(QMouseEvent* event) override;
    /// Marks the button as hovered.
    void enterEvent(QEnterEvent* event) override;
    /// Marks the button as not hovered.
    void leaveEvent(QEvent* event) override;
    /// Paints the pressed, checked or hover background, then the icon at the top-left corner.
    void paintEvent(QPaintEvent* event) override;

protected slots:
    /// Ends the pressed look and repaints.
    void resetPushed();

private:
    PZ_DECLARE_PRIVATE(pzFadeButton)
};
