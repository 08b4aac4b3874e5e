#pragma once
// The file errors. Every failed file operation throws one of these classes,
// chosen from the system error code (see FileErrorMapping.h).
//
// A FileIOError holds the location concerned, an optional second location
// and the system error code (an errno value; 0 when there is none). Its
// what() is
//   File error "class X" on "<location>" and "<second>": <system message>
// where each of the last three parts appears only when its location is not
// empty or its code is not 0, and X is the run-time class name.
#include <string>

#include "platform/DebuggableException.h"
#include "platform/FileLocation.h"

namespace guard {

class FileIOError : public DebuggableException {
public:
    explicit FileIOError(FileLocation location = {}, int code = 0, FileLocation second = {})
        : location_(std::move(location)), second_(std::move(second)), code_(code)
    {
    }

    const FileLocation& Location() const noexcept { return location_; }
    const FileLocation& SecondLocation() const noexcept { return second_; }
    int Code() const noexcept { return code_; }

    const char* what() const noexcept override;

private:
    FileLocation location_;
    FileLocation second_;
    int code_;
    // Built on the first what(), when the dynamic type is known.
    mutable std::string description_;
};

#define GUARD_FILE_ERROR(Name)                                                                                         \
    class Name : public FileIOError {                                                                                  \
    public:                                                                                                            \
        using FileIOError::FileIOError;                                                                                \
    }

GUARD_FILE_ERROR(FileNotFoundError);
GUARD_FILE_ERROR(DirectoryNotFoundError);
GUARD_FILE_ERROR(FilePermissionError);
GUARD_FILE_ERROR(FileLockError);
GUARD_FILE_ERROR(DiskFullError);
GUARD_FILE_ERROR(FileSeekError);
GUARD_FILE_ERROR(FileFoundError);
GUARD_FILE_ERROR(EndOfFileError);
GUARD_FILE_ERROR(EmptyFileLocationError);
GUARD_FILE_ERROR(FileItemError);

// The system's message text for an errno value.
std::string systemErrorText(int code);

} // namespace guard
