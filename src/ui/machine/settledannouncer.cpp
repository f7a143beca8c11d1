#include "ui/machine/settledannouncer.h"

#include <QAccessible>

namespace zel {

void SettledAnnouncer::watch(QWidget* meter) { watched.push_back(Watched{meter, {}, false, false}); }

void SettledAnnouncer::update(bool settled) {
    for (Watched& w : watched) {
        if (!w.meter) continue;
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w.meter);
        if (!iface) continue;
        const QString words = iface->text(QAccessible::Name);
        // The first words seen are where the meter starts, not news.
        if (w.known && words != w.seen) w.changed = true;
        w.seen = words;
        w.known = true;
        if (!settled || !w.changed) continue;
        w.changed = false;
        if (!w.meter->isVisible()) continue;
        QAccessibleEvent named(w.meter, QAccessible::NameChanged);
        QAccessibleValueChangeEvent valued(w.meter, iface->text(QAccessible::Value));
        for (QAccessibleEvent* event : {&named, static_cast<QAccessibleEvent*>(&valued)}) {
            if (tell) tell(event);
            else QAccessible::updateAccessibility(event);
        }
    }
}

}  // namespace zel
