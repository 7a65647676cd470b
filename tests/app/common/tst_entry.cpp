// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <signal.h>

namespace {

enum class SoundFile { None, Directory, Empty, Garbage };

// Starts the program in a fresh working folder; Qt's complaint about a missing runtime folder is
// the environment's, not the program's, so each run gets one.
class Run {
public:
    explicit Run(const QStringList& arguments, SoundFile sound = SoundFile::None,
                 const QStringList& variables = {}) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), mRuntime.path());
        for (const QString& variable : variables)
            environment.insert(variable.section(QLatin1Char('='), 0, 0),
                               variable.section(QLatin1Char('='), 1));
        placeSoundFile(sound);
        mProgram.setProcessEnvironment(environment);
        mProgram.setWorkingDirectory(mWorking.path());
        mProgram.start(QStringLiteral(VERRIN_BINARY), arguments);
    }

    QProcess& program() { return mProgram; }

    // True when the program was still running after the given time; it is then ended.
    bool keepsRunning(int msecs) {
        if (!mProgram.waitForStarted(5000) || mProgram.waitForFinished(msecs))
            return false;
        mProgram.terminate();
        return mProgram.waitForFinished(5000);
    }

private:
    void placeSoundFile(SoundFile sound) {
        const QString path = mWorking.filePath(QStringLiteral("Daft.ogg"));
        QFile file(path);
        switch (sound) {
        case SoundFile::None:
            break;
        case SoundFile::Directory:
            QDir().mkpath(path);
            break;
        case SoundFile::Empty:
            file.open(QIODevice::WriteOnly);
            break;
        case SoundFile::Garbage:
            file.open(QIODevice::WriteOnly);
            for (int i = 0; i < 4096; ++i)
                file.putChar(char(QRandomGenerator::global()->bounded(256)));
            break;
        }
    }

    QTemporaryDir mRuntime;
    QTemporaryDir mWorking;
    QProcess mProgram;
};

} // namespace

// The program as a user starts it: Qt's options reach Qt, anything else is ignored.
class tst_entry : public QObject {
    Q_OBJECT

private slots:
    void startsQuietlyWhateverTheArgumentsAndSoundFile_data();
    void startsQuietlyWhateverTheArgumentsAndSoundFile();
    void malformedArgumentsNeverCrash_data();
    void malformedArgumentsNeverCrash();
    void unusablePlatformEndsWithQtsMessageAndStatus1_data();
    void unusablePlatformEndsWithQtsMessageAndStatus1();
    void fatalMessageOnceTheApplicationExistsAbortsAsQtDoes();
    void quitSignalEndsTheProgramAsExitDoes_data();
    void quitSignalEndsTheProgramAsExitDoes();
    void unusableScaleVariableIsDroppedWithOneLine_data();
    void unusableScaleVariableIsDroppedWithOneLine();
};

void tst_entry::startsQuietlyWhateverTheArgumentsAndSoundFile_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<SoundFile>("sound");
    const QStringList offscreen{"-platform", "offscreen"};
    QTest::newRow("platform only") << offscreen << SoundFile::None;
    QTest::newRow("unknown arguments")
        << offscreen + QStringList{"--frobnicate", "file.txt"} << SoundFile::None;
    QTest::newRow("style option") << offscreen + QStringList{"-style", "fusion"} << SoundFile::None;
    QTest::newRow("Daft.ogg is a folder") << offscreen << SoundFile::Directory;
    QTest::newRow("Daft.ogg is empty") << offscreen << SoundFile::Empty;
    QTest::newRow("Daft.ogg is garbage") << offscreen << SoundFile::Garbage;
}

void tst_entry::startsQuietlyWhateverTheArgumentsAndSoundFile() {
    QFETCH(QStringList, arguments);
    QFETCH(SoundFile, sound);
    Run run(arguments, sound);
    QVERIFY(run.keepsRunning(1500));
    QCOMPARE(QString::fromLocal8Bit(run.program().readAllStandardError()).trimmed(), QString());
    QCOMPARE(QString::fromLocal8Bit(run.program().readAllStandardOutput()), QString());
}

