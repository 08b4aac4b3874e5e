#pragma once
// Carrying an exception out of the code path that caught it, to throw it
// again later (from a receiver, or on another thread).
//
// captureException(), called while an exception is being handled, tries the
// capture functions of every CaughtExceptionOfType<T> instantiation, the
// latest registered first; the first whose T matches copies the exception
// into a new holder. An exception no capture function knows becomes a holder
// of ExceptionCannotBeCopied. Holders of std::exception rethrow a
// CopiedStdException carrying the original what() text.
#include <exception>
#include <memory>
#include <string>

#include "platform/DebuggableException.h"

namespace guard {

GUARD_EXCEPTION(ExceptionCannotBeCopied, DebuggableException);

class CopiedStdException : public std::exception {
public:
    explicit CopiedStdException(std::string text) : text_(std::move(text)) { }
    const char* what() const noexcept override { return text_.c_str(); }

private:
    std::string text_;
};

class CaughtException {
public:
    virtual ~CaughtException() = default;
    [[noreturn]] virtual void rethrow() const = 0;
    virtual std::string message() const = 0;
};

using CaptureFunction = std::unique_ptr<CaughtException> (*)();

// Adds a capture function to the shared list (under its lock).
void registerCaptureFunction(CaptureFunction capture);

// The holder of the exception being handled; call only inside a catch.
std::unique_ptr<CaughtException> captureException();

template <class T>
class CaughtExceptionOfType final : public CaughtException {
public:
    explicit CaughtExceptionOfType(const T& exception) : exception_(exception) { }

    [[noreturn]] void rethrow() const override { throw exception_; }
    std::string message() const override { return exception_.what(); }

    // Rethrows the exception in flight; a T is copied into a holder.
    static std::unique_ptr<CaughtException> capture()
    {
        try {
            throw;
        } catch (const T& exception) {
            return std::make_unique<CaughtExceptionOfType>(exception);
        } catch (...) {
            return nullptr;
        }
    }

private:
    T exception_;
};

template <>
class CaughtExceptionOfType<std::exception> final : public CaughtException {
public:
    explicit CaughtExceptionOfType(const std::exception& exception) : text_(exception.what()) { }

    [[noreturn]] void rethrow() const override { throw CopiedStdException(text_); }
    std::string message() const override { return text_; }

    static std::unique_ptr<CaughtException> capture()
    {
        try {
            throw;
        } catch (const std::exception& exception) {
            return std::make_unique<CaughtExceptionOfType>(exception);
        } catch (...) {
            return nullptr;
        }
    }

private:
    std::string text_;
};

} // namespace guard
