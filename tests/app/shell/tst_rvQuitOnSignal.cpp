// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "rvQuitOnSignal.h"

#include <QTest>
#include <QWidget>

#include <signal.h>

namespace {

bool hasDefaultAction(int number) {
    struct sigaction action = {};
    sigaction(number, nullptr, &action);
    return action.sa_handler == SIG_DFL;
}

} // namespace

// The program's end on a signal in the process itself; tst_entry sends the signals from outside.
class tst_rvQuitOnSignal : public QObject {
    Q_OBJECT

private slots:
    void signalClosesTheWindowsAndLeavesTheNextOneItsDefault_data();
    void signalClosesTheWindowsAndLeavesTheNextOneItsDefault();
};

void tst_rvQuitOnSignal::signalClosesTheWindowsAndLeavesTheNextOneItsDefault_data() {
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << int(SIGTERM);
    QTest::newRow("SIGINT") << int(SIGINT);
    QTest::newRow("SIGHUP") << int(SIGHUP);
}

void tst_rvQuitOnSignal::signalClosesTheWindowsAndLeavesTheNextOneItsDefault() {
    QFETCH(int, signal);
    QWidget window;
    window.show();
    const rvQuitOnSignal quitOnSignal;
    QVERIFY(!hasDefaultAction(signal));
    raise(signal);
    QVERIFY(hasDefaultAction(signal));
    QTRY_VERIFY_WITH_TIMEOUT(!window.isVisible(), 5000);
}

QTEST_MAIN(tst_rvQuitOnSignal)
#include "tst_rvQuitOnSignal.moc"
