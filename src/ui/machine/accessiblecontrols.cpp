#include "ui/machine/accessiblecontrols.h"

#include <QAbstractButton>

#include "ui/machine/accessiblenames.h"
#include "ui/machine/imagebuttonwidget.h"

namespace zel {

namespace {
// The role of each drawn control by its class.
const struct { const char* classname; QAccessible::Role role; } drawnroles[] = {
    {"zel::ImageButtonWidget", QAccessible::Button},  {"zel::DisplayWidget", QAccessible::StaticText},
    {"zel::PanelLabelWidget", QAccessible::StaticText}, {"zel::ReelWidget", QAccessible::Graphic},
    {"zel::PictureWidget", QAccessible::Graphic},     {"zel::LinesOverlayWidget", QAccessible::Graphic},
    {"zel::CabinetWidget", QAccessible::Pane},        {"zel::GamblePanelWidget", QAccessible::Grouping},
    {"zel::ReelSnapshotWidget", QAccessible::Graphic}, {"zel::CreditChartWidget", QAccessible::Chart},
};

QAccessibleInterface* drawnfactory(const QString& classname, QObject* object) {
    if (!object || !object->isWidgetType()) return nullptr;
    for (const auto& d : drawnroles)
        if (classname == QLatin1String(d.classname))
            return new AccessibleDrawnControl(static_cast<QWidget*>(object), d.role);
    return nullptr;
}
}  // namespace

void installaccessiblecontrols() {
    static const bool installed = [] {
        QAccessible::installFactory(drawnfactory);
        return true;
    }();
    Q_UNUSED(installed);
}

AccessibleDrawnControl::AccessibleDrawnControl(QWidget* widget, QAccessible::Role role)
    : QAccessibleWidget(widget, role) {}

QAccessible::Role AccessibleDrawnControl::role() const {
    // The gamble's history boxes are drawn as buttons but only show a past card.
    const auto* button = qobject_cast<const ImageButtonWidget*>(widget());
    if (button && button->isinert()) return QAccessible::Graphic;
    return QAccessibleWidget::role();
}

QString AccessibleDrawnControl::text(QAccessible::Text t) const {
    switch (t) {
    case QAccessible::Name: {
        // A name the window gave (a card, a caption of the game's) comes before our own words.
        const QString given = widget()->accessibleName();
        return given.isEmpty() ? drawnname(widget()) : given;
    }
    case QAccessible::Value: return drawnvalue(widget());
    default: return QAccessibleWidget::text(t);
    }
}

bool AccessibleDrawnControl::pressable() const {
    return role() == QAccessible::Button && qobject_cast<const QAbstractButton*>(widget());
}

QStringList AccessibleDrawnControl::actionNames() const {
    QStringList names = QAccessibleWidget::actionNames();
    if (pressable() && widget()->isEnabled()) names.prepend(pressAction());
    return names;
}

void AccessibleDrawnControl::doAction(const QString& action) {
    // The click runs the button's press through the machine's dispatcher, under the same rule
    // as the mouse: a hidden or disabled button does nothing.
    if (action == pressAction() && pressable()) static_cast<QAbstractButton*>(widget())->click();
    else QAccessibleWidget::doAction(action);
}

}  // namespace zel
