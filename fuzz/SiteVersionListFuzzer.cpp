// Fuzz target: the site version list reader and writer.
//
// Input: one selector byte, which chooses how the rest is cut into chunks
// (see feedInChunks), then a list text. The list read from the chunks must
// be the list read from the whole text, and its written text must read back
// to the same list.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "FuzzInput.h"
#include "Inspectors/Portable/Versions/ManyVersionLexer.h"
#include "Inspectors/Portable/Versions/SiteVersionList.h"

namespace guard {

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    SiteVersionList whole = readSiteVersionList(text);

    SiteVersionList chunked;
    chunked.components[0] = 12345; // the maker must start every list anew
    ManyVersionMaker maker(chunked);
    ManyVersionLexer lexer(maker);
    lexer.Start();
    fuzz::feedInChunks(text, data[0], [&](const char* begin, const char* end) { lexer.Receive(begin, end); });
    lexer.Finish();
    fuzz::check(chunked == whole, "the list read in chunks differs from the list read whole", text);

    static char written[kMaxSiteVersionListText];
    char* end = writeSiteVersionList(whole, written);
    std::string_view writtenText(written, std::size_t(end - written));
    fuzz::check(readSiteVersionList(writtenText) == whole, "a written list reads back as another list", writtenText);
    return 0;
}

} // namespace guard
