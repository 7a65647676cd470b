// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

// Not public API: this header may change from one version to the next.

#include <QAccessibleWidget>

// The window box as assistive technology sees it: a window named by its title, whose
// invisible resize grips are left out of the tree.
class pzAccessibleBox : public QAccessibleWidget {
public:
    explicit pzAccessibleBox(QWidget* box);

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

    // Answers the toolkit's classes with their interfaces; installed when the library loads.
    static QAccessibleInterface* factory(const QString& className, QObject* object);

private:
    QList<QWidget*> shownChildren() const;
};
