#include "crypto/Masthead.h"

#include <gtest/gtest.h>

#include "support/TempDirectory.h"

namespace guard {

namespace {

std::string signedMasthead(std::string_view fields)
{
    return "MIME-Version: 1.0\r\n"
           "Content-Type: multipart/signed; protocol=\"application/pkcs7-signature\"; micalg=sha1;\r\n"
           "\tboundary=\"----SIG\"\r\n"
           "\r\n"
           "This is an S/MIME signed message\r\n"
           "------SIG\r\n"
           "Content-Type: application/x-Torvik-Site-Masthead\r\n" +
        std::string(fields) +
        "\r\n"
        "masthead body\r\n"
        "------SIG\r\n"
        "Content-Type: application/pkcs7-signature; name=smime.p7s\r\n"
        "\r\n"
        "MIIB\r\n"
        "------SIG--\r\n";
}

std::uint32_t fipsFieldOf(const std::string& text)
{
    MastheadHeaderSet headers;
    readMasthead(text.data(), text.data() + text.size(), headers);
    return headers.requireFipsCryptography();
}

std::string notAMastheadReason(const std::string& text)
{
    MastheadHeaderSet headers;
    try {
        readMasthead(text.data(), text.data() + text.size(), headers);
    } catch (const NotAMasthead& e) {
        return e.what();
    }
    return "read";
}

} // namespace

TEST(MastheadInteger, DigitsWithBlanksAndNothingElse)
{
    EXPECT_EQ(readMastheadInteger("1"), 1u);
    EXPECT_EQ(readMastheadInteger(" 1 "), 1u);
    EXPECT_EQ(readMastheadInteger("0001"), 1u);
    EXPECT_EQ(readMastheadInteger("1 2\t3"), 123u);
    EXPECT_EQ(readMastheadInteger("4294967295"), 4294967295u);
    for (const char* unreadable : {"", "  ", "true", "yes", "1.0", "-1", "+1", "4294967296", "99999999999", "1x"})
        EXPECT_EQ(readMastheadInteger(unreadable), std::nullopt) << unreadable;
}

TEST(MastheadHeaderSet, KnownNamesInAnyLetterCaseUnknownOnesIgnored)
{
    EXPECT_TRUE(std::is_sorted(MastheadHeaderSet::kFieldNames.begin(), MastheadHeaderSet::kFieldNames.end()));
    MastheadHeaderSet headers;
    EXPECT_TRUE(headers.offer("X-Ardo-Require-Fips-Cryptography", "1"));
    EXPECT_EQ(headers.requireFipsCryptography(), 1u);
    EXPECT_TRUE(headers.offer("x-torvik-site-name", "ActionSite"));
    EXPECT_EQ(headers.text("X-TORVIK-SITE-NAME"), "ActionSite");
    EXPECT_TRUE(headers.offer("DATE", "Mon, 20 Nov 2023 00:00:00 +0000"));
    EXPECT_TRUE(headers.offer("x-web-page", "w"));
    EXPECT_FALSE(headers.offer("x-torvik-site", "prefix of known names"));
    EXPECT_FALSE(headers.offer("content-type", "x"));
    EXPECT_FALSE(headers.offer("zz", "after every known name"));
    // An unreadable value leaves the field as it was.
    EXPECT_TRUE(headers.offer("x-ardo-require-fips-cryptography", "true"));
    EXPECT_EQ(headers.requireFipsCryptography(), 1u);
    EXPECT_TRUE(headers.offer("x-torvik-site-serial-number", " 42 "));
    EXPECT_EQ(headers.serialNumber(), 42u);
    EXPECT_EQ(headers.uniqueSiteId(), 0u);
}

TEST(Masthead, TheFipsFieldOfTheSignedContent)
{
    EXPECT_EQ(fipsFieldOf(signedMasthead("X-Ardo-Require-Fips-Cryptography: 1\r\n")), 1u);
    EXPECT_EQ(fipsFieldOf(signedMasthead("x-ardo-require-fips-cryptography:  0001 \r\n")), 1u);
    EXPECT_EQ(fipsFieldOf(signedMasthead("X-Ardo-Require-Fips-Cryptography: true\r\n")), 0u);
    EXPECT_EQ(fipsFieldOf(signedMasthead("X-Ardo-Require-Fips-Cryptography: 4294967296\r\n")), 0u);
    EXPECT_EQ(fipsFieldOf(signedMasthead("X-Ardo-Require-Fips-Cryptography:\r\n 1\r\n")), 1u);
    EXPECT_EQ(fipsFieldOf(signedMasthead("X-Torvik-Site-Name: no FIPS field\r\n")), 0u);
}

TEST(Masthead, AnUnsignedMastheadAndMastheadsInsideMultiparts)
{
    EXPECT_EQ(fipsFieldOf("Content-Type: application/x-torvik-site-masthead\r\n"
                          "X-Ardo-Require-Fips-Cryptography: 7\r\n\r\n"),
              7u);
    EXPECT_EQ(fipsFieldOf("Content-Type: multipart/mixed; boundary=m\r\n\r\n--m\r\n"
                          "Content-Type: multipart/signed; boundary=s\r\n\r\n--s\r\n"
                          "Content-Type: Application/X-Torvik-Site-Masthead\r\n"
                          "X-Ardo-Require-Fips-Cryptography: 1\r\n\r\n--s\r\nContent-Type: text/plain\r\n\r\n--s--\r\n"
                          "--m--\r\n"),
              1u);
}

TEST(Masthead, WhatIsNotAMastheadSaysSo)
{
    EXPECT_EQ(notAMastheadReason("Subject: a letter\r\n\r\nDear\r\n"),
              "an entity of type text/plain where the masthead was expected");
    // The signature's place is not examined, but the signed content is.
    EXPECT_EQ(notAMastheadReason("Content-Type: multipart/signed; boundary=s\r\n\r\n--s\r\n"
                                 "Content-Type: image/png\r\n\r\n--s--\r\n"),
              "an entity of type image/png where the masthead was expected");
    EXPECT_EQ(notAMastheadReason("Content-Type: multipart/mixed; boundary=s\r\n\r\n--s--\r\n"),
              "no entity of type Application/x-Torvik-Site-Masthead");
}

TEST(Masthead, TheFileIsReadFromItsLocationAndItsFailuresNameIt)
{
    TempDirectory temp;
    FileLocation wants(temp.Write("wants", signedMasthead("X-Ardo-Require-Fips-Cryptography: 1\r\n")));
    FileLocation doesNot(temp.Write("not", signedMasthead("")));
    EXPECT_TRUE(mastheadWantsFips(wants));
    EXPECT_FALSE(mastheadWantsFips(doesNot));
    FileLocation letter(temp.Write("letter", "Subject: x\r\n\r\n"));
    try {
        mastheadWantsFips(letter);
        ADD_FAILURE() << "a letter read as a masthead";
    } catch (const UnreadableMasthead& e) {
        EXPECT_EQ(std::string(e.what()),
                  "the masthead " + letter.Path() +
                      " cannot be read: an entity of type text/plain where the masthead "
                      "was expected");
    }
    EXPECT_THROW(mastheadWantsFips(FileLocation(temp / "missing")), UnreadableMasthead);
}

} // namespace guard
