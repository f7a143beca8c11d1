#pragma once
// The about window aboutzel: the program's icon, title and version, the licence and the web
// address, and an OK button.
// It exists only while it is open and deletes itself on closing.
#include <functional>

#include <QMargins>
#include <QWidget>

#include "core/shell/secondaryforms.h"

class QLabel;
class QFrame;
class QPushButton;

namespace zel {

class AboutWindow : public QWidget {
    Q_OBJECT
public:
    AboutWindow(Zel& zel, std::function<void()> rendermain, QWidget* parent = nullptr);

    // The rest of the about command: load, show, show the title, the height, the corner; the
    // window is a dialog of mainwindow.
    void open(bool mainnormal, QWidget* mainwindow);
    void render();
    Aboutzel& rules() { return about; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void act(const std::function<void()>& handler);

    Aboutzel about;
    QMargins frame;  // the desktop's frame around the window
    std::function<void()> rendermain;
    QLabel* picIcon = nullptr;
    QLabel* lblTitle = nullptr;
    QFrame* Line1 = nullptr;
    QLabel* lbllicence = nullptr;
    QLabel* lblweb = nullptr;
    QPushButton* cmdOK = nullptr;
};

}  // namespace zel
