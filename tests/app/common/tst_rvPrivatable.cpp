// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "rvPrivatable.h"

#include <QStringList>
#include <QTest>

namespace {

QStringList events;

struct Member {
    QString name;
    ~Member() { events << name; }
};

struct BaseThingPrivate : rvRecord {
    Member baseField{QStringLiteral("base field")};
};

struct DerivedThingPrivate : BaseThingPrivate {
    Member derivedField{QStringLiteral("derived field")};
};

class BaseThing : public rvPrivatable {
public:
    BaseThing()
        : rvPrivatable(own(new BaseThingPrivate)) {}
    ~BaseThing() override { events << QStringLiteral("public body"); }
    rvRecord* record() const { return privateRecord(); }

protected:
    explicit BaseThing(Handle handle)
        : rvPrivatable(handle) {}
};

class DerivedThing : public BaseThing {
public:
    DerivedThing()
        : BaseThing(own(new DerivedThingPrivate)) {}
};

} // namespace

class tst_rvPrivatable : public QObject {
    Q_OBJECT

private slots:
    void recordPointsBackToItsObject();
    void derivedRecordIsDestroyedWhole();
};

void tst_rvPrivatable::recordPointsBackToItsObject() {
    BaseThing thing;
    QCOMPARE(thing.record()->owner, static_cast<rvPrivatable*>(&thing));
}

void tst_rvPrivatable::derivedRecordIsDestroyedWhole() {
    events.clear();
    delete static_cast<BaseThing*>(new DerivedThing);
    QCOMPARE(events, QStringList({"public body", "derived field", "base field"}));
}

QTEST_MAIN(tst_rvPrivatable)
#include "tst_rvPrivatable.moc"
