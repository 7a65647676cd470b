// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzListInterface.h"

#include "pzListInterface_p.h"

#include <QMetaObject>
#include <QWidget>

namespace {

// SIGNAL() and SLOT() strings carry a one-character code in front of the signature.
bool hasMember(const QObject* object, const char* coded) {
    const QByteArray signature = QMetaObject::normalizedSignature(coded + 1);
    return object->metaObject()->indexOfMethod(signature.constData()) >= 0;
}

} // namespace

void pzListInterfacePrivate::connectByName(QObject* sender, const char* signal, QObject* receiver,
                                           const char* member) {
    if (sender && receiver && hasMember(sender, signal) && hasMember(receiver, member))
        QObject::connect(sender, signal, receiver, member);
}

void pzListInterfacePrivate::attachPage(pzListPage* newPage) {
    if (newPage == page)
        return;
    if (page && receiver)
        QObject::disconnect(page, nullptr, receiver, nullptr);
    page = newPage;
    connectByName(page, SIGNAL(addWidget(QWidget*, int, Qt::Alignment)), receiver,
                  SLOT(addWidget(QWidget*, int, Qt::Alignment)));
    connectByName(page, SIGNAL(insertWidget(int, QWidget*, int, Qt::Alignment)), receiver,
                  SLOT(insertWidget(int, QWidget*, int, Qt::Alignment)));
    connectByName(page, SIGNAL(removeWidget(QWidget*)), receiver, SLOT(removeWidget(QWidget*)));
}

pzListInterface::pzListInterface(QWidget* parent)
    : pzListInterface(new pzListInterfacePrivate, parent) {}

pzListInterface::pzListInterface(pzListInterfacePrivate* d, QWidget* parent)
    : QObject(parent)
    , pzPrivatable(d) {
    d->receiver = parent;
    pzListInterfacePrivate::connectByName(this, SIGNAL(deleteAll()), parent, SLOT(deleteAll()));
}

pzListInterface::~pzListInterface() = default;

void pzListInterface::setPage(pzListPage* page) {
    if (!page)
        return;
    Q_D(pzListInterface);
    if (d->page && d->page->isCreated())
        d->page->deletePage();
    emit deleteAll();
    d->attachPage(page);
    page->createPage();
}
