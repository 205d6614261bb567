#include "command_line.hpp"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
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

} // namespace

bool asksOnlyForText(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        for (const char *option : {"-h", "--help", "-v", "--version"}) {
            if (std::strcmp(argv[i], option) == 0)
                return true;
        }
    }
    return false;
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
    // Qt's own options are still there when Qt gave up before taking them (no screen).
    for (const char *name : {"platform", "platformpluginpath", "platformtheme", "plugin",
             "qwindowgeometry", "qwindowtitle", "qwindowicon", "display", "geometry", "title",
             "icon", "name", "visual", "style", "stylesheet", "session"}) {
        QCommandLineOption option(name, {}, "value");
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char *name : {"reverse", "widgetcount", "sync", "nograb", "dograb"}) {
        QCommandLineOption option(name);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    const bool understood = parser.parse(arguments);

    // Asked for help or the version, the program answers whatever else is on the line.
    if (parser.isSet(help))
        return CommandLineAnswer {helpText({help, version}, say), 0};
    if (parser.isSet(version))
        return CommandLineAnswer {QStringLiteral("Resomar %1\n").arg(RESOMAR_VERSION), 0};
    const QString hint = say(QT_TRANSLATE_NOOP("main", "Essayez « resomar --help ».\n"));
    if (!understood && parser.unknownOptionNames().isEmpty()) {
        // An option of Qt's without its value: the last argument, or the next would be it.
        return CommandLineAnswer {
            say(QT_TRANSLATE_NOOP("main", "resomar : il manque la valeur de l'option %1\n"))
                    .arg(printable(arguments.back()))
                + hint,
            1};
    }
    if (!understood) {
        return CommandLineAnswer {say(QT_TRANSLATE_NOOP("main", "resomar : option inconnue : %1\n"))
                                      .arg(printable(parser.unknownOptionNames().value(0)))
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
    const QString error = QString::fromLocal8Bit(std::strerror(errno));
    std::fputs(
        qPrintable(
            QCoreApplication::translate("main", "resomar : erreur d'écriture : %1\n").arg(error)),
        stderr);
    return 1;
}

} // namespace app
