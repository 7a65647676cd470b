// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// Qt mirrors every layout when the installed catalogues translate this to "RTL" (Qt's own
// catalogue carries it as well, but it may not be installed).
//: Translate to "RTL" in a right-to-left language such as Arabic, else to "LTR".
[[maybe_unused]] const char* const layoutDirection =
    QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");

void rvLoadCatalogue(const QString& name, const QString& folder) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QLocale(), name, QStringLiteral("_"), folder))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

// Runs as the application object is made, as the toolkit loads its own catalogue: the program's
// words (compiled in) and Qt's, for the user's language. A language without a catalogue keeps
// the English words, silently.
void rvLoadTranslations() {
    rvLoadCatalogue(QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    rvLoadCatalogue(QStringLiteral("verrin"), QStringLiteral(":/verrin/translations"));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(rvLoadTranslations)
