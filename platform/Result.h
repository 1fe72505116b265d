#pragma once
// Recoverable failures (I/O, malformed files, sizes that do not fit) travel as values.
#include <string>
#include <utility>
#include <variant>

namespace salon {

struct Error {
    std::string message;
};

template <class T>
class [[nodiscard]] Result {
public:
    Result(T value) : m_v(std::move(value)) {}
    Result(Error error) : m_v(std::move(error)) {}

    bool ok() const { return m_v.index() == 0; }
    explicit operator bool() const { return ok(); }
    T& value() & { return std::get<0>(m_v); }
    const T& value() const& { return std::get<0>(m_v); }
    T&& value() && { return std::get<0>(std::move(m_v)); }
    const std::string& error() const { return std::get<1>(m_v).message; }

private:
    std::variant<T, Error> m_v;
};

} // namespace salon
