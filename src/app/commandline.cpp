#include "app/commandline.h"

#include <QCommandLineParser>
#include <cstdio>

#include "core/shell/programinfo.h"

namespace zel {

namespace {

void print(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}

// The options QApplication takes out of the command line for itself (Qt 6.4: QGuiApplication,
// QApplication and the X11 platform), with one dash or two. Knowing them here lets the game answer
// every other argument before QApplication looks for a display, which it aborts without.
struct QtOption {
    const char* name;
    bool value;  // takes the next argument as its value, unless given as -name=value
};
constexpr QtOption qtoptions[] = {
    {"platform", true},      {"platformpluginpath", true}, {"platformtheme", true}, {"plugin", true},
    {"qwindowgeometry", true}, {"geometry", true},         {"qwindowtitle", true},  {"title", true},
    {"qwindowicon", true},   {"icon", true},               {"session", true},       {"style", true},
    {"stylesheet", true},    {"display", true},            {"name", true},          {"visual", true},
    {"reverse", false},      {"widgetcount", false},       {"testability", false},  {"qmljsdebugger", false},
    {"dograb", false},       {"nograb", false},
};

const QtOption* qtoption(const QString& argument) {
    if (!argument.startsWith(QLatin1Char('-'))) return nullptr;
    const QString name = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1).section(QLatin1Char('='), 0, 0);
    for (const QtOption& option : qtoptions)
        if (name == QLatin1String(option.name)) return &option;
    return nullptr;
}

// The arguments with Qt's options (and their values) set aside: what is left is the game's.
QStringList gamearguments(const QStringList& arguments) {
    QStringList left = arguments.mid(0, 1);
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QtOption* option = qtoption(arguments[i]);
        if (!option)
            left << arguments[i];
        else if (option->value && !arguments[i].contains(QLatin1Char('=')))
            ++i;
    }
    return left;
}

}  // namespace

QString usagetext(const QString& settingsfile) {
    return QStringLiteral(
               "Usage: zelslots [options]\n"
               "A five-reel video slot machine with 25 paylines, free spins and a card gamble,\n"
               "played with play money.\n"
               "\n"
               "Options:\n"
               "  -h, --help     Show this help and end.\n"
               "  -v, --version  Show the version and end.\n"
               "Qt's options for every program (such as -platform or -style) are taken as well.\n"
               "\n"
               "The six players' records and the game's settings live in\n"
               "  %1\n")
        .arg(settingsfile);
}

std::optional<int> readcommandline(const QStringList& arguments, const QString& settingsfile) {
    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QString());
    parser.addOption(help);
    parser.addOption(version);
    const bool parsed = parser.parse(gamearguments(arguments));
    QString fault;
    if (!parsed)
        fault = parser.errorText();
    else if (!parser.positionalArguments().isEmpty())
        fault = QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().constFirst());

    if (fault.isEmpty() && parser.isSet(help)) {
        print(stdout, usagetext(settingsfile));
        return 0;
    }
    if (fault.isEmpty() && parser.isSet(version)) {
        print(stdout, QStringLiteral("zelslots %1\n").arg(QLatin1String(programinfo::version)));
        return 0;
    }
    if (fault.isEmpty()) return std::nullopt;
    print(stderr, QStringLiteral("zelslots: %1\n\n").arg(fault) + usagetext(settingsfile));
    return 2;
}

}  // namespace zel
