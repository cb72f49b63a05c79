#include "record_navigator.h"

#include <QAbstractItemModel>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QStyle>
#include <QTableView>
#include <QToolButton>

namespace rangedesk::app {

RecordNavigator::RecordNavigator(QTableView& grid, QWidget* parent) : QFrame(parent), grid_(grid) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(0);
    const QStyle::StandardPixmap icons[] = {
        QStyle::SP_MediaSkipBackward, QStyle::SP_MediaSeekBackward, QStyle::SP_MediaSeekForward,
        QStyle::SP_MediaSkipForward};
    const char* const tips[] = {QT_TR_NOOP("First record"), QT_TR_NOOP("Prior record"),
                                QT_TR_NOOP("Next record"), QT_TR_NOOP("Last record")};
    for (int i = 0; i < 4; ++i) {
        buttons_[i] = new QToolButton(this);
        buttons_[i]->setIcon(style()->standardIcon(icons[i]));
        buttons_[i]->setToolTip(tr(tips[i]));
        buttons_[i]->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        buttons_[i]->setEnabled(false);
        layout->addWidget(buttons_[i]);
    }
    connect(buttons_[First], &QToolButton::clicked, this, [this] { MoveTo(0); });
    connect(buttons_[Prior], &QToolButton::clicked, this,
            [this] { MoveTo(grid_.currentIndex().row() - 1); });
    connect(buttons_[Next], &QToolButton::clicked, this,
            [this] { MoveTo(grid_.currentIndex().row() + 1); });
    connect(buttons_[Last], &QToolButton::clicked, this,
            [this] { MoveTo(grid_.model() ? grid_.model()->rowCount() - 1 : 0); });
}

void RecordNavigator::SetTableOpen(bool open) {
    open_ = open;
    UpdateButtons();
}

void RecordNavigator::MoveTo(int row) {
    const QAbstractItemModel* model = grid_.model();
    if (!model || model->rowCount() == 0) {
        return;
    }
    row = std::clamp(row, 0, model->rowCount() - 1);
    const int column = std::max(grid_.currentIndex().column(), 0);
    grid_.setCurrentIndex(model->index(row, column));
    UpdateButtons();
}

void RecordNavigator::UpdateButtons() {
    const QAbstractItemModel* model = grid_.model();
    const int rows = model && open_ ? model->rowCount() : 0;
    const int current = grid_.currentIndex().isValid() ? grid_.currentIndex().row() : 0;
    const bool atFirst = current <= 0;
    const bool atLast = current >= rows - 1;
    buttons_[First]->setEnabled(rows > 0 && !atFirst);
    buttons_[Prior]->setEnabled(rows > 0 && !atFirst);
    buttons_[Next]->setEnabled(rows > 0 && !atLast);
    buttons_[Last]->setEnabled(rows > 0 && !atLast);
}

} // namespace rangedesk::app
