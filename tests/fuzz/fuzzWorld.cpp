// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "fuzzWorld.h"

#include "pzBox.h"
#include "pzBoxPanel.h"
#include "pzBoxTop.h"
#include "pzDynamicWidget.h"
#include "pzEdgeGrip.h"
#include "pzFadeButton.h"
#include "pzFrameMenu.h"
#include "pzListInterface.h"
#include "pzListItem.h"
#include "pzListMenu.h"
#include "pzListWidget.h"
#include "pzMenu.h"
#include "pzPaint.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>

namespace {

// QWidget::isAncestorOf() stops at windows; a parent loop across windows hangs Qt as well.
bool isAncestor(const QWidget* ancestor, const QWidget* widget) {
    for (; widget; widget = widget->parentWidget())
        if (widget == ancestor)
            return true;
    return false;
}

// QScrollArea::setWidget() deletes the old widget first, and crashes where that takes `kept` or
// the area itself (moved inside it since) along.
bool deletesWithWidget(QScrollArea* area, const QWidget* kept) {
    return isAncestor(area->widget(), kept) || isAncestor(area->widget(), area);
}

// A frame menu's widget goes into its holder, wherever that now lies.
QWidget* holderOf(QWidget* taker) {
    auto* frame = qobject_cast<pzFrameMenu*>(taker);
    QWidget* holder = frame ? frame->dynamicWidget() : nullptr;
    return holder ? holder : taker;
}

} // namespace

template <class T> T* fuzzWorld::any() {
    widgets.removeAll(nullptr);
    QList<T*> matching;
    for (const QPointer<QWidget>& widget : std::as_const(widgets))
        if (auto* typed = qobject_cast<T*>(widget.data()))
            matching += typed;
    // The toolkit's inner widgets too, which a user reaches with findChild(); not Qt's own (a
    // scroll area's viewport or bars, a splitter's handles), nor the parts a button draws with
    // (as a spin box's line edit), which crash Qt's classes when deleted.
    if (!matching.isEmpty() && chance(30)) {
        QList<T*> inner = matching[pick(matching.size())]->template findChildren<T*>();
        inner.removeIf([](const T* child) {
            return !QByteArray(child->metaObject()->className()).startsWith("pz") ||
                   child->inherits("QSplitterHandle") ||
                   qobject_cast<QAbstractButton*>(child->parentWidget());
        });
        if (!inner.isEmpty())
            return inner[pick(inner.size())];
    }
    return matching.isEmpty() ? nullptr : matching[pick(matching.size())];
}

QWidget* fuzzWorld::someWidget(QWidget* taker) {
    QWidget* widget = chance(50) ? anyWidget() : nullptr;
    if (widget && (isAncestor(widget, taker) || isAncestor(taker, widget)))
        widget = nullptr;
    return widget ? widget : adopt(new QWidget);
}

QWidget* fuzzWorld::adopt(QWidget* widget) {
    widgets += widget;
    return widget;
}

void fuzzWorld::create() {
    QWidget* parent = chance(50) ? anyWidget() : nullptr;
    switch (pick(9)) {
    case 0: {
        auto* box = new pzBox(parent);
        holders.insert(adopt(box),
                       box->findChild<pzDynamicWidget*>(QString(), Qt::FindDirectChildrenOnly));
        holders.insert(box->panel()->list(), box->panel()->findChild<pzFrameMenu*>());
        break;
    }
    case 1:
        adopt(new pzListWidget(parent));
        break;
    case 2:
        adopt(new pzFrameMenu(parent));
        break;
    case 3:
        adopt(new pzEdgeGrip(Qt::Edge(pick(10)), parent));
        break;
    case 4:
        adopt(new pzDynamicWidget(parent));
        break;
    case 5: {
        pzScrollArea* area = chance(70) ? any<pzScrollArea>() : nullptr;
        // The area deletes its widget for the menu's frame menu: a parent inside it would take
        // the new menu with it.
        if (area && deletesWithWidget(area, parent))
            area = nullptr;
        auto* menu = new pzMenu(area, parent);
        holders.insert(adopt(menu), area ? area->widget() : menu->findChild<pzFrameMenu*>());
        break;
    }
    case 6:
        adopt(new pzBoxTop(chance(70) ? any<pzBox>() : nullptr));
        break;
    case 7:
        adopt(new pzListItem(QIcon(), hostileText(), parent));
        break;
    default:
        pages += new pzListMenu(chance(50) ? parent : nullptr);
        break;
    }
}

// Never into itself or its own descendant: Qt refuses nothing there and loops.
void fuzzWorld::reparent(QWidget* widget) {
    QWidget* parent = chance(20) ? nullptr : anyWidget();
    if (parent && isAncestor(widget, parent))
        return;
    widget->setParent(parent);
    // An inner widget taken out is the sequence's to delete.
    if (!widgets.contains(widget))
        adopt(widget);
}

