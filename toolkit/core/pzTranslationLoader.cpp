// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include <QCoreApplication>
#include <QLocale>
#include <QThread>
#include <QTranslator>

namespace {

void pzInstallTranslation() {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QLocale(), QStringLiteral("pzTools"), QStringLiteral("_"),
                         QStringLiteral(":/pzTools/translations")))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

// Runs as the application object is made, so every program built on the toolkit shows and
// speaks the toolkit's words in the user's language without a call of its own, as KDE's
// libraries do. The catalogues are compiled into the library, so the build tree and every
// install find them alike; a language without one keeps the English words, silently. A library
// loaded later, from another thread (a plugin), hands the work to the application's thread,
// which owns the translator.
void pzLoadTranslation() {
    QCoreApplication* application = QCoreApplication::instance();
    if (QThread::currentThread() == application->thread())
        pzInstallTranslation();
    else
        QMetaObject::invokeMethod(application, &pzInstallTranslation, Qt::QueuedConnection);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(pzLoadTranslation)
