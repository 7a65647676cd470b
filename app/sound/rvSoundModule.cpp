// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include <QSoundEffect>
#include <QVariant>

// The sound object of the scene view, looping endlessly and never started. The file is not given
// to it: QSoundEffect decodes its source as soon as it is set, and decodes only WAV, so it would
// warn on stderr whether the file is there or not. The name stays on the object for its users.
extern "C" Q_DECL_EXPORT QObject* rvCreateSound(const QString& fileName, QObject* parent) {
    auto* sound = new QSoundEffect(parent);
    sound->setObjectName(QStringLiteral("sound"));
    sound->setProperty("fileName", fileName);
    sound->setLoopCount(QSoundEffect::Infinite);
    return sound;
}
