#pragma once
// The help window: how to play, every key, and where the game keeps the players' records and the
// game history. It exists only while it is open and deletes itself on closing.
#include <functional>

#include <QWidget>

#include "core/shell/secondaryforms.h"

class QPushButton;
class QTextBrowser;

namespace zel {

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    HelpWindow(Zel& zel, std::function<void()> rendermain, QWidget* parent = nullptr);

    // Shows the window, a dialog of mainwindow, over the machine.
    void open(QWidget* mainwindow);
    void render();
    Zelhelp& rules() { return help; }

    // The help's text, as rich text: records is the settings file, history the history database
    // (empty when the game keeps none).
    static QString contents(const QString& records, const QString& history);

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void act(const std::function<void()>& handler);

    Zelhelp help;
    std::function<void()> rendermain;
    QTextBrowser* text = nullptr;
    QPushButton* cmdclose = nullptr;
};

}  // namespace zel
