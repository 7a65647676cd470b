// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

// Shared by the benchmark's parts: a summary of repeated measurements and one row of the table.

#include <QString>

#include <algorithm>
#include <vector>

struct Summary {
    double median = 0;
    double best = 0;
};

inline Summary summarize(std::vector<double> samples) {
    Summary summary;
    if (samples.empty())
        return summary;
    std::sort(samples.begin(), samples.end());
    summary.median = samples[samples.size() / 2];
    summary.best = samples.front();
    return summary;
}

// One line of the printed table: a figure, its baseline measured in the same run, and how the
// two compare.
struct BenchRow {
    QString figure;
    QString value;
    QString baseline;
    QString comparison;
};
