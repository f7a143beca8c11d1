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

std::optional<int> readcommandline(const QStringList& arguments, bool qtoptionstaken, const QString& settingsfile) {
    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QString());
    parser.addOption(help);
    parser.addOption(version);
    const bool parsed = parser.parse(arguments);
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
    if (fault.isEmpty() || !qtoptionstaken) return std::nullopt;
    print(stderr, QStringLiteral("zelslots: %1\n\n").arg(fault) + usagetext(settingsfile));
    return 2;
}

}  // namespace zel
