// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

// Not public API: this header may change from one version to the next.

#include <QAccessibleWidget>

class QAbstractButton;

// What assistive technology sees of the toolkit's buttons and list items: the shown text as
// the name, the list-item role for list items, checked and selected states, and Press and Toggle
// actions that click the button, so they have exactly the effect of a mouse click.
class pzAccessibleButton : public QAccessibleWidget {
public:
    explicit pzAccessibleButton(QAbstractButton* button);

    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

protected:
    QAbstractButton* button() const;
};
