// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzAccessibleBox_p.h"

#include "pzAccessibleButton_p.h"
#include "pzAccessibleItemList_p.h"
#include "pzAccessiblePanelButton_p.h"
#include "pzBoxRim_p.h"
#include "pzBoxTop.h"
#include "pzEdgeGrip.h"
#include "pzFadeTextButton.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QSizeGrip>

pzAccessibleBox::pzAccessibleBox(QWidget* box)
    : QAccessibleWidget(box, QAccessible::Window) {}

QList<QWidget*> pzAccessibleBox::shownChildren() const {
    QList<QWidget*> children;
    for (QObject* object : widget()->children()) {
        auto* child = qobject_cast<QWidget*>(object);
        if (child && !child->isWindow() && !qobject_cast<QSizeGrip*>(child) &&
            !qobject_cast<pzEdgeGrip*>(child) && !qobject_cast<pzBoxRim*>(child))
            children.append(child);
    }
    return children;
}

int pzAccessibleBox::childCount() const {
    return int(shownChildren().size());
}

QAccessibleInterface* pzAccessibleBox::child(int index) const {
    const QList<QWidget*> children = shownChildren();
    if (index < 0 || index >= children.size())
        return nullptr;
    return QAccessible::queryAccessibleInterface(children.at(index));
}

int pzAccessibleBox::indexOfChild(const QAccessibleInterface* child) const {
    if (!child)
        return -1;
    return int(shownChildren().indexOf(qobject_cast<QWidget*>(child->object())));
}

QAccessibleInterface* pzAccessibleBox::factory(const QString& className, QObject* object) {
    if (!object || !object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    // A button being destroyed is asked for as well (its focus goes): it is no text button any
    // more then, and the title bar's pointer to it must not be read.
    auto* button = qobject_cast<pzFadeTextButton*>(widget);
    const auto* titleBar = qobject_cast<pzBoxTop*>(widget->parentWidget());
    if (button && titleBar && button == titleBar->programButton())
        return new pzAccessiblePanelButton(button);
    if (className == QLatin1String("pzBox"))
        return new pzAccessibleBox(widget);
    // A holder, not a window frame: QFrame's own role would read as one.
    if (className == QLatin1String("pzDynamicWidget"))
        return new QAccessibleWidget(widget, QAccessible::Client);
    if (className == QLatin1String("pzItemList"))
        return new pzAccessibleItemList(widget);
    if (className == QLatin1String("pzFadeButton") || className == QLatin1String("pzListItem"))
        return new pzAccessibleButton(static_cast<QAbstractButton*>(widget));
    return nullptr;
}

namespace {

void installAccessibleFactory() {
    QAccessible::installFactory(pzAccessibleBox::factory);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installAccessibleFactory)
