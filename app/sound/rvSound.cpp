// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "rvSound.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QStringList>

namespace rvSound {

QObject* create(const QString& fileName, QObject* parent) {
    using Create = QObject* (*)(const QString&, QObject*);
    for (const QString& folder : std::as_const(moduleFolders())) {
        // The library stays loaded when the QLibrary goes: the sound object needs its code.
        QLibrary module(QDir(folder).absoluteFilePath(QStringLiteral(VERRIN_SOUND_MODULE_NAME)));
        if (auto create = reinterpret_cast<Create>(module.resolve("rvCreateSound")))
            return create(fileName, parent);
    }
    return nullptr;
}

QStringList& moduleFolders() {
    static QStringList folders = [] {
        const QString program = QCoreApplication::applicationDirPath();
        return QStringList{QDir::cleanPath(program + QLatin1Char('/') +
                                           QStringLiteral(VERRIN_SOUND_MODULE_FROM_PROGRAM)),
                           program};
    }();
    return folders;
}

} // namespace rvSound
