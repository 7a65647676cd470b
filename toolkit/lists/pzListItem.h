// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "pzPrivatable.h"
#include "pzToolsExport.h"

#include <QAbstractButton>

class pzListItemPrivate;

/// One entry of a list menu: an icon and a line of text with hovered, pressed and selected looks.
///
/// Create items in a pzListMenu's createPage() and hand them over with pzListMenu::addItem(); the
/// list that shows them takes them and deletes them with the page. The menu selects one item at a
/// time (select(), isSelected()); a click emits clicked(), as on any button.
/// \code
/// void MyMenu::createPage() {
///     pzListMenu::createPage();
///     auto* about = new pzListItem(QIcon(QStringLiteral(":/about.png")), tr("About"));
///     addItem(about, SLOT(showAbout()));
/// }
/// \endcode
class PZTOOLS_EXPORT pzListItem : public QAbstractButton, public pzPrivatable {
    Q_OBJECT
    /// Whether the pointer is over the item.
    Q_PROPERTY(bool entered READ entered)
    /// Whether the item shows its pressed look.
    Q_PROPERTY(bool pushed READ pushed)

public:
    /// An item without icon or text; its icon size is 32 by 32. A null `parent` makes a top-level
    /// widget; a list re-parents it.
    explicit pzListItem(QWidget* parent = nullptr);
    /// An item showing `icon` (a null icon shows none) and `text`, cut with an ellipsis when the
    /// item is too narrow.
    pzListItem(const QIcon& icon, const QString& text, QWidget* parent = nullptr);
    /// Destroys the item and its pressed-look timer.
    ~pzListItem() override;

    /// Whether the pointer is over the item.
    bool entered() const;
    /// Whether the item shows its pressed look: from the press until 100 ms after the release.
    bool pushed() const;
    /// Whether the item is its list menu's current item (shown with the pressed look).
    bool isSelected() const;

    /// The icon size plus a margin of 4 pixels on each side.
    QSize sizeHint() const override;

public slots:
    /// Shows the item selected (opaque black, white text).
    void select();
    /// Shows the item unselected.
    void unselect();

protected slots:
    /// Ends the pressed look and repaints.
    void resetPushed();

protected:
    /// Shows the pressed look at once, then presses the item.
    void mousePressEvent(QMouseEvent* event) override;
    /// Ends the pressed look 100 ms later, then releases the item (clicked() is emitted if the
    /// pointer is over it).
    void mouseReleaseEvent(QMouseEvent* event) override;
    /// Marks the item as hovered, underlines its text and shows a pointing hand.
    void enterEvent(QEnterEvent* event) override;
    /// Marks the item as not hovered, removes the underline and shows the arrow.
    void leaveEvent(QEvent* event) override;
    /// Paints the selected, pressed or hover background, the icon, the text and, at rest, a faint
    /// separator line.
    void paintEvent(QPaintEvent* event) override;

private:
    PZ_DECLARE_PRIVATE(pzListItem)
};
