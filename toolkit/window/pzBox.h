// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "pzBoxPanel.h"
#include "pzPrivatable.h"
#include "pzToolsExport.h"

#include <QWidget>

class pzBoxPrivate;
class pzListPage;

/// A frameless top-level window with its own rim, title bar, side panel and corner grips.
///
/// A program built on the toolkit starts here: the box replaces the window system's frame with the
/// toolkit's look. Its title bar (pzBoxTop) holds the program button, which opens the side panel
/// (pzBoxPanel), and the minimize, maximize and close buttons. The content fills the window below
/// the title bar; the panel's menu shows a list page, usually a pzListMenu, whose entries open
/// pages beside it (see @ref usingTheToolkit).
/// \code
/// MyMenu menu; // a pzListMenu subclass; it must outlive the box
/// pzBox box;
/// box.setTitle(QObject::tr("My program"));
/// box.setContent(new QLabel(QObject::tr("Content")));
/// box.setMenu(&menu);
/// box.show();
/// \endcode
/// Dragging the title bar moves the window, a double click maximizes it; grips on the rim resize
/// it.
class PZTOOLS_EXPORT pzBox : public QWidget, public pzPrivatable {
    Q_OBJECT
    /// Whether the box fills its screen's available area; see showMaximized() and showNormal().
    Q_PROPERTY(bool maximized READ isMaximized NOTIFY maximizedChanged)
    /// The side panel, hidden until showPanel() or the program button brings it out.
    Q_PROPERTY(pzBoxPanel* panel READ panel)

public:
    /// A 400 by 300 frameless window with its panel hidden. The box is always a top-level window: a
    /// `parent` (null allowed) only owns it.
    explicit pzBox(QWidget* parent = nullptr);
    /// Destroys the box with its content and panel.
    ~pzBox() override;

    /// Shows `widget` below the title bar, under the panel, and takes it as a child; null changes
    /// nothing. The previous content stays a child of the box, neither hidden nor deleted: the
    /// caller deletes it.
    void setContent(QWidget* widget);
    /// Binds `page` to the side panel's menu list, which lets the page fill it (see the list-page
    /// protocol); null changes nothing. The page stays the caller's and must outlive the box's use
    /// of it.
    void setMenu(pzListPage* page);

    /// The side panel.
    pzBoxPanel* panel() const;
    /// The box's own flag: the window system's maximize is not used.
    bool isMaximized() const;

    /// Shows the side panel over the content.
    virtual void showPanel();
    /// Hides the side panel.
    virtual void hidePanel();

public slots:
    /// Shows the panel if hidden, hides it otherwise, and checks the program button to match.
    virtual void togglePanel();
    /// Restores a maximized box, maximizes it otherwise.
    virtual void toggleWindow();
    /// Sets the window title and shows it, white and bold, in the program button.
    virtual void setTitle(const QString& title);
    /// Remembers the geometry and fills the available area of the window's screen; the grips hide.
    /// Does nothing if already maximized.
    virtual void showMaximized();
    /// Returns to the remembered geometry (on a screen that is still there) and shows the grips
    /// again. Does nothing unless maximized.
    virtual void showNormal();
    /// Sets the window icon and the program button's icon.
    virtual void setWindowIcon(const QIcon& icon);
    /// Centres the box on the available area of its screen.
    virtual void centerOnScreen();

signals:
    /// The box was maximized or restored, by itself or by the window system.
    void maximizedChanged(bool maximized);

protected:
    /// \cond
    /// For the toolkit's own subclasses (record types are not installed): installs the subclass's
    /// own record `d`, then sets the box up as the public constructor does.
    pzBox(pzBoxPrivate* d, QWidget* parent);
    /// \endcond

    /// Starts moving the window: the window system takes the move over where it can.
    void mousePressEvent(QMouseEvent* event) override;
    /// Ends a move.
    void mouseReleaseEvent(QMouseEvent* event) override;
    /// Moves the window with the pointer while a move lasts.
    void mouseMoveEvent(QMouseEvent* event) override;
    /// Maximizes or restores the window.
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    /// Escape closes the page shown in the side panel; Shift+F10 on a title-bar button opens the
    /// window menu.
    void keyPressEvent(QKeyEvent* event) override;
    /// A right click on the title bar's free area, or the menu key on a title-bar button, opens
    /// the window menu: the window system's where it has one, the toolkit's own otherwise.
    void contextMenuEvent(QContextMenuEvent* event) override;
    /// Closes the window; a close asked for by the window system is carried out from the event
    /// loop.
    void closeEvent(QCloseEvent* event) override;
    /// Follows the window system when it maximizes or restores the window itself.
    void changeEvent(QEvent* event) override;
    /// Paints the black rim and the white ground inside it.
    void paintEvent(QPaintEvent* event) override;
    /// Places the content, the grips and the side handles.
    void resizeEvent(QResizeEvent* event) override;
    /// Fits the box into its screen's available area when it is first shown.
    void showEvent(QShowEvent* event) override;

private:
    PZ_DECLARE_PRIVATE(pzBox)
};
