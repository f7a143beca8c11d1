#pragma once
// The game's own drawn controls (the machine's buttons, meters, reels and pictures, the gamble
// panel, the History window's chart and reels) as assistive technology sees them: a role, a
// name and a value read from the widget when they are asked for, hidden and disabled states as
// the widget has them. A press from a screen reader is the button's click, so it reaches the
// machine by the same path as the mouse.
#include <QAccessibleWidget>

namespace zel {

// Registers the game's controls with Qt's accessibility; once per program, later calls do nothing.
void installaccessiblecontrols();

class AccessibleDrawnControl : public QAccessibleWidget {
public:
    AccessibleDrawnControl(QWidget* widget, QAccessible::Role role);

    QAccessible::Role role() const override;
    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    void doAction(const QString& action) override;

private:
    bool pressable() const;
};

}  // namespace zel
