#include "driver/ComplianceResponse.h"

#include "pipeline/FileDataSink.h"
#include "pipeline/LineFlattener.h"
#include "platform/FileWritingPath.h"
#include "xml/XMLResponseWriter.h"

namespace guard {

namespace {

constexpr std::uint32_t kIndentedLayout = 0;

void writeTextElement(XMLResponseWriter& writer, std::string_view name, std::string_view text)
{
    writer.StartElement(name);
    writer.WriteText(text);
    writer.EndElement();
}

} // namespace

void ComplianceResponse::add(std::string_view designator, std::string_view resultHead, std::string_view resultTail,
                             std::string_view type, std::uint64_t microseconds, std::string_view description,
                             std::string_view comment)
{
    std::size_t offset = results_.size();
    results_.append(resultHead).append(resultTail);
    items_.push_back(Item{designator, offset, results_.size() - offset, type, microseconds, description, comment});
}

void ComplianceResponse::write(const FileLocation& destination) const
{
    Platform::FileWritingPath output;
    output.Create(destination);
    FileDataSink sink(output);
    LineFlattener flattener(sink, "\r\n");
    XMLResponseWriter writer(flattener, kIndentedLayout);
    writer.StartDocument("ArdoClientComplianceResponse", XMLAttributeList{{"Version", "1.0"}});
    for (const Item& item : items_) {
        writer.StartElement("ResponseItem");
        writeTextElement(writer, "Designator", item.designator);
        writeTextElement(writer, "Result", result(item));
        writeTextElement(writer, "Description", item.description);
        writeTextElement(writer, "Comment", item.comment);
        writer.EndElement();
    }
    writer.Close();
    output.Close();
}

} // namespace guard
