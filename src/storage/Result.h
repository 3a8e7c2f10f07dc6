#pragma once

#include <QString>

#include <optional>
#include <utility>

// What a storage operation hands back: its value, or the reason it failed in words the
// user can act on. Storage never talks to the user itself; the command that called it
// decides how to say it.
struct Done {};

template <typename T>
class Result {
public:
    static Result success(T value)
    {
        Result result;
        result.value_ = std::move(value);
        return result;
    }
    static Result failure(QString reason)
    {
        Result result;
        result.error_ = std::move(reason);
        return result;
    }

    bool ok() const { return value_.has_value(); }
    // Asking a failure for its value is a fault of the caller, and stops the program.
    const T& value() const { return value_.value(); }
    T& value() { return value_.value(); }
    const QString& error() const { return error_; }

private:
    Result() = default;

    std::optional<T> value_;
    QString error_;
};
