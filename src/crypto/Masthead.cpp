#include "crypto/Masthead.h"

#include "pipeline/FileReadingLoop.h"

namespace guard {

namespace {

constexpr std::string_view kMastheadType = "application/x-torvik-site-masthead";

} // namespace

void MastheadReader::entity(const MimeEntity& entity)
{
    Role role = Role::Examine;
    if (entity.depth > 0) {
        roles_.resize(entity.depth);
        Role parent = roles_.back();
        if (parent == Role::IgnoreParts || (parent == Role::ExamineFirstPart && entity.partIndex > 0))
            role = Role::Ignore;
    } else {
        roles_.clear();
    }

    const MimeContentType& type = entity.contentType;
    if (role == Role::Ignore) {
        roles_.push_back(Role::IgnoreParts);
        return;
    }
    if (type.is(kMastheadType)) {
        found_ = true;
        for (const MimeHeaderField& field : entity.headers)
            headers_.offer(field.name, field.value);
        roles_.push_back(Role::Examine);
        return;
    }
    if (type.isMultipart()) {
        roles_.push_back(type.subtype == "signed" ? Role::ExamineFirstPart : Role::ExamineParts);
        return;
    }
    throw NotAMasthead("an entity of type " + type.mediaType() + " where the masthead was expected");
}

void MastheadReader::finish() const
{
    if (!found_)
        throw NotAMasthead("no entity of type Application/x-Torvik-Site-Masthead");
}

void readMasthead(const char* begin, const char* end, MastheadHeaderSet& headers)
{
    MastheadReader masthead(headers);
    MimeReader reader(masthead);
    reader.Start();
    reader.Receive(begin, end);
    reader.Finish();
    masthead.finish();
}

bool mastheadWantsFips(const FileLocation& location)
{
    MastheadHeaderSet headers;
    try {
        MastheadReader masthead(headers);
        MimeReader reader(masthead);
        pushFile(location, reader);
        masthead.finish();
    } catch (const std::exception& e) {
        throw UnreadableMasthead("the masthead " + location.Path() + " cannot be read: " + e.what());
    }
    return headers.requireFipsCryptography() != 0;
}

} // namespace guard
