#include "command_line.hpp"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <algorithm>
#include <cerrno>
#include <cstring>

namespace app {
namespace {

// Qt's own help texts are English; these are the program's, in its language.
QString helpText(const QList<QCommandLineOption> &options, Translate say)
{
    QString text = say(QT_TRANSLATE_NOOP("main",
        "Utilisation : resomar [options]\n"
        "Calculatrice d'adressage IPv4 : deux réseaux identiques ?, calcul d'un "
        "masque de sous-réseaux, somme binaire.\n\n"
        "Options :\n"));
    QStringList names;
    qsizetype width = 0;
    for (const QCommandLineOption &option : options) {
        QStringList spelled;
        for (const QString &name : option.names())
            spelled << (name.size() == 1 ? "-" : "--") + name;
        names << spelled.join(", ");
        width = std::max(width, names.back().size());
    }
    for (qsizetype i = 0; i < options.size(); ++i)
        text += "  " + names[i].leftJustified(width + 2) + options[i].description() + '\n';
    return text
        + say(QT_TRANSLATE_NOOP("main",
            "\nLes options standard de Qt sont aussi reconnues : -platform, -display, -style, "
            "etc.\n"));
}

// Qt's standard options, which it takes while the application is made: those with a value, then
// those without.
constexpr const char *kQtValueOptions[] = {"platform", "platformpluginpath", "platformtheme",
    "plugin", "qwindowgeometry", "qwindowtitle", "qwindowicon", "display", "geometry", "title",
    "icon", "name", "visual", "style", "stylesheet", "session"};
constexpr const char *kQtFlags[] = {"reverse", "widgetcount", "sync", "nograb", "dograb"};

// An option's name as the parser reads it: without its one or two dashes and its "=value".
QString optionName(const QString &argument)
{
    const qsizetype dashes = argument.startsWith(QLatin1String("--")) ? 2 : 1;
    return argument.mid(dashes).section(u'=', 0, 0);
}

// The first of Qt's options whose value is missing, as written: one last on the line, or one
// followed by -h, -v, --help or --version. Deliberate: Qt would take those as the value
// ("-style -h" asks for a style named "-h"); a person who wrote them meant the program's option.
QString missingValue(const QStringList &arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (argument == QLatin1String("--"))
            break;
        if (!argument.startsWith(u'-') || argument.contains(u'=')
            || !std::any_of(std::begin(kQtValueOptions), std::end(kQtValueOptions),
                [&](const char *name) { return optionName(argument) == QLatin1String(name); }))
            continue;
        if (i + 1 == arguments.size())
            return argument;
        const QString &next = arguments[i + 1];
        for (const char *option : {"-h", "--help", "-v", "--version"}) {
            if (next == QLatin1String(option))
                return argument;
        }
        ++i; // its value
    }
    return {};
}

// The argument that named an unknown option, up to its value, as the user wrote it.
QString writtenAs(const QStringList &arguments, const QString &name)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i].startsWith(u'-') && optionName(arguments[i]) == name)
            return arguments[i].section(u'=', 0, 0);
    }
    return name;
}

} // namespace

bool asksOnlyForText(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // The same reading as once the application exists, so that whatever is answered then is
    // answered without a screen.
    return answerCommandLine(arguments, [](const char *source) {
        return QString(source);
    }).has_value();
}

QString translateMain(const char *source)
{
    return QCoreApplication::translate("main", source);
}

std::optional<CommandLineAnswer> answerCommandLine(const QStringList &arguments, Translate say)
{
    const QCommandLineOption help(
        {"h", "help"}, say(QT_TRANSLATE_NOOP("main", "Affiche cette aide, puis quitte.")));
    const QCommandLineOption version({"v", "version"},
        say(QT_TRANSLATE_NOOP("main", "Affiche la version de Resomar, puis quitte.")));
    QCommandLineParser parser;
    // "-display" is one option, as Qt reads it, not -d -i -s...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions({help, version});
    // Qt's own options are still there when Qt gave up before taking them (no screen), or when
    // the program answers without a screen.
    for (const char *name : kQtValueOptions) {
        QCommandLineOption option(name, {}, "value");
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char *name : kQtFlags) {
        QCommandLineOption option(name);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    if (arguments.isEmpty())
        return std::nullopt; // started with no name at all: nothing to read
    const bool understood = parser.parse(arguments);

    // Asked for help or the version, the program answers whatever else is on the line.
    if (parser.isSet(help))
        return CommandLineAnswer {helpText({help, version}, say), 0};
    if (parser.isSet(version))
        return CommandLineAnswer {QStringLiteral("Resomar %1\n").arg(RESOMAR_VERSION), 0};
    const QString hint = say(QT_TRANSLATE_NOOP("main", "Essayez « resomar --help ».\n"));
    if (const QString option = missingValue(arguments); !option.isEmpty()) {
        return CommandLineAnswer {
            say(QT_TRANSLATE_NOOP("main", "resomar : il manque la valeur de l'option %1\n"))
                    .arg(printable(option))
                + hint,
            1};
    }
    if (!understood && !parser.unknownOptionNames().isEmpty()) {
        return CommandLineAnswer {
            say(QT_TRANSLATE_NOOP("main", "resomar : option inconnue : %1\n"))
                    .arg(printable(writtenAs(arguments, parser.unknownOptionNames().front())))
                + hint,
            1};
    }
    if (!understood) {
        // A value given to an option that takes none ("--help=x" is not asked for help).
        return CommandLineAnswer {
            say(QT_TRANSLATE_NOOP("main", "resomar : argument inattendu : %1\n"))
                    .arg(printable(arguments.back()))
                + hint,
            1};
    }
    if (!parser.positionalArguments().isEmpty()) {
        return CommandLineAnswer {
            say(QT_TRANSLATE_NOOP("main", "resomar : argument inattendu : %1\n"))
                    .arg(printable(parser.positionalArguments().front()))
                + hint,
            1};
    }
    return std::nullopt;
}

QString printable(const QString &argument)
{
    QString shown;
    for (const QChar c : argument) {
        const char16_t code = c.unicode();
        if (code < 0x20 || (code >= 0x7f && code < 0xa0))
            shown += QStringLiteral("\\x%1").arg(static_cast<int>(code), 2, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    return shown;
}

int print(const CommandLineAnswer &answer)
{
    std::FILE *stream = answer.status == 0 ? stdout : stderr;
    std::fputs(qPrintable(answer.text), stream);
    if (std::fflush(stream) == 0 && !std::ferror(stream))
        return answer.status;
    // In the program's words: the system's would come in the C library's language, not the user's.
    const char *why = errno == ENOSPC      ? QT_TRANSLATE_NOOP("main", "le disque est plein")
        : errno == EBADF || errno == EPIPE ? QT_TRANSLATE_NOOP("main", "la sortie est fermée")
                                           : QT_TRANSLATE_NOOP("main", "la sortie refuse le texte");
    std::fputs(qPrintable(QCoreApplication::translate("main", "resomar : erreur d'écriture : %1\n")
                              .arg(QCoreApplication::translate("main", why))),
        stderr);
    return 1;
}

} // namespace app
