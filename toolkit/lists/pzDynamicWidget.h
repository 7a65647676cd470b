// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "pzPrivatable.h"
#include "pzToolsExport.h"

#include <QFrame>

class pzDynamicWidgetPrivate;

/// A frameless holder of at most one inner widget, which takes the inner widget's size.
///
/// It lets one place of a layout change its widget: pzBox shows its content in one, pzFrameMenu its
/// page widget. Swapping never deletes a widget; the old one stays a child, and the caller decides
/// whether to hide, reuse or delete it.
/// \code
/// auto* holder = new pzDynamicWidget(parent);
/// holder->setWidget(overview);
/// delete holder->takeWidget(); // later: replace the overview
/// holder->setWidget(details);
/// \endcode
class PZTOOLS_EXPORT pzDynamicWidget : public QFrame, public pzPrivatable {
    Q_OBJECT
    /// The shown widget, or null.
    Q_PROPERTY(QWidget* widget READ widget)

public:
    /// An empty holder without frame. A null `parent` makes a top-level widget.
    explicit pzDynamicWidget(QWidget* parent = nullptr);
    /// Destroys the holder and every child, the shown widget with them.
    ~pzDynamicWidget() override;

    /// The shown widget, or null.
    QWidget* widget() const;
    /// Takes the shown widget out of the layout and returns it (null if none); the caller decides
    /// its fate.
    /// Neither operation deletes or hides the widget it lets go: it stays a child of this one.
    QWidget* takeWidget();
    /// Shows `widget` instead of the current one, takes it as a child and takes its size; null
    /// changes nothing. The previous widget stays a child, neither hidden nor deleted.
    void setWidget(QWidget* widget);

private:
    PZ_DECLARE_PRIVATE(pzDynamicWidget)
};