void fuzzWorld::callOn(QWidget* widget) {
    if (auto* box = qobject_cast<pzBox*>(widget)) {
        switch (pick(8)) {
        case 0:
            box->setTitle(hostileText());
            break;
        case 1:
            box->togglePanel();
            break;
        case 2:
            box->setContent(chance(80) ? someWidget(holders.value(box, box)) : nullptr);
            break;
        case 3:
            box->setMenu(pages.isEmpty() ? nullptr : pages[pick(pages.size())].data());
            break;
        case 4:
            box->toggleWindow();
            break;
        case 5:
            box->setWindowIcon(QIcon());
            break;
        case 6:
            box->centerOnScreen();
            break;
        default:
            chance(50) ? box->showPanel() : box->hidePanel();
            break;
        }
    } else if (auto* menu = qobject_cast<pzMenu*>(widget)) {
        // Only menus whose frame menu is known: a cycle check needs where it lies.
        const QPointer<QWidget> frame = holders.value(menu);
        frame&& chance(60) ? menu->setWidget(someWidget(holderOf(frame))) : menu->deleteWidget();
    } else if (auto* list = qobject_cast<pzListWidget*>(widget)) {
        // Its widgets go into the scroll area's widget, wherever that now lies.
        QWidget* content = list->widget() ? list->widget() : list;
        switch (pick(6)) {
        case 0:
            list->addWidget(someWidget(content), hostileInt());
            break;
        case 1:
            list->insertWidget(hostileInt(), someWidget(content));
            break;
        case 2:
            list->removeWidget(anyWidget());
            break;
        case 3:
            list->deleteAll();
            break;
        case 4: {
            QWidget* replacement = someWidget(widget);
            if (!deletesWithWidget(list, replacement))
                list->setWidget(replacement);
            break;
        }
        default:
            list->interface()->setPage(pages.isEmpty() ? nullptr
                                                       : pages[pick(pages.size())].data());
            break;
        }
    } else if (auto* frame = qobject_cast<pzFrameMenu*>(widget)) {
        switch (pick(4)) {
        case 0:
            frame->setWidget(someWidget(holderOf(frame)));
            break;
        case 1:
            delete frame->takeWidget();
            break;
        case 2:
            delete frame->widget();
            break;
        default:
            delete frame->dynamicWidget();
            break;
        }
    } else if (auto* grip = qobject_cast<pzEdgeGrip*>(widget)) {
        const int choice = pick(3);
        grip->keepClearOf(choice == 0   ? grip
                          : choice == 1 ? adopt(new QWidget(grip))
                                        : someWidget(widget));
    } else if (auto* holder = qobject_cast<pzDynamicWidget*>(widget)) {
        chance(60) ? holder->setWidget(someWidget(widget)) : delete holder->takeWidget();
    } else if (auto* bar = qobject_cast<pzBoxTop*>(widget)) {
        const QList<QWidget*> buttons{bar->programButton(), bar->iconifyButton(),
                                      bar->minimizeButton(), bar->closeButton()};
        if (QWidget* button = buttons[pick(buttons.size())])
            chance(50) ? reparent(button) : delete button;
    }
}

void fuzzWorld::paint() {
    QImage image(40, 30, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    pzPaint paint(painter);
    const QRect rect = hostileRect();
    switch (pick(4)) {
    case 0:
        paint.drawRect(rect, Qt::red);
        break;
    case 1:
        paint.drawHGradient(rect, Qt::red, Qt::blue);
        break;
    case 2:
        paint.drawVGradient(rect, Qt::red, Qt::blue);
        break;
    default:
        paint.drawTextElided(rect, hostileText());
        break;
    }
}

void fuzzWorld::step() {
    QWidget* widget = anyWidget();
    const int action = widget ? pick(100) : 0;
    if (action < 15)
        create();
    else if (action < 50)
        callOn(widget);
    else if (action < 58)
        chance(50) ? delete widget : widget->deleteLater();
    else if (action < 66)
        reparent(widget);
    else if (action < 76)
        widget->setVisible(!widget->isVisible());
    else if (action < 84)
        widget->resize(pick(700) - 20, pick(700) - 20);
    else if (action < 90)
        paint();
    else if (action < 94 && !pages.isEmpty())
        delete pages[pick(pages.size())].data();
    else
        widget->grab();
    if (chance(30))
        QCoreApplication::processEvents();
    if (chance(10))
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void fuzzWorld::clear() {
    for (const QPointer<QWidget>& widget : std::as_const(widgets))
        delete widget.data();
    for (const QPointer<pzListMenu>& page : std::as_const(pages))
        delete page.data();
    widgets.clear();
    pages.clear();
    holders.clear();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}
