#pragma once
// Every public method of the library runs its body through guard(): nothing thrown inside a method
// reaches its caller, who gets the method's failure value instead (0, "", a null handle).
#include <utility>

namespace pixol::detail {

template <class R, class F>
R guard(R failure, F&& body) noexcept
{
    try {
        return std::forward<F>(body)();
    } catch (...) {
        return failure;
    }
}

} // namespace pixol::detail
