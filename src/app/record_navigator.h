#pragma once

#include <QFrame>

class QTableView;
class QToolButton;

namespace rangedesk::app {

// DBNavigator1: first, prior, next and last over the grid's current row; disabled while the
// table is closed or empty.
class RecordNavigator : public QFrame {
    Q_OBJECT
public:
    RecordNavigator(QTableView& grid, QWidget* parent = nullptr);

    enum Button { First, Prior, Next, Last };
    QToolButton* ButtonAt(Button b) const { return buttons_[b]; }
    void SetTableOpen(bool open);
    void UpdateButtons();

private:
    void MoveTo(int row);

    QTableView& grid_;
    bool open_ = false;
    QToolButton* buttons_[4];
};

} // namespace rangedesk::app
