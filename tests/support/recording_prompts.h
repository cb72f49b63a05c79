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
    rangedesk::app::SaveFileAnswer AskSaveFileName(const QStringList& filters) override {
        saveFilters = filters;
        return {saveName, chosenFilter.isEmpty() ? filters.value(0) : chosenFilter};
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
    QString chosenFilter; // empty: the first offered
    QStringList saveFilters;
};
