// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzPrivatable.h"
#include "pzPrivate.h"

#include <QObject>
#include <QStringList>
#include <QTest>

namespace {

QStringList events;

// A Qt base that logs its own destruction, to see where the record goes in between.
class LoggingBase : public QObject {
public:
    ~LoggingBase() override { events << QStringLiteral("Qt base"); }
};

class ProbePrivate;

class Probe : public LoggingBase, public pzPrivatable {
public:
    Probe();
    ~Probe() override { events << QStringLiteral("public body"); }
    int value() const;

protected:
    explicit Probe(ProbePrivate* record);

private:
    PZ_DECLARE_PRIVATE(Probe)
};

class ProbePrivate : public pzPrivate {
public:
    ~ProbePrivate() override { events << QStringLiteral("record"); }
    virtual int value() const { return 1; }
    PZ_DECLARE_PUBLIC(Probe)
};

Probe::Probe()
    : pzPrivatable(new ProbePrivate) {}

Probe::Probe(ProbePrivate* record)
    : pzPrivatable(record) {}

int Probe::value() const {
    return d_func()->value();
}

class DerivedProbePrivate : public ProbePrivate {
public:
    ~DerivedProbePrivate() override { events << QStringLiteral("derived record"); }
    int value() const override { return 2; }
};

class DerivedProbe : public Probe {
public:
    DerivedProbe()
        : Probe(new DerivedProbePrivate) {}
};

} // namespace

class tst_pzPrivatable : public QObject {
    Q_OBJECT

private slots:
    void recordDiesBetweenPublicBodyAndQtBase();
    void derivedRecordExtendsAndReplacesTheBaseRecord();
    void recordPointsBackToItsObject();
};

void tst_pzPrivatable::recordDiesBetweenPublicBodyAndQtBase() {
    events.clear();
    delete new Probe;
    QCOMPARE(events, QStringList({"public body", "record", "Qt base"}));
}

void tst_pzPrivatable::derivedRecordExtendsAndReplacesTheBaseRecord() {
    events.clear();
    {
        DerivedProbe probe;
        QCOMPARE(probe.value(), 2);
    }
    QCOMPARE(events, QStringList({"public body", "derived record", "record", "Qt base"}));
}

void tst_pzPrivatable::recordPointsBackToItsObject() {
    class Exposed : public Probe {
    public:
        const pzPrivate* record() const { return privateRecord(); }
    } probe;
    QCOMPARE(probe.record()->owner, static_cast<pzPrivatable*>(&probe));
}

QTEST_MAIN(tst_pzPrivatable)
#include "tst_pzPrivatable.moc"
