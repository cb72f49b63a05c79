#include "edit_failure.h"

#include "job_book.h"
#include "store_error.h"

namespace rangedesk::store {

std::optional<QString> EditFailure(const std::function<void()>& edit) {
    try {
        edit();
    } catch (const JobRefusal& e) {
        return QString::fromUtf8(e.what());
    } catch (const StoreError& e) {
        return e.Message();
    }
    return std::nullopt;
}

} // namespace rangedesk::store
