#pragma once

#include <QList>
#include <QStringList>

#include <deque>
#include <functional>

#include "user_prompts.h"

// Answers the program's questions from a script and records what was asked, so tests never
// block on a modal box.
class RecordingPrompts : public rangedesk::app::UserPrompts {
public:
    rangedesk::app::MessageAnswer Ask(const rangedesk::app::MessageRequest& request) override {
        asked.push_back(request);
        if (onAsk) {
            onAsk(request);
        }
        if (!answers.empty()) {
            const auto answer = answers.front();
            answers.pop_front();
            return answer;
        }
        return request.Buttons == rangedesk::app::MessageButtons::YesNo
                   ? rangedesk::app::MessageAnswer::No
                   : rangedesk::app::MessageAnswer::Ok;
    }
    // The name scripted, with the filter scripted or else the one the dialog chose at first.
    rangedesk::app::SaveFileAnswer
    AskSaveFileName(const rangedesk::app::SaveFileRequest& request) override {
        saveFilters = request.Filters;
        saveRequests.push_back(request);
        const QString first = request.Filter.isEmpty() ? request.Filters.value(0) : request.Filter;
        return {saveName, chosenFilter.isEmpty() ? first : chosenFilter,
                chosenUnits.value_or(request.Units.value_or(rangedesk::UnitSystem::AsMeasured))};
    }
    // Types the scripted forms one after another into the job dialog, as long as it refuses
    // them; cancels when the script runs out.
    bool AskJob(const rangedesk::app::JobRequest& request) override {
        jobRequests.push_back(request);
        while (!jobForms.empty()) {
            const rangedesk::app::JobForm form = jobForms.front();
            jobForms.pop_front();
            if (const auto refusal = request.Apply(form)) {
                jobRefusals << *refusal;
            } else {
                return true;
            }
        }
        return false;
    }
    std::optional<int> AskChoice(const rangedesk::app::ChoiceRequest& request) override {
        choiceRequests.push_back(request);
        if (choices.empty()) {
            return std::nullopt;
        }
        const std::optional<int> choice = choices.front();
        choices.pop_front();
        return choice;
    }
    QStringList Texts() const {
        QStringList texts;
        for (const auto& r : asked) {
            texts << r.Text;
        }
        return texts;
    }

    QList<rangedesk::app::MessageRequest> asked;
    std::deque<rangedesk::app::MessageAnswer> answers;
    std::function<void(const rangedesk::app::MessageRequest&)> onAsk;
    QString saveName;
    QString chosenFilter; // empty: the one the dialog chose at first
    // The unit system chosen in the export dialog; nothing: the one it showed at first.
    std::optional<rangedesk::UnitSystem> chosenUnits;
    QStringList saveFilters;
    QList<rangedesk::app::SaveFileRequest> saveRequests;
    std::deque<rangedesk::app::JobForm> jobForms;
    QList<rangedesk::app::JobRequest> jobRequests;
    QStringList jobRefusals; // what the job dialog said, in order
    std::deque<std::optional<int>> choices;
    QList<rangedesk::app::ChoiceRequest> choiceRequests;
};
