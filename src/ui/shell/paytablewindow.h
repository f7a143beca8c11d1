#pragma once
// The pay-table window zelpays: the pay schedule as one picture and a close button.
// It exists only while it is open and deletes itself on closing.
#include <functional>

#include <QWidget>

#include "core/shell/secondaryforms.h"

class QLabel;
class QPushButton;

namespace zel {

class PaytableWindow : public QWidget {
    Q_OBJECT
public:
    PaytableWindow(Zel& zel, std::function<void()> rendermain, QWidget* parent = nullptr);

    // Shows the window, a dialog of mainwindow, where the game places it.
    void open(QWidget* mainwindow);
    void render();
    Zelpays& rules() { return pays; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void act(const std::function<void()>& handler);

    Zelpays pays;
    std::function<void()> rendermain;
    QLabel* picture = nullptr;
    QPushButton* btnunloadpays = nullptr;
};

}  // namespace zel
