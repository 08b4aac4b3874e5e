#pragma once
// Turns a system error code of a file operation into the file error class
// that reports it. Each kind of operation has its own table:
//   Open   opening, creating, closing, asking for the size, making folders
//   Flush  flushing written data to the disk
//   Read   reading
//   Write  writing
// Code 0 means success and raises nothing.
#include "platform/FileLocation.h"

namespace guard {

namespace Platform {

enum class FileOperation { Open, Flush, Read, Write };

enum class FileErrorClass {
    None,
    IOError,
    NotFound,
    DirectoryNotFound,
    Permission,
    Lock,
    DiskFull,
    Seek,
    Found,
    EndOfFile,
};

// The class the table of `operation` gives for the errno value `code`.
FileErrorClass classifyFileError(FileOperation operation, int code) noexcept;

// Throws the exception of class `errorClass` for `location` and `code`;
// does nothing for FileErrorClass::None.
void throwFileError(FileErrorClass errorClass, const FileLocation& location, int code);

// Classifies `code` by the table of `operation` and throws the result. For an
// Open whose code says "no such file", a location whose parent folder does
// not exist gives DirectoryNotFoundError instead of FileNotFoundError.
void raiseFileError(FileOperation operation, int code, const FileLocation& location);

} // namespace Platform

} // namespace guard
