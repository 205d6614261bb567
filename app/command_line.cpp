#include "command_line.hpp"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstring>

namespace app {
namespace {

// Qt's own help texts are English; these are the program's, in its language.
QString helpText(const QList<QCommandLineOption> &options)
{
    QString text = QCoreApplication::translate("main",
        "Utilisation : resomar [options]\n"
        "Calculatrice d'adressage IPv4 : deux réseaux identiques ?, calcul d'un "
        "masque de sous-réseaux, somme binaire.\n\n"
        "Options :\n");
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
        + QCoreApplication::translate("main",
            "\nLes options standard de Qt sont aussi reconnues : -platform, -display, -style, "
            "etc.\n");
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

std::optional<CommandLineAnswer> answerCommandLine(const QStringList &arguments)
{
    const QCommandLineOption help(
        {"h", "help"}, QCoreApplication::translate("main", "Affiche cette aide, puis quitte."));
    const QCommandLineOption version({"v", "version"},
        QCoreApplication::translate("main", "Affiche la version de Resomar, puis quitte."));
    QCommandLineParser parser;
    parser.addOptions({help, version});
    const bool understood = parser.parse(arguments);

    // Asked for help or the version, the program answers whatever else is on the line.
    if (parser.isSet(help))
        return CommandLineAnswer {helpText({help, version}), 0};
    if (parser.isSet(version))
        return CommandLineAnswer {
            QCoreApplication::translate("main", "Resomar %1\n").arg(RESOMAR_VERSION), 0};
    const QString hint = QCoreApplication::translate("main", "Essayez « resomar --help ».\n");
    if (!understood) {
        return CommandLineAnswer {
            QCoreApplication::translate("main", "resomar : option inconnue : %1\n")
                    .arg(parser.unknownOptionNames().value(0))
                + hint,
            1};
    }
    if (!parser.positionalArguments().isEmpty()) {
        return CommandLineAnswer {
            QCoreApplication::translate("main", "resomar : argument inattendu : %1\n")
                    .arg(parser.positionalArguments().front())
                + hint,
            1};
    }
    return std::nullopt;
}

} // namespace app
