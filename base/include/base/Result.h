#pragma once

#include <optional>
#include <string>
#include <utility>
#include <variant>

namespace base {

// What a failure kept from being done, so that a caller can choose its message and mark the item.
enum class FailureKind {
    Input,     // something to be read could not be: missing, a folder or device, no permission
    Output,    // something to be written could not be: read-only, no room, no permission, or a
               // file that must not be written over
    Options,   // what was asked cannot be done as asked: options, passwords, a command line
    Memory,    // not enough memory
    Abandoned, // given up part-way when asked to
};

// Why something could not be done. The reason is for the user, in the voice of every message of the
// engine and the command-line converter: lower case, no full stop, its parts joined by ": " from the
// general to the particular ("cannot open the file: No such file or directory").
struct Failure
{
    FailureKind kind;
    std::string reason;
};

// The reason of a Result that holds none.
inline const std::string& NoReason()
{
    static const std::string none;
    return none;
}

// The outcome of an operation that can fail: its value, or the Failure that kept it from one.
// Result<> is the outcome of an operation without a value. A Result converts to true when it holds
// a value; value() and failure() must only be asked of a Result that holds one (they throw
// otherwise).
template <typename T = void>
class [[nodiscard]] Result
{
public:
    Result(T value)
        : m_outcome(std::in_place_index<0>, std::move(value))
    {
    }
    Result(Failure failure)
        : m_outcome(std::in_place_index<1>, std::move(failure))
    {
    }

    bool ok() const { return m_outcome.index() == 0; }
    explicit operator bool() const { return ok(); }

    T& value() & { return std::get<0>(m_outcome); }
    const T& value() const& { return std::get<0>(m_outcome); }
    // By value, so that the value outlives a Result that is about to end.
    T value() && { return std::get<0>(std::move(m_outcome)); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }
    T& operator*() & { return value(); }
    const T& operator*() const& { return value(); }
    T operator*() && { return std::move(*this).value(); }

    const Failure& failure() const { return std::get<1>(m_outcome); }
    // The failure's reason; empty when the Result holds a value.
    const std::string& error() const { return ok() ? NoReason() : failure().reason; }

private:
    std::variant<T, Failure> m_outcome;
};

template <>
class [[nodiscard]] Result<void>
{
public:
    Result() = default;
    Result(Failure failure)
        : m_failure(std::move(failure))
    {
    }

    bool ok() const { return !m_failure; }
    explicit operator bool() const { return ok(); }

    const Failure& failure() const { return m_failure.value(); }
    // The failure's reason; empty when there is none.
    const std::string& error() const { return ok() ? NoReason() : failure().reason; }

private:
    std::optional<Failure> m_failure;
};

} // namespace base
