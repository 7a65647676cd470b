// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "artCatalogue.h"

#include <QDir>
#include <QTextStream>

int main(int argc, char* argv[]) {
    QTextStream err(stderr);
    if (argc != 4) {
        err << "usage: verrinArtwork <program resources folder> <toolkit resources folder> "
               "<desktop folder>\n";
        return 2;
    }
    const QDir dirs[] = {QDir(QString::fromLocal8Bit(argv[1])),
                         QDir(QString::fromLocal8Bit(argv[2])),
                         QDir(QString::fromLocal8Bit(argv[3]))};
    for (const QDir& dir : dirs) {
        if (!dir.exists()) {
            err << "verrinArtwork: every output folder must exist\n";
            return 2;
        }
    }
    int failures = 0;
    for (const artPicture& picture : artCatalogue::pictures()) {
        const QDir& dir = dirs[picture.folder];
        const QString path = dir.filePath(picture.name);
        if (!artCatalogue::save(picture, path)) {
            err << "verrinArtwork: cannot write " << path << "\n";
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
