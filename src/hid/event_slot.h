#pragma once

#include <concepts>
#include <functional>
#include <memory>
#include <utility>

namespace rangedesk::hid {

// An event handler that may be unset and that compares by identity, so a property write can
// hand a new handler to exactly the devices that still hold the old one.
template <typename Signature> class EventSlot;

template <typename R, typename... Args> class EventSlot<R(Args...)> {
public:
    EventSlot() = default;

    template <typename F>
    requires(!std::same_as<std::decay_t<F>, EventSlot> && std::invocable<F&, Args...>)
        EventSlot(F f) // NOLINT(google-explicit-constructor): handlers are assigned like values
        : fn_(std::make_shared<const std::function<R(Args...)>>(std::move(f))) {}

    explicit operator bool() const { return fn_ != nullptr; }
    R operator()(Args... args) const { return (*fn_)(std::forward<Args>(args)...); }
    bool operator==(const EventSlot& other) const { return fn_ == other.fn_; }

private:
    std::shared_ptr<const std::function<R(Args...)>> fn_;
};

} // namespace rangedesk::hid
