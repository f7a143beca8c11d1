#include "ui/history/historywindow.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ui/history/creditchartwidget.h"
#include "ui/history/reelsnapshotwidget.h"
#include "ui/machine/accessiblecontrols.h"
#include "ui/shell/windowplacement.h"
#include "ui/shell/desktopname.h"

namespace zel {

namespace {
QLabel* heading(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

void fill(QListWidget* list, const std::vector<QString>& rows) {
    list->clear();
    for (const QString& row : rows) list->addItem(row);
}
}  // namespace

HistoryWindow::HistoryWindow(Zel& zel, std::function<void()> rendermainwindow, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      history(zel),
      rendermain(std::move(rendermainwindow)) {
    setObjectName(QStringLiteral("zelhistory"));
    setAttribute(Qt::WA_DeleteOnClose);
    installaccessiblecontrols();
    build();
}

void HistoryWindow::build() {
    auto* columns = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    games = new QTableWidget(0, 5, this);
    games->setObjectName(QStringLiteral("games"));
    games->setAccessibleName(QStringLiteral("Games, newest first"));
    games->setHorizontalHeaderLabels({QStringLiteral("Settled"), QStringLiteral("Lines x bet"), QStringLiteral("Paid"),
                                      QStringLiteral("Credit after"), QString()});
    games->verticalHeader()->hide();
    games->setSelectionBehavior(QAbstractItemView::SelectRows);
    games->setSelectionMode(QAbstractItemView::SingleSelection);
    games->setEditTriggers(QAbstractItemView::NoEditTriggers);
    games->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    games->horizontalHeader()->setStretchLastSection(true);
    games->setMinimumWidth(430);
    connect(games, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (row != history.form.selected) act([this, row] { history.list_Click(row); });
    });
    emptynote = new QLabel(this);
    emptynote->setObjectName(QStringLiteral("emptynote"));
    emptynote->setWordWrap(true);
    left->addWidget(games);
    left->addWidget(emptynote);
    columns->addLayout(left, 1);

    auto* right = new QVBoxLayout;
    reels = new ReelSnapshotWidget(this);
    reels->setObjectName(QStringLiteral("reels"));
    reels->setAccessibleName(QStringLiteral("Reels of the chosen game"));
    right->addWidget(reels, 0, Qt::AlignHCenter);
    summary = new QLabel(this);
    summary->setObjectName(QStringLiteral("summary"));
    summary->setWordWrap(true);
    right->addWidget(summary);
    spinlines = new QLabel(this);
    spinlines->setObjectName(QStringLiteral("spinlines"));
    spinlines->setTextFormat(Qt::PlainText);
    right->addWidget(spinlines);
    right->addWidget(heading(QStringLiteral("Free spins"), this));
    feature = new QListWidget(this);
    feature->setObjectName(QStringLiteral("feature"));
    feature->setAccessibleName(QStringLiteral("Free spins"));
    right->addWidget(feature);
    right->addWidget(heading(QStringLiteral("Gamble"), this));
    gamble = new QListWidget(this);
    gamble->setObjectName(QStringLiteral("gamble"));
    gamble->setAccessibleName(QStringLiteral("Gamble"));
    gamble->setMaximumHeight(110);
    right->addWidget(gamble);
    columns->addLayout(right);

    auto* whole = new QVBoxLayout(this);
    whole->addLayout(columns, 1);
    whole->addWidget(heading(QStringLiteral("Credit"), this));
    chart = new CreditChartWidget(this);
    chart->setObjectName(QStringLiteral("chart"));
    chart->setAccessibleName(QStringLiteral("Credit after each game"));
    chart->setAccessibleDescription(QStringLiteral("A click on the chart chooses the game under it"));
    chart->onchoose = [this](int game) { act([this, game] { history.list_Click(history.rowofgame(game)); }); };
    whole->addWidget(chart);
    btnclose = new QPushButton(QStringLiteral("Close"), this);
    btnclose->setObjectName(QStringLiteral("btnclose"));
    connect(btnclose, &QPushButton::clicked, this, [this] { close(); });
    whole->addWidget(btnclose, 0, Qt::AlignRight);
    // Room for everything the chosen game shows, within the screen it opens on.
    const QRect free = freearea(this);
    const QSize room = free.isEmpty() ? QSize(980, 720) : free.size() - QSize(40, 60);
    resize(QSize(980, 720).expandedTo(minimumSizeHint()).boundedTo(room));
}

void HistoryWindow::open(QWidget* mainwindow) {
    act([this] { history.Form_Load(); });
    placeovermachine(this, mainwindow);
    becomedialogof(this, mainwindow);
    show();
    btnclose->setFocus(Qt::OtherFocusReason);
    activateWindow();
}

void HistoryWindow::act(const std::function<void()>& handler) {
    handler();
    render();
    if (rendermain) rendermain();
}

void HistoryWindow::render() {
    const HistoryForm& f = history.form;
    if (const QString title = desktoptitle(f.caption); windowTitle() != title) setWindowTitle(title);
    renderlist();
    renderchosen();
    if (f.unloaded && isVisible()) close();
}

void HistoryWindow::renderlist() {
    const HistoryForm& f = history.form;
    if (shownrows != int(f.rows.size())) {
        const QSignalBlocker quiet(games);
        shownrows = int(f.rows.size());
        games->setRowCount(shownrows);
        for (int r = 0; r < shownrows; ++r) {
            const HistoryRow& row = f.rows[size_t(r)];
            QStringList marks;
            if (row.feature) marks << QStringLiteral("free spins");
            if (row.gamble) marks << QStringLiteral("gamble");
            const QString cells[5] = {row.when, row.bet, row.win, row.credit, marks.join(QStringLiteral(", "))};
            for (int c = 0; c < 5; ++c) {
                auto* item = new QTableWidgetItem(cells[c]);
                if (c == 2 || c == 3) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                games->setItem(r, c, item);
            }
        }
    }
    if (games->currentRow() != f.selected) {
        const QSignalBlocker quiet(games);
        games->setCurrentCell(f.selected, 0);
    }
    emptynote->setText(f.rows.empty() ? f.empty : QString());
    emptynote->setVisible(f.rows.empty());
}

void HistoryWindow::renderchosen() {
    const HistoryForm& f = history.form;
    const GameRecord* g = history.chosen();
    reels->setspin(g ? std::optional<SpinRecord>(g->spin) : std::nullopt);
    summary->setText(f.summary);
    QStringList lines;
    for (const QString& line : f.spinlines) lines << line;
    spinlines->setText(lines.join(QLatin1Char('\n')));
    fill(feature, f.featurerows);
    fill(gamble, f.gamblerows);
    chart->setgames(&history.games(), history.gameofrow(f.selected));
}

void HistoryWindow::closeEvent(QCloseEvent* event) {
    if (!history.form.unloaded) act([this] { history.Form_QueryUnload(); });
    event->accept();
}

void HistoryWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) close();
    else QWidget::keyPressEvent(event);
}

}  // namespace zel
