// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "rvMainBox.h"
#include "rvQuitOnSignal.h"
#include "rvScaleVariables.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

QtMessageHandler qtMessageHandler = nullptr;

// Qt aborts after a fatal message. At start-up (no display, an unknown platform) that is an
// ordinary failure to start, not a crash: Qt's message is printed as usual and the program
// ends with a plain failure status instead of a core dump. Installed only until the application
// exists; later a fatal message is a bug, and Qt's abort leaves the core dump to report it.
void endOnFatalMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (qtMessageHandler)
        qtMessageHandler(type, context, text);
    if (type == QtFatalMsg) {
        std::fflush(stderr);
        std::_Exit(EXIT_FAILURE);
    }
}

} // namespace

int main(int argc, char* argv[]) {
    rvQuitOnSignal::holdSignals();
    rvDropUnusableScaleVariables();
    qtMessageHandler = qInstallMessageHandler(endOnFatalMessage);
    QApplication application(argc, argv);
    qInstallMessageHandler(qtMessageHandler);
    const rvQuitOnSignal quitOnSignal;
    rvMainBox window;
    window.show();
    return application.exec();
}
