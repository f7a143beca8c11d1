#include "ui/machine/accessiblenames.h"

#include <QStringList>
#include <QWidget>

#include "core/gamble/gamble.h"
#include "core/machine/paytables.h"
#include "core/machine/reelstrips.h"
#include "ui/gamble/gamblepanelwidget.h"
#include "ui/machine/displaywidget.h"
#include "ui/machine/imagebuttonwidget.h"
#include "ui/machine/reelwidget.h"

namespace zel {

namespace {
constexpr const char* suits[5] = {"", "hearts", "clubs", "diamonds", "spades"};
constexpr int32_t celltwips = 1500;  // one symbol of a reel strip

// The index of an arrayed control's name, "play(3)" gives 3; 0 for a name without one.
int indexin(const QString& name, QLatin1String array) {
    if (!name.startsWith(array) || !name.endsWith(QLatin1Char(')'))) return 0;
    const qsizetype open = array.size();
    if (name.size() < open + 2 || name.at(open) != QLatin1Char('(')) return 0;
    return name.mid(open + 1, name.size() - open - 2).toInt();
}

QString capitalised(const char* word) {
    QString text = QString::fromLatin1(word);
    if (!text.isEmpty()) text[0] = text[0].toUpper();
    return text;
}

// The controls whose names never change, by their names in the window.
QString fixedname(const QString& object) {
    static const struct { const char* object; const char* words; } named[] = {
        {"COINSIN", "Insert coins"},        {"doublebutton", "Gamble"},      {"takewin", "Collect free spins"},
        {"betred", "Red"},                  {"betblack", "Black"},           {"cancelbet", "Collect"},
        {"zel", "Slot machine"},            {"Lineflash", "Winning lines"},  {"piccardholder", "Card"},
        {"Lblpasthistory", "past history"}, {"gamblewin", "Gamble won"},     {"gamblelose", "Gamble lost"},
    };
    for (const auto& n : named)
        if (object == QLatin1String(n.object)) return QString::fromLatin1(n.words);
    return {};
}

// The suit of a small suit sign picture (the history boxes and the suit buttons), 0 for none.
int suitofsign(const Pic& sign) {
    const int card = sign.index - suitsign(0);
    return sign.list == PicList::imagelistcards && card >= 1 && card <= 4 ? card : 0;
}

QString buttonname(const ImageButtonWidget* button) {
    const QString name = button->objectName();
    if (const int i = indexin(name, QLatin1String("play")); i >= 1 && i <= 6)
        return QStringLiteral("Bet %1 per line").arg(playbet[i]);
    if (const int i = indexin(name, QLatin1String("payline")); i >= 1 && i <= 5)
        return QStringLiteral("%1 line%2").arg(paylinelines[i]).arg(i > 1 ? "s" : "");
    if (const int i = indexin(name, QLatin1String("suitbet")); i >= 1 && i <= 4) return capitalised(suits[i]);
    if (indexin(name, QLatin1String("historypic")) > 0) {
        const int suit = suitofsign(button->facepicture());
        return suit > 0 ? QStringLiteral("Past card, %1").arg(QLatin1String(suits[suit])) : QStringLiteral("Past card");
    }
    return fixedname(name);
}

// The symbols in the window of a reel at rest, top to bottom; empty while it moves.
QString reelsymbols(const ReelWidget* reel) {
    const int32_t top = reel->top();
    if (top > 0 || top % celltwips != 0 || reel->number() < 1 || reel->number() > reelcount) return {};
    QStringList shown;
    for (int row = 0; row < 3; ++row) {
        // Cell c of the strip picture shows position c - 1; the cells outside wrap around.
        const int cell = -top / celltwips + row;
        const int position = (cell - 1 + striplength) % striplength;
        shown << QLatin1String(symbolname[int(reelstrip[reel->number() - 1][position])]);
    }
    return shown.join(QStringLiteral(", "));
}
}  // namespace

QString amountwords(const QString& coins, const QString& dollars) {
    const QString shown = coins.simplified(), money = dollars.simplified();
    if (shown.isEmpty()) return money;
    bool amount = false;
    const qlonglong n = shown.toLongLong(&amount);
    QString words = amount ? QStringLiteral("%1 coin%2").arg(shown).arg(n == 1 ? "" : "s") : shown;
    if (!money.isEmpty()) words += QStringLiteral(", ") + money;
    return words;
}

QString meterwords(const QString& heading, const QString& shown) {
    const QString title = heading.simplified();
    if (title.isEmpty()) return shown;
    if (shown.isEmpty()) return title;
    if (shown.contains(title, Qt::CaseInsensitive)) return shown;
    return title + QStringLiteral(": ") + shown;
}

QString cardwords(const Pic& card) {
    if (card.list != PicList::imagelistcards) return {};
    if (card.index == jokerpicture) return QStringLiteral("Joker");
    for (int c = 1; c <= 4; ++c)
        if (card.index == cardface(c)) return QStringLiteral("Ace of %1").arg(QLatin1String(suits[c]));
    return {};
}

QString paytablewords() {
    QStringList symbols;
    for (int s = 0; s < linesymbolcount; ++s) {
        QStringList runs;
        for (int run = 2; run <= 5; ++run)
            if (linepay[s][run] > 0) runs << QStringLiteral("%1 pay %2").arg(run).arg(linepay[s][run]);
        symbols << QStringLiteral("%1: %2").arg(QLatin1String(symbolname[s]), runs.join(QStringLiteral(", ")));
    }
    return QStringLiteral("Line pays in coins for each coin bet. ") + symbols.join(QStringLiteral("; ")) + QLatin1Char('.');
}

QString drawnname(const QWidget* widget) {
    if (const auto* button = qobject_cast<const ImageButtonWidget*>(widget)) return buttonname(button);
    if (const auto* meter = qobject_cast<const DisplayWidget*>(widget))
        return meterwords(meter->headingtext(), drawnvalue(widget));
    if (const auto* label = qobject_cast<const PanelLabelWidget*>(widget)) return label->shown().simplified();
    if (const auto* reel = qobject_cast<const ReelWidget*>(widget)) return QStringLiteral("Reel %1").arg(reel->number());
    if (qobject_cast<const GamblePanelWidget*>(widget)) return QStringLiteral("Gamble");
    const QString name = widget->objectName();
    if (const int line = indexin(name, QLatin1String("lin")); line >= 1 && line <= 26)
        return QStringLiteral("Line %1").arg(line == 26 ? 1 : line);
    return fixedname(name);
}

QString drawnvalue(const QWidget* widget) {
    if (const auto* meter = qobject_cast<const DisplayWidget*>(widget))
        return amountwords(meter->valuetext(), meter->subvaluetext());
    if (const auto* label = qobject_cast<const PanelLabelWidget*>(widget)) return label->shown().simplified();
    if (const auto* reel = qobject_cast<const ReelWidget*>(widget)) {
        const QString symbols = reelsymbols(reel);
        return symbols.isEmpty() ? QStringLiteral("spinning") : symbols;
    }
    return {};
}

}  // namespace zel
