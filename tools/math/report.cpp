#include "math/report.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>

namespace zel::math {

namespace {

QString name(Symbol s) { return QString::fromLatin1(symbolname[static_cast<int>(s)]); }

QJsonValue number(double x) { return std::isfinite(x) ? QJsonValue(x) : QJsonValue(QJsonValue::Null); }

QByteArray document(const QJsonObject& o) { return QJsonDocument(o).toJson(QJsonDocument::Indented); }

QString percent(double x) { return QString::number(100 * x, 'f', 4) + QStringLiteral(" %"); }

QString row(const QString& label, const QString& value) {
    return QStringLiteral("  %1 %2\n").arg(label, -30).arg(value);
}

QString settingname(int machinepay) {
    switch (machinepay) {
    case 6: return QStringLiteral("Realistic");
    case 5: return QStringLiteral("Loose");
    case 4: return QStringLiteral("Dream Machine !!");
    default: return QString::number(machinepay);
    }
}

}  // namespace

QByteArray spinjson(const SpinReport& r, int lines, int bet) {
    QJsonArray window;
    for (const auto& reel : r.window) {
        QJsonArray cells;
        for (Symbol s : reel) cells.append(name(s));
        window.append(cells);
    }
    QJsonArray pays;
    for (const LinePay& p : r.lines)
        pays.append(QJsonObject{{"line", p.line}, {"symbol", name(p.symbol)}, {"run", p.run}, {"pay", p.pay}});
    QJsonObject o{{"linesplayed", lines},
                  {"betperline", bet},
                  {"window", window},
                  {"scattercount", r.scattercount},
                  {"scatterpay", r.scatterpay},
                  {"lines", pays},
                  {"currentwin", r.currentwin},
                  {"hold", QJsonArray{r.hold[0], r.hold[1], r.hold[2]}}};
    return document(o);
}

QString spintext(const SpinReport& r, int lines, int bet) {
    QString t = QStringLiteral("Window (%1 lines at %2 a line)\n").arg(lines).arg(bet);
    for (int row = 0; row < 3; ++row) {
        t += QStringLiteral("  ");
        for (const auto& reel : r.window) t += QStringLiteral("%1").arg(name(reel[size_t(row)]), -11);
        t += QLatin1Char('\n');
    }
    t += row(QStringLiteral("scatters"), QString::number(r.scattercount));
    t += row(QStringLiteral("scatter pay"), QString::number(r.scatterpay));
    for (const LinePay& p : r.lines)
        t += row(QStringLiteral("line %1").arg(p.line),
                 QStringLiteral("%1 x%2 pays %3").arg(name(p.symbol)).arg(p.run).arg(p.pay));
    t += row(QStringLiteral("win"), QString::number(r.currentwin));
    t += row(QStringLiteral("holds reels 2 3 4"),
             QStringLiteral("%1 %2 %3").arg(r.hold[0]).arg(r.hold[1]).arg(r.hold[2]));
    return t;
}

QByteArray parjson(const ParFigures& p, double seconds, double cpuseconds) {
    QJsonObject settings;
    for (const SettingFigures& s : p.settings)
        settings.insert(QString::number(s.machinepay), QJsonObject{{"rtp", s.rtp},
                                                                   {"hit_frequency", s.hitfrequency},
                                                                   {"feature_frequency", s.featurefrequency},
                                                                   {"mean_feature_win", s.meanfeaturewin},
                                                                   {"mean_feature_spins", s.meanfeaturespins}});
    QJsonObject o{{"linesplayed", p.lines},
                  {"base", QJsonObject{{"rtp", p.base.rtp},
                                       {"hit_frequency", p.base.hitfrequency},
                                       {"sd", p.base.sd},
                                       {"trigger_frequency", p.base.triggerfrequency}}},
                  {"settings", settings},
                  {"seconds", seconds},
                  {"cpu_seconds", cpuseconds}};
    return document(o);
}

QString partext(const ParFigures& p, double seconds, double cpuseconds) {
    QString t = QStringLiteral("The machine at %1 lines, exact over all 22^5 stop combinations\n\n").arg(p.lines);
    t += QStringLiteral("The spin alone (no wild hold, no pay setting, no free spins)\n");
    t += row(QStringLiteral("return to player"), percent(p.base.rtp));
    t += row(QStringLiteral("hit frequency"), QString::number(p.base.hitfrequency, 'f', 6));
    t += row(QStringLiteral("standard deviation (stakes)"), QString::number(p.base.sd, 'f', 4));
    t += row(QStringLiteral("trigger frequency"), QString::number(p.base.triggerfrequency, 'f', 6));
    for (const SettingFigures& s : p.settings) {
        t += QStringLiteral("\nThe whole game, pay setting %1 (%2)\n").arg(s.machinepay).arg(settingname(s.machinepay));
        t += row(QStringLiteral("return to player"), percent(s.rtp));
        t += row(QStringLiteral("hit frequency (games)"), QString::number(s.hitfrequency, 'f', 6));
        t += row(QStringLiteral("features per game"), QString::number(s.featurefrequency, 'f', 6));
        t += row(QStringLiteral("mean feature win (stakes)"), QString::number(s.meanfeaturewin, 'f', 4));
        t += row(QStringLiteral("mean feature spins"), QString::number(s.meanfeaturespins, 'f', 4));
    }
    t += QStringLiteral("\nWorked out in %1 s (%2 s of processor time)\n").arg(seconds, 0, 'f', 3).arg(cpuseconds, 0, 'f', 3);
    return t;
}

QByteArray simulationjson(const SimulationFigures& f, const SimulationSettings& s) {
    QJsonObject o{{"spins", double(s.spins)},
                  {"seed", QString::number(s.seed)},
                  {"linesplayed", s.lines},
                  {"betperline", s.bet},
                  {"machinepay", s.machinepay},
                  {"rtp", f.rtp},
                  {"ci99", QJsonArray{number(f.cilow), number(f.cihigh)}},
                  {"hit_frequency", f.hitfrequency},
                  {"features_per_spin", f.featuresperspin},
                  {"spins_per_second", f.spinspersecond},
                  {"seconds", f.seconds},
                  {"cpu_seconds", f.cpuseconds},
                  {"games", double(f.games)},
                  {"feature_spins", double(f.featurespins)},
                  {"total", double(f.total)},
                  {"wager", double(f.wager)}};
    return document(o);
}

QString simulationtext(const SimulationFigures& f, const SimulationSettings& s) {
    QString t = QStringLiteral("%1 paid spins through the game's handlers, seed %2, %3 lines at %4 a line, pay setting %5 (%6)\n")
                    .arg(s.spins).arg(s.seed).arg(s.lines).arg(s.bet).arg(s.machinepay).arg(settingname(s.machinepay));
    t += row(QStringLiteral("return to player"), percent(f.rtp));
    const bool interval = std::isfinite(f.cilow) && std::isfinite(f.cihigh);
    t += row(QStringLiteral("99% confidence interval"),
             interval ? QStringLiteral("%1 .. %2").arg(percent(f.cilow), percent(f.cihigh))
                      : QStringLiteral("needs at least %1 spins").arg(intervalspins));
    t += row(QStringLiteral("hit frequency"), QString::number(f.hitfrequency, 'f', 6));
    t += row(QStringLiteral("features per spin"), QString::number(f.featuresperspin, 'f', 6));
    t += row(QStringLiteral("free spins played"), QString::number(f.featurespins));
    t += row(QStringLiteral("spins per second"), QString::number(f.spinspersecond, 'f', 0));
    t += row(QStringLiteral("time (processor time)"),
             QStringLiteral("%1 s (%2 s)").arg(f.seconds, 0, 'f', 3).arg(f.cpuseconds, 0, 'f', 3));
    return t;
}

QByteArray returntablefile(const std::vector<ParFigures>& figures) {
    QByteArray text = "# Return to player of each pay setting at each number of lines,\n"
                      "# worked out exactly by zelslots-math par. machinepay lines rtp\n";
    for (const ParFigures& p : figures)
        for (const SettingFigures& s : p.settings)
            text += QByteArray::number(s.machinepay) + ' ' + QByteArray::number(p.lines) + ' ' +
                    QByteArray::number(s.rtp, 'g', 17) + '\n';
    return text;
}

}  // namespace zel::math
