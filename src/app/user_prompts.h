#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

#include "job_book.h"
#include "unit_system.h"

class QWidget;

namespace rangedesk::app {

enum class MessageIcon { None, Information, Question, Error };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

struct MessageRequest {
    QString Caption;
    QString Text;
    MessageIcon Icon = MessageIcon::None;
    MessageButtons Buttons = MessageButtons::Ok;
    MessageAnswer Default = MessageAnswer::Ok;
};

// What the save dialog offers: its name filters, the one chosen at first (the first when
// empty), the folder it opens in (its own choice when empty) and the file name it suggests;
// with Units, a choice of the unit system too, showing that one at first.
struct SaveFileRequest {
    QStringList Filters;
    QString Filter;
    QString Folder;
    QString SuggestedName;
    std::optional<UnitSystem> Units = std::nullopt;
};

// What the save dialog was left with: the file name (empty when cancelled), the name filter
// and the unit system chosen.
struct SaveFileAnswer {
    QString Path;
    QString Filter;
    UnitSystem Units = UnitSystem::AsMeasured;
};

// What the job dialog shows and the user types: a job's name and details.
struct JobForm {
    QString Name;
    store::JobDetails Details;
};

// The job dialog: a caption, what it starts with, and what OK does with the fields. `Apply`
// returns why it was refused (the dialog then says so and stays open) or nothing when done.
struct JobRequest {
    QString Caption;
    JobForm Start;
    std::function<std::optional<QString>(const JobForm&)> Apply;
};

// A choice of one item of a list.
struct ChoiceRequest {
    QString Caption;
    QString Text;
    QStringList Items;
    int Current = 0;
};

// Every modal question the program asks, in one place, so tests can answer without blocking.
class UserPrompts {
public:
    virtual ~UserPrompts() = default;
    virtual MessageAnswer Ask(const MessageRequest& request) = 0;
    virtual SaveFileAnswer AskSaveFileName(const SaveFileRequest& request) = 0;
    // True when OK was pressed and Apply took the fields; false when cancelled.
    virtual bool AskJob(const JobRequest& request) = 0;
    // The index of the item chosen; nothing when cancelled.
    virtual std::optional<int> AskChoice(const ChoiceRequest& request) = 0;
};

// The real dialogs, over a parent window.
class DialogPrompts : public UserPrompts {
public:
    void SetParent(QWidget* parent) { parent_ = parent; }
    MessageAnswer Ask(const MessageRequest& request) override;
    SaveFileAnswer AskSaveFileName(const SaveFileRequest& request) override;
    bool AskJob(const JobRequest& request) override;
    std::optional<int> AskChoice(const ChoiceRequest& request) override;

private:
    QWidget* parent_ = nullptr;
};

// The application title, caption of plain messages and of the error box.
inline const QString kApplicationTitle = QStringLiteral(" RangeDesk");

} // namespace rangedesk::app
