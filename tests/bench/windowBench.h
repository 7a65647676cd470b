#pragma once

#include "benchFigures.h"

#include <QList>
#include <QString>

// The main window against a bare Qt window of the same size, each in a process of its own:
// start-up to the first painted frame, resident memory and CPU time after running a while.
QList<BenchRow> windowRows(int seconds, int startups);

// The measured side of windowRows(), run in the child process: shows the kind of window asked
// for ("verrin" or "bare"), prints its figures on stdout after the given seconds, and ends.
int runWindowChild(int argc, char* argv[], const QString& kind, int seconds);
