#pragma once
// A file location: the path of a file or folder as a byte string, taken as
// given (no normalisation, no character conversion).
//
// Join() appends "/" and a name (no second "/" when the location already ends
// in one); Parent() is the location without its last component ("." for a
// bare name, "/" for a name in the root). Operations that need a location
// throw EmptyFileLocationError on an empty one, before any system call.
// The path handed to the system stops at the first NUL byte, if any.
#include <string>
#include <string_view>

namespace guard {

class FileLocation {
public:
    FileLocation() = default;
    explicit FileLocation(std::string path) : path_(std::move(path)) { }
    explicit FileLocation(std::string_view path) : path_(path) { }
    explicit FileLocation(const char* path) : path_(path) { }
    FileLocation(const char* begin, const char* end) : path_(begin, end) { }

    const std::string& Path() const noexcept { return path_; }
    const char* CString() const noexcept { return path_.c_str(); }
    bool IsEmpty() const noexcept { return path_.empty(); }

    // Throws EmptyFileLocationError when this location is empty.
    void RequireNonEmpty() const;

    FileLocation Join(std::string_view name) const;
    FileLocation Parent() const;

    // True when something is at the location (a symbolic link counts, even
    // one that leads nowhere).
    bool Exists() const;
    // True when the location names an existing folder (symbolic links followed).
    bool IsExistingDirectory() const;
    // Creates the folder when nothing exists at the location; an existing
    // folder is left alone; any other failure raises the mapped file error.
    void CreateDirectory() const;

    friend bool operator==(const FileLocation&, const FileLocation&) = default;

private:
    std::string path_;
};

} // namespace guard
