#pragma once
// The History window: the player's last games newest first; the chosen one's reels as they
// stopped with its paying lines, its free spins and its gamble cards; and the credit over the kept
// games as a chart. It exists only while it is open and deletes itself on closing.
#include <functional>

#include <QWidget>

#include "core/history/historyform.h"

class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace zel {

class ReelSnapshotWidget;
class CreditChartWidget;

class HistoryWindow : public QWidget {
    Q_OBJECT
public:
    HistoryWindow(Zel& zel, std::function<void()> rendermain, QWidget* parent = nullptr);

    // Shows it over the machine's window, as a dialog of it.
    void open(QWidget* mainwindow = nullptr);
    void render();
    Historyzel& rules() { return history; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void build();
    void act(const std::function<void()>& handler);
    void renderlist();
    void renderchosen();

    Historyzel history;
    std::function<void()> rendermain;
    QTableWidget* games = nullptr;
    QLabel* emptynote = nullptr;
    ReelSnapshotWidget* reels = nullptr;
    QLabel* summary = nullptr;
    QLabel* spinlines = nullptr;
    QListWidget* feature = nullptr;
    QListWidget* gamble = nullptr;
    CreditChartWidget* chart = nullptr;
    QPushButton* btnclose = nullptr;
    int shownrows = -1;
};

}  // namespace zel
