// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandLine.h"

#include <QSet>
#include <cstdio>

#ifndef VENTIRO_VERSION
#define VENTIRO_VERSION "unknown"
#endif

namespace {

// The toolkit's own options (QGuiApplication and QApplication), with one or two
// dashes; those in the first set take the next argument as their value.
const QSet<QString> &toolkitOptionsWithValue()
{
    static const QSet<QString> options = {
        QStringLiteral("platform"),       QStringLiteral("platformpluginpath"), QStringLiteral("platformtheme"),
        QStringLiteral("plugin"),         QStringLiteral("qwindowgeometry"),    QStringLiteral("geometry"),
        QStringLiteral("qwindowicon"),    QStringLiteral("icon"),               QStringLiteral("qwindowtitle"),
        QStringLiteral("title"),          QStringLiteral("display"),            QStringLiteral("name"),
        QStringLiteral("style"),          QStringLiteral("stylesheet"),         QStringLiteral("session"),
        QStringLiteral("dialogs"),
    };
    return options;
}

const QSet<QString> &toolkitFlags()
{
    static const QSet<QString> flags = {
        QStringLiteral("reverse"), QStringLiteral("widgetcount"), QStringLiteral("nograb"),
        QStringLiteral("dograb"),  QStringLiteral("sync"),
    };
    return flags;
}

QString usage()
{
    return QStringLiteral(
        "Ús: ventiro [OPCIÓ]...\n"
        "Catàleg animat de components pneumàtics.\n"
        "\n"
        "  -h, --help     mostra aquesta ajuda i surt\n"
        "  -v, --version  mostra la versió i surt\n"
        "\n"
        "També accepta les opcions pròpies de Qt, com ara -platform NOM o -style NOM.\n");
}

CommandLineAnswer refuse(const QString &problem)
{
    return {.goOn = false,
            .exitStatus = 2,
            .standardError = QStringLiteral("ventiro: %1\n"
                                            "Per a més informació, executeu «ventiro --help».\n")
                                 .arg(problem)};
}

} // namespace

CommandLineAnswer answerCommandLine(const QStringList &arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h"))
            return {.goOn = false, .standardOutput = usage()};
        if (argument == QLatin1String("--version") || argument == QLatin1String("-v"))
            return {.goOn = false, .standardOutput = QStringLiteral("ventiro " VENTIRO_VERSION "\n")};
        if (!argument.startsWith(u'-') || argument == QLatin1String("-") || argument == QLatin1String("--"))
            return refuse(QStringLiteral("argument inesperat: «%1»").arg(argument));

        QString name = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
        const qsizetype equals = name.indexOf(u'=');
        if (equals >= 0) {
            if (!toolkitOptionsWithValue().contains(name.left(equals)) && !name.startsWith(QLatin1String("qmljsdebugger=")))
                return refuse(QStringLiteral("opció desconeguda: «%1»").arg(argument));
            continue;
        }
        if (toolkitFlags().contains(name))
            continue;
        if (!toolkitOptionsWithValue().contains(name))
            return refuse(QStringLiteral("opció desconeguda: «%1»").arg(argument));
        if (i + 1 >= arguments.size())
            return refuse(QStringLiteral("l'opció «%1» necessita un valor").arg(argument));
        ++i;   // the option's value
    }
    return {};
}

bool readCommandLine(int argc, char **argv, int &exitStatus)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const CommandLineAnswer answer = answerCommandLine(arguments);
    if (!answer.standardOutput.isEmpty())
        std::fputs(answer.standardOutput.toLocal8Bit().constData(), stdout);
    if (!answer.standardError.isEmpty())
        std::fputs(answer.standardError.toLocal8Bit().constData(), stderr);
    exitStatus = answer.exitStatus;
    return answer.goOn;
}
