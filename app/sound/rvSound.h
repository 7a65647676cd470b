// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QStringList>

class QObject;

// Sound objects, made by the program's sound module, the only part of it that links Qt
// Multimedia: loading it costs the program's start-up nothing when done after the first frame.
namespace rvSound {

// A QSoundEffect named "sound", child of `parent`, looping endlessly, never started, carrying
// `fileName` as its "fileName" property. Null, without a message, when the module is missing.
QObject* create(const QString& fileName, QObject* parent);

// The folders searched for the module, in order: the installed program's library folder, then
// the program's own folder (the build tree). Programs outside those folders add theirs.
QStringList& moduleFolders();

} // namespace rvSound
