#pragma once
// The compliance response, collected in memory and written in one go.
//
// Each response item holds a designator, a result, the result's type name,
// the evaluation time in microseconds, a description and a comment. The
// result texts are copied into one buffer owned by the response; designator,
// description, comment and type name are views that must outlive the
// response (texts of the document, type names of the registry, literals).
//
// write() creates (or empties) the destination and writes the document in
// layout mode 0 with CR LF line ends, no line end after the last line:
//   <?xml version="1.0"?>
//   <ArdoClientComplianceResponse Version="1.0">
//   \t<ResponseItem>
//   \t\t<Designator>...</Designator>   then Result, Description, Comment
//   \t</ResponseItem>
//   </ArdoClientComplianceResponse>
// The texts are escaped as XML content; the type and the time are not
// written. Without items the root's start and end tags share one line.
// File errors pass through.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/FileLocation.h"

namespace guard {

class ComplianceResponse {
public:
    struct Item {
        std::string_view designator;
        std::size_t resultOffset;
        std::size_t resultLength;
        std::string_view type;
        std::uint64_t microseconds;
        std::string_view description;
        std::string_view comment;
    };

    // Adds an item whose result is `resultHead` followed by `resultTail`.
    void add(std::string_view designator, std::string_view resultHead, std::string_view resultTail,
             std::string_view type, std::uint64_t microseconds, std::string_view description, std::string_view comment);

    std::size_t size() const { return items_.size(); }
    const Item& item(std::size_t index) const { return items_[index]; }
    std::string_view result(const Item& item) const
    {
        return std::string_view(results_).substr(item.resultOffset, item.resultLength);
    }

    void write(const FileLocation& destination) const;

private:
    std::vector<Item> items_;
    std::string results_;
};

} // namespace guard