void tst_entry::malformedArgumentsNeverCrash_data() {
    QTest::addColumn<QStringList>("arguments");
    const QStringList offscreen{"-platform", "offscreen"};
    QTest::newRow("style without value") << offscreen + QStringList{"-style"};
    QTest::newRow("unknown style") << offscreen + QStringList{"-style", "no-such-style"};
    QTest::newRow("bad geometry") << offscreen + QStringList{"-qwindowgeometry", "x-+!"};
    QTest::newRow("bad font") << offscreen + QStringList{"-font", ""};
    QTest::newRow("platform without value") << QStringList{"-platform"};
    QTest::newRow("reverse layout") << offscreen + QStringList{"-reverse", "--", "-"};

    // A few random argument lists; the seed is in the row name to replay one.
    const quint32 seed = QRandomGenerator::global()->generate();
    QRandomGenerator random(seed);
    for (int row = 0; row < 4; ++row) {
        QStringList arguments = offscreen;
        const int count = random.bounded(1, 5);
        for (int i = 0; i < count; ++i) {
            QByteArray bytes;
            const int length = random.bounded(0, 24);
            for (int j = 0; j < length; ++j)
                bytes.append(char(random.bounded(1, 256)));
            arguments << QString::fromLocal8Bit(bytes);
        }
        QTest::addRow("random %d, seed %u", row, seed) << arguments;
    }
}

void tst_entry::malformedArgumentsNeverCrash() {
    QFETCH(QStringList, arguments);
    Run run(arguments);
    QVERIFY(run.program().waitForStarted(5000));
    if (run.keepsRunning(1000))
        return;
    QCOMPARE(run.program().exitStatus(), QProcess::NormalExit);
}

void tst_entry::unusablePlatformEndsWithQtsMessageAndStatus1_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("message");
    QTest::newRow("unknown platform")
        << QStringList{"-platform", "no-such-platform"} << QByteArray("no-such-platform");
    QTest::newRow("no display") << QStringList{"-platform", "xcb", "-display", ":4711"}
                                << QByteArray("could not connect to display");
}

void tst_entry::unusablePlatformEndsWithQtsMessageAndStatus1() {
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, message);
    Run run(arguments);
    QVERIFY(run.program().waitForStarted(5000));
    QVERIFY(run.program().waitForFinished(10000));
    QCOMPARE(run.program().exitStatus(), QProcess::NormalExit);
    QCOMPARE(run.program().exitCode(), 1);
    QVERIFY(run.program().readAllStandardError().contains(message));
}

// An unknown style is only reported when the first widget asks for it; fatal warnings make that
// report fatal, and Qt's abort leaves its core dump for a bug report.
void tst_entry::fatalMessageOnceTheApplicationExistsAbortsAsQtDoes() {
    Run run({"-platform", "offscreen", "-style", "no-such-style"}, SoundFile::None,
            {"QT_FATAL_WARNINGS=1"});
    QVERIFY(run.program().waitForFinished(10000));
    QCOMPARE(run.program().exitStatus(), QProcess::CrashExit);
    QCOMPARE(run.program().exitCode(), SIGABRT);
}

void tst_entry::quitSignalEndsTheProgramAsExitDoes_data() {
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM, the desktop session's") << int(SIGTERM);
    QTest::newRow("SIGINT, the terminal's") << int(SIGINT);
    QTest::newRow("SIGHUP, a closed terminal's") << int(SIGHUP);
}

// Status 0 comes only from main returning, after it has destroyed the main window.
void tst_entry::quitSignalEndsTheProgramAsExitDoes() {
    QFETCH(int, signal);
    Run run({"-platform", "offscreen"});
    QVERIFY(run.program().waitForStarted(5000));
    QVERIFY(!run.program().waitForFinished(1000));
    ::kill(pid_t(run.program().processId()), signal);
    QVERIFY(run.program().waitForFinished(5000));
    QCOMPARE(run.program().exitStatus(), QProcess::NormalExit);
    QCOMPARE(run.program().exitCode(), 0);
    QCOMPARE(run.program().readAllStandardError(), QByteArray());
}

void tst_entry::unusableScaleVariableIsDroppedWithOneLine_data() {
    QTest::addColumn<QString>("variable");
    QTest::newRow("negative factor") << "QT_SCALE_FACTOR=-1";
    QTest::newRow("zero factor") << "QT_SCALE_FACTOR=0";
    QTest::newRow("huge factor") << "QT_SCALE_FACTOR=1000";
    QTest::newRow("one bad screen") << "QT_SCREEN_SCALE_FACTORS=1;screen-2=-1";
    QTest::newRow("zero font dpi") << "QT_FONT_DPI=0";
}

void tst_entry::unusableScaleVariableIsDroppedWithOneLine() {
    QFETCH(QString, variable);
    Run run({"-platform", "offscreen"}, SoundFile::None, {variable});
    QVERIFY(run.keepsRunning(1500));
    const QString error = QString::fromLocal8Bit(run.program().readAllStandardError()).trimmed();
    QCOMPARE(error.count(QLatin1Char('\n')), 0);
    QVERIFY2(error.contains(variable), qPrintable(error));
}

QTEST_MAIN(tst_entry)
#include "tst_entry.moc"
