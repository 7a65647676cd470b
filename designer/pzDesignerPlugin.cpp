// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzDesignerPlugin.h"

#include "pzDesignerWidget.h"
#include "pzFadeButton.h"
#include "pzFadeTextButton.h"
#include "pzFrame.h"
#include "pzItemHList.h"
#include "pzItemVList.h"
#include "pzListWidget.h"
#include "pzPicture.h"
#include "pzScrollArea.h"
#include "pzSplitter.h"
#include "pzText.h"

namespace {

template <class Widget> QWidget* create(QWidget* parent) {
    return new Widget(parent);
}

// For the widgets built from a picture path or a text: Designer sets those through the icon,
// pixmap and text properties instead.
template <class Widget> QWidget* createEmpty(QWidget* parent) {
    return new Widget(QString(), parent);
}

// Only the frame takes children from the form: the item lists, the scroll areas and the splitter
// arrange theirs through their own calls.
const pzDesignerWidget::Entry entries[] = {
    {"pzFadeButton", "Icon button over a hover wash and a pressed colour", false,
     createEmpty<pzFadeButton>},
    {"pzFadeTextButton", "Fade button with a text beside its icon, underlined on hover", false,
     create<pzFadeTextButton>},
    {"pzFrame", "Frame with a translucent white background, to group widgets", true,
     create<pzFrame>},
    {"pzText", "Text label that lets mouse presses through to its parent", false,
     createEmpty<pzText>},
    {"pzPicture", "Label showing a picture at its natural size", false, createEmpty<pzPicture>},
    {"pzItemHList", "Row of widgets without margin or spacing, filled from code", false,
     create<pzItemHList>},
    {"pzItemVList", "Column of widgets without margin or spacing, filled from code", false,
     create<pzItemVList>},
    {"pzScrollArea", "Frameless scroll area with a transparent background", false,
     create<pzScrollArea>},
    {"pzListWidget", "Scrolling list of a list page's widgets, each as wide as the list", false,
     create<pzListWidget>},
    {"pzSplitter", "Splitter with translucent black handles", false, create<pzSplitter>},
};

} // namespace

pzDesignerPlugin::pzDesignerPlugin(QObject* parent)
    : QObject(parent) {
    for (const auto& entry : entries)
        mWidgets.append(new pzDesignerWidget(entry, this));
}

QList<QDesignerCustomWidgetInterface*> pzDesignerPlugin::customWidgets() const {
    return mWidgets;
}
