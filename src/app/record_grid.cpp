#include "record_grid.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMimeData>

#include <algorithm>

#include "clipboard_table.h"

namespace rangedesk::app {

RecordGrid::RecordGrid(QWidget* parent) : QTableView(parent) {
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    auto* copy = new QAction(tr("Copy"), this);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    connect(copy, &QAction::triggered, this, &RecordGrid::CopySelection);
    addAction(copy);
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

void RecordGrid::keyPressEvent(QKeyEvent* event) {
    if (event == QKeySequence::Copy) {
        CopySelection();
        return;
    }
    QTableView::keyPressEvent(event);
}

// The selected block, or the current cell when nothing is selected.
void RecordGrid::CopySelection() {
    QModelIndexList cells =
        selectionModel() ? selectionModel()->selectedIndexes() : QModelIndexList();
    if (cells.isEmpty() && currentIndex().isValid()) {
        cells << currentIndex();
    }
    if (cells.isEmpty()) {
        return;
    }
    std::sort(cells.begin(), cells.end());
    QList<QStringList> rows;
    int lastRow = -1;
    for (const QModelIndex& cell : cells) {
        if (cell.row() != lastRow) {
            rows.append(QStringList());
            lastRow = cell.row();
        }
        rows.last() << cell.data().toString();
    }
    const output::ClipboardTable table = output::ClipboardFromRows(rows);
    auto* mime = new QMimeData; // the clipboard takes it over
    mime->setText(table.Text);
    mime->setHtml(table.Html);
    QApplication::clipboard()->setMimeData(mime);
}

} // namespace rangedesk::app
