// The closed set of errors a calculation can raise. Each carries the exact message the
// error box shows (before its full stop is added).
#pragma once

#include <exception>
#include <string>
#include <utility>

namespace motrel {

// Root of every error the program reports to the user. The message is kept whole: a field
// text may hold any byte, a NUL among them, and what() would stop there.
class Exception : public std::exception {
public:
    explicit Exception(std::string message) : message_(std::move(message)) {}
    const std::string& message() const noexcept { return message_; }
    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::string message_;
};

// A field text is no number: "'<text>' is not a valid floating point value".
class EConvertError : public Exception {
public:
    explicit EConvertError(const std::string& fieldText);
};

// A floating-point fault found at the operation that made it.
class EExternal : public Exception {
public:
    using Exception::Exception;
};

class EMathError : public EExternal {
public:
    using EExternal::EExternal;
};

// 0 / 0, the square root of a negative number, or any other invalid operation.
class EInvalidOp : public EMathError {
public:
    EInvalidOp();
};

// A nonzero value divided by zero.
class EZeroDivide : public EMathError {
public:
    EZeroDivide();
};

// A value beyond the extended range, or beyond the 64-bit range when it is stored.
class EOverflow : public EMathError {
public:
    EOverflow();
};

}  // namespace motrel
