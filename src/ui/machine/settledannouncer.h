#pragma once
// Tells assistive technology what a meter shows once the machine has settled: the result of a
// spin on the win meter, the credit after it. While the reels roll or the win counts up nothing
// is sent; once settled, each watched meter whose words changed since it was last told is told
// once (a name change and a value change on it), and one that did not change is not.
#include <functional>
#include <vector>

#include <QPointer>
#include <QString>
#include <QWidget>

class QAccessibleEvent;

namespace zel {

class SettledAnnouncer {
public:
    // Unset, the events go to Qt's accessibility, which hands them to a screen reader that listens.
    // Set, they go here instead: the tests look at them (off screen Qt's accessibility is never
    // active, and drops every event).
    std::function<void(QAccessibleEvent*)> tell;

    // Meters are told in the order they are watched.
    void watch(QWidget* meter);
    // Called after every draw of the window; `settled` when no handler runs and nothing counts.
    void update(bool settled);

private:
    struct Watched {
        QPointer<QWidget> meter;
        QString seen;          // the words at the last draw
        bool known = false;    // seen holds the words of a draw
        bool changed = false;  // they changed since they were last told
    };
    std::vector<Watched> watched;
};

}  // namespace zel
