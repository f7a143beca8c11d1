// The game's windows as a screen reader reads them (offscreen): every control named with its
// role, hidden and disabled controls reported so, the meters' amounts in words, a press from
// assistive technology going through the machine like a click, and the result of a spin told
// once the machine has settled.
#include <QAccessible>
#include <QLabel>
#include <QtTest>

#include "core/machine/paytables.h"
#include "core/machine/reelstrips.h"
#include "historyrig.h"
#include "ui/history/historywindow.h"
#include "windowrig.h"

using namespace zel;
using namespace zeltest;

namespace {

enum class Window { machine, gamble, options, about, paytable, history, historywithgames };

// Roles of controls a player reaches: each must have a name of its own.
bool named(QAccessible::Role role) {
    switch (role) {
    case QAccessible::Button: case QAccessible::RadioButton: case QAccessible::CheckBox:
    case QAccessible::EditableText: case QAccessible::StaticText: case QAccessible::Graphic:
    case QAccessible::Chart: case QAccessible::List: case QAccessible::Table: case QAccessible::MenuItem:
    case QAccessible::Grouping: case QAccessible::Window:
        return true;
    default:
        return false;
    }
}

// Every interface under `iface`, depth first.
void walk(QAccessibleInterface* iface, QList<QAccessibleInterface*>& all) {
    all << iface;
    for (int i = 0; i < iface->childCount(); ++i)
        if (QAccessibleInterface* child = iface->child(i)) walk(child, all);
}

QAccessibleInterface* byname(QWidget* top, const QString& objectname) {
    QList<QAccessibleInterface*> all;
    walk(QAccessible::queryAccessibleInterface(top), all);
    for (QAccessibleInterface* iface : all)
        if (iface->object() && iface->object()->objectName() == objectname) return iface;
    return nullptr;
}

QAccessibleInterface* of(QWidget* widget) { return QAccessible::queryAccessibleInterface(widget); }

// What the events told, in order.
struct Told {
    QString object;
    QAccessible::Event type;
    QString value;  // the value sent with a value change; the name at the event for a name change
};
QList<Told> told;
void record(QAccessibleEvent* event) {
    QObject* object = event->object();
    if (!object) return;
    QString value;
    if (event->type() == QAccessible::ValueChanged)
        value = static_cast<QAccessibleValueChangeEvent*>(event)->value().toString();
    else if (QAccessibleInterface* iface = event->accessibleInterface())
        value = iface->text(QAccessible::Name);
    told.append({object->objectName(), event->type(), value});
}
QStringList toldof(const QString& object, QAccessible::Event type) {
    QStringList values;
    for (const Told& t : told)
        if (t.object == object && t.type == type) values << t.value;
    return values;
}

// Wins, then the GAMBLE button puts a card on the table.
void opengamble(Cabinet& c) {
    c.givecredit(1000);
    scriptwinningspin(c.platform);
    c.control(QStringLiteral("play(1)"))->click();
    QTRY_VERIFY(!c.machine.form.Timerwincounter.enabled);
    c.control(QStringLiteral("doublebutton"))->click();
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void init() { told.clear(); }

    void everyControlOfEveryWindowHasANameAndItsRole_data() {
        QTest::addColumn<int>("window");
        QTest::addColumn<QStringList>("expected");  // object name, role, name: three entries each
        const auto role = [](QAccessible::Role r) { return QString::number(int(r)); };
        QStringList machine;
        for (int i = 1; i <= 6; ++i)
            machine << QStringLiteral("play(%1)").arg(i) << role(QAccessible::Button)
                    << QStringLiteral("Bet %1 per line").arg(playbet[i]);
        machine << "payline(1)" << role(QAccessible::Button) << "1 line";
        machine << "payline(5)" << role(QAccessible::Button) << "25 lines";
        machine << "COINSIN" << role(QAccessible::Button) << "Insert coins";
        machine << "doublebutton" << role(QAccessible::Button) << "Gamble";
        machine << "PANELBANK" << role(QAccessible::StaticText) << "Credit: 1000 coins, $ 10";
        machine << "LABWIN" << role(QAccessible::StaticText) << "Win";
        machine << "lbllast" << role(QAccessible::StaticText) << "Last Bet";
        machine << "Picture3" << role(QAccessible::Graphic) << "Reel 3";
        machine << "lin(26)" << role(QAccessible::Graphic) << "Line 1";
        machine << "zel" << role(QAccessible::Pane) << "Slot machine";
        QTest::addRow("machine") << int(Window::machine) << machine;
        QTest::addRow("gamble panel") << int(Window::gamble)
                                      << QStringList{"pandouble", role(QAccessible::Grouping), "Gamble",
                                                     "betred", role(QAccessible::Button), "Red",
                                                     "betblack", role(QAccessible::Button), "Black",
                                                     "suitbet(1)", role(QAccessible::Button), "Hearts",
                                                     "suitbet(4)", role(QAccessible::Button), "Spades",
                                                     "cancelbet", role(QAccessible::Button), "Collect",
                                                     "risklab", role(QAccessible::StaticText), "At Risk 100",
                                                     "piccardholder", role(QAccessible::Graphic), "Card: Joker",
                                                     "LABWIN", role(QAccessible::StaticText), "Win: 100 coins, $ 1"};
        QTest::addRow("options") << int(Window::options)
                                 << QStringList{"machine(1)", role(QAccessible::RadioButton), "Vacant",
                                                "btnokplayer", role(QAccessible::Button), "O.K. Close and save changes"};
        QTest::addRow("about") << int(Window::about)
                               << QStringList{"picIcon", role(QAccessible::Graphic), "Zel Slots icon",
                                              "cmdOK", role(QAccessible::Button), "OK"};
        QTest::addRow("pay table") << int(Window::paytable)
                                   << QStringList{"picpays", role(QAccessible::Graphic), "Pay table"};
        QTest::addRow("history, no games") << int(Window::history)
                                           << QStringList{"games", role(QAccessible::Table), "Games, newest first",
                                                          "btnclose", role(QAccessible::Button), "Close"};
        QTest::addRow("history with games") << int(Window::historywithgames)
                                            << QStringList{"chart", role(QAccessible::Chart), "Credit after each game",
                                                           "reels", role(QAccessible::Graphic), "Reels of the chosen game",
                                                           "feature", role(QAccessible::List), "Free spins"};
    }
    void everyControlOfEveryWindowHasANameAndItsRole() {
        QFETCH(int, window);
        QFETCH(QStringList, expected);
        Cabinet c;
        c.givecredit(1000);
        std::unique_ptr<HistoryRig> played;
        QWidget* top = &c.window;
        switch (Window(window)) {
        case Window::machine: break;
        case Window::gamble: opengamble(c); break;
        case Window::options: c.window.input().command(Command::options); top = Cabinet::secondary("frmzeloptions"); break;
        case Window::about: c.window.input().command(Command::about); top = Cabinet::secondary("aboutzel"); break;
        case Window::paytable: c.window.input().command(Command::paytable); top = Cabinet::secondary("zelpays"); break;
        case Window::history: c.window.input().command(Command::history); top = Cabinet::secondary("zelhistory"); break;
        case Window::historywithgames: {
            played = std::make_unique<HistoryRig>();
            playscriptedgame(*played);
            auto* w = new HistoryWindow(played->zel, nullptr);
            w->open();
            top = w;
            break;
        }
        }
        QVERIFY(top);

        QList<QAccessibleInterface*> all;
        walk(of(top), all);
        QVERIFY(all.size() > 2);
        for (QAccessibleInterface* iface : all) {
            if (iface->state().invisible) continue;
            const QString where = iface->object() ? iface->object()->objectName() + QLatin1Char(' ') +
                                                        QLatin1String(iface->object()->metaObject()->className())
                                                  : QStringLiteral("(item of role %1) ").arg(int(iface->role())) + iface->text(QAccessible::Name);
            // A drawn control that no interface knows shows up as a bare client area.
            QVERIFY2(iface->role() != QAccessible::Client || iface->childCount() > 0, qPrintable(where));
            if (!named(iface->role())) continue;
            // A label that shows nothing has nothing to say.
            auto* label = qobject_cast<QLabel*>(iface->object());
            if (label && label->text().isEmpty() && label->pixmap().isNull()) continue;
            QVERIFY2(!iface->text(QAccessible::Name).trimmed().isEmpty(), qPrintable(where));
        }
        for (qsizetype i = 0; i + 2 < expected.size(); i += 3) {
            QAccessibleInterface* iface = byname(top, expected[i]);
            QVERIFY2(iface, qPrintable(expected[i]));
            QVERIFY2(!iface->state().invisible, qPrintable(expected[i]));
            QCOMPARE(int(iface->role()), expected[i + 1].toInt());
            QCOMPARE(iface->text(QAccessible::Name), expected[i + 2]);
        }
        if (Window(window) == Window::historywithgames) delete top;
    }

    void hiddenAndDisabledControlsAreReportedSo() {
        Cabinet c;
        // Before a win the GAMBLE button shows but cannot be pressed; the gamble panel and the
        // free-spin collect button are away.
        QAccessibleInterface* gamble = of(c.control(QStringLiteral("doublebutton")));
        QVERIFY(gamble->state().disabled);
        QVERIFY(!gamble->state().invisible);
        QVERIFY(!gamble->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
        QVERIFY(of(c.control(QStringLiteral("takewin")))->state().invisible);
        QVERIFY(of(c.control<QWidget>(QStringLiteral("pandouble")))->state().invisible);
        QVERIFY(of(c.control<QWidget>(QStringLiteral("spinsleft")))->state().invisible);
        QAccessibleInterface* play = of(c.control(QStringLiteral("play(1)")));
        QVERIFY(!play->state().disabled);
        QVERIFY(play->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    }

    void theCreditPanelsValueFollowsTheCredit_data() {
        QTest::addColumn<int>("coins");
        QTest::addColumn<QString>("value");
        QTest::addRow("none") << 0 << "0 coins, $ 0";
        QTest::addRow("one coin") << 1 << "1 coin, $ 0.01";
        QTest::addRow("cents") << 1230 << "1230 coins, $ 12.3";
        QTest::addRow("the largest") << 2000000000 << "2000000000 coins, $ 20000000";
    }
    void theCreditPanelsValueFollowsTheCredit() {
        QFETCH(int, coins);
        QFETCH(QString, value);
        Cabinet c;
        c.givecredit(coins);
        QAccessibleInterface* credit = of(c.control<QWidget>(QStringLiteral("PANELBANK")));
        QCOMPARE(credit->text(QAccessible::Value), value);
        QCOMPARE(credit->text(QAccessible::Name), QStringLiteral("Credit: ") + value);
    }

    void aPressFromAssistiveTechnologyPlaysLikeAClick() {
        Cabinet c;
        c.givecredit(1000);
        // The disabled GAMBLE button does nothing; the coin button takes coins into the credit.
        of(c.control(QStringLiteral("doublebutton")))->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(!c.machine.form.pandouble.visible);
        QAccessibleInterface* credit = of(c.control<QWidget>(QStringLiteral("PANELBANK")));
        const QString before = credit->text(QAccessible::Value);
        of(c.control(QStringLiteral("COINSIN")))->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(c.player.bank > 1000);
        QVERIFY(credit->text(QAccessible::Value).startsWith(QStringLiteral("%1 coins, $ ").arg(c.player.bank)));
        QVERIFY(credit->text(QAccessible::Value) != before);
        // A bet spins the reels, which come to rest showing their symbols.
        scriptlosingspin(c.platform);
        const int32_t bank = c.player.bank;
        of(c.control(QStringLiteral("play(1)")))->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(c.player.games, 1);
        QVERIFY(c.player.bank < bank);
        // Stop s shows strip positions s - 1, s, s + 1 from the top of the window.
        const int stops[5] = {5, 3, 5, 3, 3};
        for (int r = 1; r <= reelcount; ++r) {
            QStringList symbols;
            for (int p = stops[r - 1] - 1; p <= stops[r - 1] + 1; ++p)
                symbols << QLatin1String(symbolname[int(reelstrip[r - 1][p])]);
            QCOMPARE(of(c.control<QWidget>(QStringLiteral("Picture%1").arg(r)))->text(QAccessible::Value),
                     symbols.join(QStringLiteral(", ")));
        }
    }

    void aSettledSpinTellsItsResultOnceOnTheWinPanel() {
        Cabinet c;
        c.givecredit(1000);
        // Off screen Qt's accessibility is never active, so its update handler would hear nothing:
        // the events are taken where the window hands them over.
        c.window.announcements().tell = record;
        c.window.render();
        told.clear();

        // Two spins that win nothing: each is told, though the panel reads the same after both.
        for (int spin = 1; spin <= 2; ++spin) {
            told.clear();
            scriptlosingspin(c.platform);
            c.control(QStringLiteral("play(1)"))->click();
            QTRY_VERIFY(c.player.games == spin && !c.machine.form.Timerwincounter.enabled);
            c.window.render();
            QCOMPARE(toldof(QStringLiteral("LABWIN"), QAccessible::ValueChanged), QStringList{"No Win"});
            QCOMPARE(toldof(QStringLiteral("LABWIN"), QAccessible::NameChanged), QStringList{"No Win"});
        }

        // A win is told once it has counted up, never on the way; the credit after it too.
        told.clear();
        c.player.winroll = 1;  // the win meter counts up, tick by tick
        scriptwinningspin(c.platform);
        c.control(QStringLiteral("play(1)"))->click();
        QTRY_VERIFY(c.player.games == 3 && !c.machine.form.Timerwincounter.enabled);
        c.window.render();
        c.window.render();  // nothing changed since: nothing more is told
        QCOMPARE(toldof(QStringLiteral("LABWIN"), QAccessible::ValueChanged), QStringList{"100 coins, $ 1"});
        QCOMPARE(toldof(QStringLiteral("LABWIN"), QAccessible::NameChanged), QStringList{"Win: 100 coins, $ 1"});
        QCOMPARE(toldof(QStringLiteral("PANELBANK"), QAccessible::ValueChanged), QStringList{"1025 coins, $ 10.25"});
        QCOMPARE(of(c.control<QWidget>(QStringLiteral("LABWIN")))->text(QAccessible::Value), QStringLiteral("100 coins, $ 1"));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
