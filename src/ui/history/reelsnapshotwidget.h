#pragma once
// A past spin's window drawn with the game's own symbol pictures: the fifteen cells where the reels
// stopped, the cells of each paying run framed, and each paying line drawn through its cells in
// the line's own colour, as the machine showed it.
#include <optional>

#include <QWidget>

#include "core/history/gamerecord.h"

namespace zel {

class ReelSnapshotWidget : public QWidget {
    Q_OBJECT
public:
    explicit ReelSnapshotWidget(QWidget* parent = nullptr);
    void setspin(const std::optional<SpinRecord>& spin);
    QSize sizeHint() const override;
    // Where a reel's cell (reel 0..4, row 0..2) is drawn.
    QRectF cellrect(int reel, int row) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<SpinRecord> shown;
};

}  // namespace zel
