// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

namespace {

// Runs as the application object is made, so every program built on the toolkit shows and
// speaks the toolkit's words in the user's language without a call of its own, as KDE's
// libraries do. The catalogues are compiled into the library, so the build tree and every
// install find them alike; a language without one keeps the English words, silently.
void pzLoadTranslation() {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QLocale(), QStringLiteral("pzTools"), QStringLiteral("_"),
                         QStringLiteral(":/pzTools/translations")))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(pzLoadTranslation)
