#pragma once
// Reading the site masthead, a signed MIME message, to learn whether the
// site requires FIPS mode. The signature is not checked here.
//
// The masthead's fields are the header fields of the entity whose content
// type is "Application/x-Torvik-Site-Masthead" (any letter case). The message
// is examined by this rule: an entity of the masthead type gives its fields;
// a multipart entity's parts are examined in turn, except that of a
// multipart/signed entity only the first part (the signed content) is, the
// signature after it being ignored; an entity of any other type throws
// NotAMasthead. A message in which no entity of the masthead type is found
// throws NotAMasthead too.
#include "crypto/MastheadHeaderSet.h"
#include "crypto/MimeReader.h"
#include "platform/DebuggableException.h"
#include "platform/FileLocation.h"

namespace guard {

class NotAMasthead : public TextException {
public:
    using TextException::TextException;
};

// The masthead could not be read: what() names the file and the reason.
class UnreadableMasthead : public TextException {
public:
    using TextException::TextException;
};

// Collects the masthead's fields from the entities a MimeReader reports.
class MastheadReader final : public MimeEntityHandler {
public:
    explicit MastheadReader(MastheadHeaderSet& headers) : headers_(headers) { }

    void entity(const MimeEntity& entity) override;
    // Throws NotAMasthead when no masthead entity was seen.
    void finish() const;

private:
    enum class Role { Examine, Ignore, ExamineParts, ExamineFirstPart, IgnoreParts };

    MastheadHeaderSet& headers_;
    // The role of the open entity at each depth.
    std::vector<Role> roles_;
    bool found_ = false;
};

// Reads the bytes as a masthead into `headers`.
void readMasthead(const char* begin, const char* end, MastheadHeaderSet& headers);

// Reads the masthead file; true when its FIPS field is not 0. Throws
// UnreadableMasthead when the file cannot be read or is not a masthead.
bool mastheadWantsFips(const FileLocation& masthead);

} // namespace guard
