#include "translations.hpp"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>

namespace ui {
namespace {

const QString kFolder = QStringLiteral(":/i18n");
const QString kPrefix = QStringLiteral("_");

// The one place the program's translations are looked for: Qt tries the locale's names in turn,
// resomar_de_AT.qm then resomar_de.qm.
bool loadProgram(QTranslator &translator, const QLocale &locale)
{
    return translator.load(locale, QStringLiteral("resomar"), kPrefix, kFolder);
}

// resomar_pt_BR.qm is pt_BR.
QString codeOf(const QString &file)
{
    return QFileInfo(file).completeBaseName().section(kPrefix, 1);
}

} // namespace

QStringList carriedLanguages()
{
    QStringList languages {QStringLiteral("fr")};
    for (const QString &file : QDir(kFolder).entryList({"resomar_*.qm"}, QDir::Files, QDir::Name))
        languages << codeOf(file);
    return languages;
}

QString firstCarried(const QStringList &preferred)
{
    for (const QString &name : preferred) {
        const QLocale locale(name);
        if (locale.language() == QLocale::French)
            break;
        if (QTranslator translation; loadProgram(translation, locale))
            return codeOf(translation.filePath());
    }
    return QStringLiteral("fr");
}

QString userLanguage()
{
#ifdef Q_OS_UNIX
    // As gettext: under the plain C locale LANGUAGE is not read (C.UTF-8 is not plain C).
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QByteArray value = qgetenv(name);
        if (value == "C" || value == "POSIX")
            return QStringLiteral("fr");
        if (!value.isEmpty())
            break;
    }
#endif
    // Qt lists the user's languages in order of preference: from LANGUAGE, else LC_ALL,
    // LC_MESSAGES or LANG, on Unix; from the user's settings on Windows.
    return firstCarried(QLocale::system().uiLanguages());
}

QString translateEarly(const char *context, const char *source)
{
    QTranslator program;
    QString text;
    if (loadProgram(program, QLocale(userLanguage())))
        text = program.translate(context, source);
    return text.isEmpty() ? QString::fromUtf8(source) : text;
}

Translations::Translations(const QString &language)
{
    const QLocale locale(language);
    // Qt's own texts: from the system's Qt on Linux, built in on Windows (packaging/windows).
    const QString qtbase = QStringLiteral("qtbase");
    if (qt_.load(locale, qtbase, kPrefix, QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        || qt_.load(locale, qtbase, kPrefix, kFolder))
        QCoreApplication::installTranslator(&qt_);
    if (loadProgram(program_, locale))
        QCoreApplication::installTranslator(&program_);
}

Translations::~Translations()
{
    QCoreApplication::removeTranslator(&program_);
    QCoreApplication::removeTranslator(&qt_);
}

} // namespace ui
