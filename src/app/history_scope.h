#pragma once

#include <QWidget>

#include <functional>

class QComboBox;
class QStackedWidget;

namespace rangedesk::app {

// The History's choice between this desk's downloads and the team's: "This desk" or "Team"
// above the view chosen. The team's view is made the first time it is chosen (it connects to
// the server then, not before); "Team" cannot be chosen while no team server is set.
class HistoryScope : public QWidget {
    Q_OBJECT
public:
    enum class Scope { ThisDesk, Team };
    // Makes the team's view with the given parent; nullptr when no team server is set.
    using TeamViewFactory = std::function<QWidget*(QWidget* parent)>;

    // `thisDesk` becomes a child of this widget.
    HistoryScope(QWidget* thisDesk, TeamViewFactory makeTeamView, QWidget* parent = nullptr);

    void Choose(Scope scope);
    Scope Chosen() const;
    QComboBox& Choice() { return *choice_; }
    // The team's view; nullptr until "Team" was chosen with a server set.
    QWidget* TeamView() const { return teamView_; }

signals:
    void chosen(rangedesk::app::HistoryScope::Scope scope);

private:
    void ChoiceChanged(int index);

    TeamViewFactory makeTeamView_;
    QComboBox* choice_;
    QStackedWidget* stack_;
    QWidget* thisDesk_;
    QWidget* teamView_ = nullptr;
};

} // namespace rangedesk::app
