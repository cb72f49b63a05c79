#include "history_scope.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace rangedesk::app {

HistoryScope::HistoryScope(QWidget* thisDesk, TeamViewFactory makeTeamView, QWidget* parent)
    : QWidget(parent), makeTeamView_(std::move(makeTeamView)), choice_(new QComboBox(this)),
      stack_(new QStackedWidget(this)), thisDesk_(thisDesk) {
    choice_->addItem(tr("This desk"), int(Scope::ThisDesk));
    choice_->addItem(tr("Team"), int(Scope::Team));
    stack_->addWidget(thisDesk_);
    choice_->setAccessibleName(tr("Downloads of"));
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(tr("Downloads of:"), this));
    top->addWidget(choice_);
    top->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(top);
    layout->addWidget(stack_);
    connect(choice_, &QComboBox::currentIndexChanged, this, &HistoryScope::ChoiceChanged);
}

void HistoryScope::Choose(Scope scope) {
    choice_->setCurrentIndex(choice_->findData(int(scope)));
}

HistoryScope::Scope HistoryScope::Chosen() const {
    return Scope(choice_->currentData().toInt());
}

void HistoryScope::ChoiceChanged(int index) {
    Scope scope = Scope(choice_->itemData(index).toInt());
    if (scope == Scope::Team && !teamView_ && makeTeamView_) {
        teamView_ = makeTeamView_(stack_);
        if (teamView_) {
            stack_->addWidget(teamView_);
        }
    }
    if (scope == Scope::Team && !teamView_) {
        // No server set: stay on this desk's downloads.
        const QSignalBlocker quiet(choice_);
        choice_->setCurrentIndex(choice_->findData(int(Scope::ThisDesk)));
        choice_->setToolTip(tr("No team server is set: Settings > Team server."));
        scope = Scope::ThisDesk;
    }
    stack_->setCurrentWidget(scope == Scope::Team ? teamView_ : thisDesk_);
    emit chosen(scope);
}

} // namespace rangedesk::app
