#pragma once
// The machine window's size and state (normal, maximised, fullscreen), kept in the store's section
// "window", apart from the player records, and given back at the next start. A size the screen
// cannot hold, or a stored value that does not read, is left out: the window keeps the size the
// game gives it.
#include <QObject>
#include <QSize>
#include <QTimer>

class QWidget;

namespace zel {

class Platform;

class WindowMemory : public QObject {
    Q_OBJECT
public:
    WindowMemory(QWidget& window, Platform& platform);

    // Sizes the window (not yet shown) as it was; its normal size stays what the player made it.
    void restore();
    // Writes what is to be remembered now, not after the pause that gathers a drag's many sizes.
    void savenow();

    // "1280x860" as a size; an invalid size for anything else.
    static QSize readsize(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window;
    Platform& platform;
    QTimer pause;
    QSize normalsize;  // the window's size while it was last neither maximised nor fullscreen
    QString saved[2];  // what the store holds: the size and the state
};

}  // namespace zel
