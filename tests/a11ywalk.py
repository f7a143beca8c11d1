#!/usr/bin/python3
"""Reads the running game from outside its process, as a screen reader does: through the AT-SPI
registry with pyatspi. Prints every control of the machine's window (role, name, state), checks
that the play, line, coin and gamble buttons and the credit are there by name, then plays a
winning spin through the buttons' accessible actions and waits for the win to be told.

The game is started by a11y.sh with reel stops that win (ZELSLOTS_SCRIPT). Exit status 0 when
everything was found, 1 otherwise."""
import sys
import time

import pyatspi
from gi.repository import GLib

GAME = "zelslots"
PATIENCE = 30.0  # seconds for the game to appear or answer; polled, never a fixed sleep


def poll(found, patience=PATIENCE):
    """found() until it returns something, letting AT-SPI events in between; None past patience."""
    deadline = time.monotonic() + patience
    context = GLib.MainContext.default()
    while True:
        while context.pending():
            context.iteration(False)
        result = found()
        if result or time.monotonic() > deadline:
            return result
        time.sleep(0.1)


def game():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == GAME and app.childCount > 0:
            return app
    return None


def controls(node):
    """Every accessible under node, depth first."""
    found = [node]
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            found.extend(controls(child))
    return found


def statewords(node):
    states = node.getState()
    words = []
    if not states.contains(pyatspi.STATE_SHOWING):
        words.append("hidden")
    if not states.contains(pyatspi.STATE_SENSITIVE):
        words.append("disabled")
    return words


def describe(node):
    words = statewords(node)
    line = "%-12s %s" % (node.getRoleName(), node.name)
    return line + ("  [%s]" % ", ".join(words) if words else "")


def named(window, role, name, prefix=False):
    for node in controls(window):
        if node.getRoleName() == role and (node.name.startswith(name) if prefix else node.name == name):
            return node
    return None


def press(node):
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i) == "Press":
            return action.doAction(i)
    return False


def main():
    app = poll(game)
    if app is None:
        print("the game did not appear on the accessibility bus")
        return 1
    window = app.getChildAtIndex(0)
    print("window: %s (%s)" % (window.name, window.getRoleName()))
    for node in controls(window)[1:]:
        print("  " + describe(node))

    wanted = [("push button", "Bet %d per line" % bet) for bet in (1, 2, 3, 5, 10, 20)]
    wanted += [("push button", "1 line")] + [("push button", "%d lines" % n) for n in (5, 10, 15, 25)]
    wanted += [("push button", "Insert coins"), ("push button", "Gamble")]
    missing = [name for role, name in wanted if named(window, role, name) is None]
    credit = named(window, "label", "Credit", prefix=True)
    if credit is None:
        missing.append("Credit")
    if missing:
        print("not found by name: " + ", ".join(missing))
        return 1
    gamble = named(window, "push button", "Gamble")
    print("found: the play, line, coin and gamble buttons; %s; Gamble %s"
          % (credit.name, ", ".join(statewords(gamble)) or "ready"))

    # The win is told by a change of the win meter's name once the spin has settled.
    told = []
    listener = lambda event: told.append(event.source.name)
    pyatspi.Registry.registerEventListener(listener, "object:property-change:accessible-name")

    before = credit.name
    press(named(window, "push button", "Insert coins"))
    if poll(lambda: named(window, "label", "Credit", prefix=True).name != before) is None:
        print("the credit did not follow the coins inserted")
        return 1
    print("after Insert coins: " + named(window, "label", "Credit", prefix=True).name)
    # A bet of 1 on 25 lines needs more than 20 coins: Quick Credit from the menu bar.
    before = named(window, "label", "Credit", prefix=True).name
    press(named(window, "menu item", "Quick Credit"))
    if poll(lambda: named(window, "label", "Credit", prefix=True).name != before) is None:
        print("Quick Credit did not reach the credit")
        return 1
    print("after Quick Credit: " + named(window, "label", "Credit", prefix=True).name)
    press(named(window, "push button", "Bet 1 per line"))
    # Settled: the win counted up in coins and GAMBLE ready to take it.
    won = poll(lambda: "disabled" not in statewords(gamble)
               and [node for node in controls(window) if node.name.startswith("Win:") and "coins" in node.name])
    if not won:
        print("the winning spin was not told: " + ", ".join(told))
        return 1
    print("after Bet 1 per line: %s; %s; Gamble %s"
          % (won[0].name, named(window, "label", "Credit", prefix=True).name, ", ".join(statewords(gamble)) or "ready"))
    if poll(lambda: [name for name in told if name.startswith("Win:")], patience=10.0) is None:
        print("no name change of the win meter arrived; told: " + ", ".join(told))
        return 1
    print("told: " + "; ".join(dict.fromkeys(told)))

    # The win on a card: the panel's buttons show, with the amount at risk.
    press(gamble)
    red = poll(lambda: [node for node in controls(window) if node.name == "Red" and not statewords(node)])
    if not red:
        print("the gamble panel did not show")
        return 1
    shown = [describe(node) for node in controls(window)
             if node.name in ("Red", "Black", "Hearts", "Clubs", "Diamonds", "Spades", "Collect")
             or node.name.startswith(("At Risk", "Card:"))]
    print("after Gamble: " + "; ".join(line.strip() for line in shown))
    pyatspi.Registry.deregisterEventListener(listener, "object:property-change:accessible-name")
    return 0


if __name__ == "__main__":
    sys.exit(main())
