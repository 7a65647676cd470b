// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzAccessibleButton_p.h"

#include "pzFadeTextButton.h"
#include "pzListItem.h"

#include <QAbstractButton>
#include <QTextDocumentFragment>

pzAccessibleButton::pzAccessibleButton(QAbstractButton* button)
    : QAccessibleWidget(button, QAccessible::Button) {}

QAbstractButton* pzAccessibleButton::button() const {
    return static_cast<QAbstractButton*>(widget());
}

QAccessible::Role pzAccessibleButton::role() const {
    if (qobject_cast<const pzListItem*>(button()))
        return QAccessible::ListItem;
    return button()->isCheckable() ? QAccessible::CheckBox : QAccessible::Button;
}

QAccessible::State pzAccessibleButton::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    const QAbstractButton* b = button();
    state.pressed = b->isDown();
    if (b->isCheckable()) {
        state.checkable = true;
        state.checked = b->isChecked();
    }
    if (const auto* item = qobject_cast<const pzListItem*>(b)) {
        state.selectable = true;
        state.selected = item->isSelected();
    }
    return state;
}

QString pzAccessibleButton::text(QAccessible::Text t) const {
    QString text = QAccessibleWidget::text(t);
    if (t != QAccessible::Name || !text.isEmpty())
        return text;
    // The text button shows its text through a label, often as markup.
    if (const auto* textButton = qobject_cast<const pzFadeTextButton*>(button()))
        text = textButton->text();
    else
        text = button()->text();
    return Qt::mightBeRichText(text) ? QTextDocumentFragment::fromHtml(text).toPlainText() : text;
}

QStringList pzAccessibleButton::actionNames() const {
    QStringList names;
    if (widget()->isEnabled()) {
        names << pressAction();
        if (button()->isCheckable())
            names << toggleAction();
    }
    return names + QAccessibleWidget::actionNames();
}

void pzAccessibleButton::doAction(const QString& actionName) {
    if (!widget()->isEnabled())
        return;
    if (actionName == pressAction() || actionName == toggleAction())
        button()->click();
    else
        QAccessibleWidget::doAction(actionName);
}
