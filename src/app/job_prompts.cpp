#include "job_prompts.h"

#include <QCoreApplication>

#include "edit_failure.h"
#include "job_book.h"
#include "user_prompts.h"

namespace rangedesk::app {

std::optional<qint64> AskNewJob(UserPrompts& prompts, store::RecordStore& store) {
    std::optional<qint64> made;
    const bool done = prompts.AskJob(
        {QCoreApplication::translate("JobPrompts", "New job"), {}, [&](const JobForm& form) {
             return store::EditFailure(
                 [&] { made = store::JobBook(store).Create(form.Name, form.Details).Id; });
         }});
    return done ? made : std::nullopt;
}

bool AskEditJob(UserPrompts& prompts, store::RecordStore& store, const store::JobInfo& job) {
    const JobForm start{job.Name, {job.Client, job.Address, job.Notes}};
    return prompts.AskJob({QCoreApplication::translate("JobPrompts", "Job %1").arg(job.Name), start,
                           [&](const JobForm& form) {
                               return store::EditFailure([&] {
                                   store::JobBook(store).Update(job.Id, form.Name, form.Details);
                               });
                           }});
}

} // namespace rangedesk::app
