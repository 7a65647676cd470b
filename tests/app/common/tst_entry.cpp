#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The program as a user starts it: Qt's options reach Qt, anything else is ignored.
class tst_entry : public QObject {
    Q_OBJECT

private slots:
    void startsWithQtOptionsAndIgnoresOthers_data();
    void startsWithQtOptionsAndIgnoresOthers();
    void unusablePlatformEndsWithQtsMessage_data();
    void unusablePlatformEndsWithQtsMessage();
};

void tst_entry::startsWithQtOptionsAndIgnoresOthers_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("platform only") << QStringList{"-platform", "offscreen"};
    QTest::newRow("unknown arguments")
        << QStringList{"-platform", "offscreen", "--frobnicate", "file.txt"};
    QTest::newRow("style option") << QStringList{"-platform", "offscreen", "-style", "fusion"};
}

void tst_entry::startsWithQtOptionsAndIgnoresOthers() {
    QFETCH(QStringList, arguments);
    // Qt's own complaint about a missing runtime folder is the environment's, not the program's.
    QTemporaryDir runtime;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(VERRIN_BINARY), arguments);
    QVERIFY(program.waitForStarted(5000));
    // Still running after start-up: it did not stumble over the arguments.
    QVERIFY(!program.waitForFinished(1500));
    program.terminate();
    QVERIFY(program.waitForFinished(5000));
    QCOMPARE(QString::fromLocal8Bit(program.readAllStandardError()).trimmed(), QString());
    QCOMPARE(QString::fromLocal8Bit(program.readAllStandardOutput()), QString());
}

void tst_entry::unusablePlatformEndsWithQtsMessage_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("message");
    QTest::newRow("unknown platform")
        << QStringList{"-platform", "no-such-platform"} << QByteArray("no-such-platform");
    QTest::newRow("no display") << QStringList{"-platform", "xcb", "-display", ":4711"}
                                << QByteArray("could not connect to display");
}

void tst_entry::unusablePlatformEndsWithQtsMessage() {
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, message);
    QProcess program;
    program.start(QStringLiteral(VERRIN_BINARY), arguments);
    QVERIFY(program.waitForStarted(5000));
    QVERIFY(program.waitForFinished(10000));
    QVERIFY(program.exitStatus() == QProcess::CrashExit || program.exitCode() != 0);
    QVERIFY(program.readAllStandardError().contains(message));
}

QTEST_MAIN(tst_entry)
#include "tst_entry.moc"
