#pragma once
// The about window aboutzel: the program's icon, title and version, and an OK button.
// It exists only while it is open and deletes itself on closing.
#include <functional>

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

    // The rest of the about command: load, show, show the title, the height, the corner.
    void open(bool mainnormal);
    void render();
    Aboutzel& rules() { return about; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void act(const std::function<void()>& handler);

    Aboutzel about;
    std::function<void()> rendermain;
    QLabel* picIcon = nullptr;
    QLabel* lblTitle = nullptr;
    QFrame* Line1 = nullptr;
    QPushButton* cmdOK = nullptr;
};

// Moves a secondary window to left, top twips from the screen's top-left corner.
void placeonscreen(QWidget* window, int32_t left, int32_t top);

}  // namespace zel
