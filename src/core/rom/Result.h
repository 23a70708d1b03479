#pragma once

#include <QString>

#include <optional>
#include <utility>

namespace quindaro2 {

// Outcome of an operation at a file boundary: success, or the reason it failed.
class [[nodiscard]] Status {
public:
    static Status Ok() { return Status(); }
    static Status Failed(QString reason) { return Status(std::move(reason)); }

    bool ok() const { return !failed_; }
    explicit operator bool() const { return ok(); }
    const QString& reason() const { return reason_; }

private:
    Status() = default;
    explicit Status(QString reason) : failed_(true), reason_(std::move(reason)) {}

    bool failed_ = false;
    QString reason_;
};

// A value, or the reason there is none.
template <typename T>
class [[nodiscard]] Result {
public:
    Result(T value) : value_(std::move(value)) {}
    static Result Failed(QString reason) { return Result(std::move(reason), 0); }

    bool ok() const { return value_.has_value(); }
    explicit operator bool() const { return ok(); }
    const T& value() const& { return *value_; }
    T& value() & { return *value_; }
    T&& value() && { return std::move(*value_); }
    const T* operator->() const { return &*value_; }
    const QString& reason() const { return reason_; }

private:
    Result(QString reason, int) : reason_(std::move(reason)) {}

    std::optional<T> value_;
    QString reason_;
};

} // namespace quindaro2
