#pragma once

#include <QTableView>

namespace rangedesk::app {

// DBGrid1: the grid of records. Ctrl+C and its context menu's "Copy" put the selected cells on
// the clipboard as tab-separated text and as an HTML table.
class RecordGrid : public QTableView {
    Q_OBJECT
public:
    explicit RecordGrid(QWidget* parent = nullptr);

    void CopySelection();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace rangedesk::app
