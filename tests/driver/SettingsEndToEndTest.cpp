// The real programs with a settings database of their own: guard-settings
// writing and reading it, and guard copied beside a masthead deciding its
// FIPS mode from the setting and the masthead.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/GuardBinary.h"
#include "support/ProgramRun.h"
#include "support/TempDirectory.h"

namespace guard {

namespace {

constexpr int kCryptoFailureExit = 255;  // -1
constexpr int kStartUpFailureExit = 254; // -2

const char kFipsQuestions[] = "Q: fips mode of cryptography\r\n"
                              "Q: desired fips mode of cryptography\r\n"
                              "Q: fips mode failure message of cryptography\r\n";

std::string masthead(std::string_view fipsValue)
{
    return "MIME-Version: 1.0\r\n"
           "Content-Type: multipart/signed; protocol=\"application/pkcs7-signature\"; micalg=sha1;\r\n"
           " boundary=\"==sig==\"\r\n"
           "\r\n"
           "--==sig==\r\n"
           "Content-Type: Application/x-Torvik-Site-Masthead\r\n"
           "X-Torvik-Site-Name: ActionSite\r\n"
           "X-Ardo-Require-Fips-Cryptography: " +
        std::string(fipsValue) +
        "\r\n"
        "\r\n"
        "--==sig==\r\n"
        "Content-Type: application/pkcs7-signature\r\n"
        "\r\n"
        "U0lHTkFUVVJF\r\n"
        "--==sig==--\r\n";
}

struct FipsAnswers {
    int exitCode;
    std::string err;
    std::string fipsMode;
    std::string desired;
    std::string message;
};

class SettingsEndToEnd : public testing::Test {
protected:
    void SetUp() override
    {
        database = temp / "settings.db";
        ::setenv("GUARD_SETTINGS_DB", database.c_str(), 1);
        program = temp / "guard";
        std::filesystem::copy_file(guardBinary(), program);
        std::filesystem::permissions(program, std::filesystem::perms::owner_all);
        temp.Write("questions", kFipsQuestions);
    }
    void TearDown() override { ::unsetenv("GUARD_SETTINGS_DB"); }

    ProgramRun settings(std::vector<std::string> words)
    {
        words.insert(words.begin(), GUARD_SETTINGS_BUILT_BINARY);
        return runProgram(words);
    }
    void setFipsSetting(const std::string& value)
    {
        ProgramRun run = settings({"set", "_ArdoClient_Cryptography_FipsMode", value});
        ASSERT_EQ(run.exitCode, 0) << run.err;
    }
    void putMasthead(std::string_view fipsValue) { temp.Write("ActionSite.aqzm", masthead(fipsValue)); }

    // Runs the copy of guard and reads its three FIPS answers.
    FipsAnswers ask()
    {
        std::filesystem::remove(temp / "answers");
        ProgramRun run = runProgram({program, temp / "questions", temp / "answers"});
        FipsAnswers answers{run.exitCode, run.err, "", "", ""};
        std::string text = TempDirectory::Read(temp / "answers");
        std::vector<std::string*> slots = {&answers.fipsMode, &answers.desired, &answers.message};
        std::size_t slot = 0, at = 0;
        while ((at = text.find("\nA: ", at)) != std::string::npos && slot < slots.size()) {
            std::size_t end = text.find("\r\n", at);
            *slots[slot++] = text.substr(at + 4, end - at - 4);
            at = end;
        }
        return answers;
    }

    TempDirectory temp;
    std::string database;
    std::string program;
};

constexpr std::string_view kOptionalFailure = "Cryptographic module failed to enter optional FIPS mode:";

} // namespace

TEST_F(SettingsEndToEnd, NoSettingsAndNoMastheadRunWithoutFipsAndCreateNothing)
{
    FipsAnswers answers = ask();
    EXPECT_EQ(answers.exitCode, 0) << answers.err;
    EXPECT_EQ(answers.fipsMode, "False");
    EXPECT_EQ(answers.desired, "False");
    EXPECT_EQ(answers.message, "");
    EXPECT_FALSE(std::filesystem::exists(database)) << "reading the settings created the database";
}

TEST_F(SettingsEndToEnd, RequiredBySettingEndsTheProgramSilently)
{
    setFipsSetting("REQUIRED");
    FipsAnswers answers = ask();
    EXPECT_EQ(answers.exitCode, kCryptoFailureExit);
    EXPECT_EQ(answers.err, "");
    EXPECT_FALSE(std::filesystem::exists(temp / "answers"));
}

TEST_F(SettingsEndToEnd, AMastheadAskingForFipsIsObeyedAndItsFailureRecorded)
{
    putMasthead("1");
    FipsAnswers answers = ask();
    EXPECT_EQ(answers.exitCode, 0) << answers.err;
    EXPECT_EQ(answers.fipsMode, "False");
    EXPECT_EQ(answers.desired, "True");
    EXPECT_EQ(answers.message.substr(0, kOptionalFailure.size()), kOptionalFailure);
    EXPECT_GT(answers.message.size(), kOptionalFailure.size()) << "the library's error text is missing";

    // A setting that is neither "required" nor "none" leaves it to the masthead.
    setFipsSetting("yes");
    EXPECT_EQ(ask().desired, "True");
    // "none" wins over the masthead.
    setFipsSetting("None");
    answers = ask();
    EXPECT_EQ(answers.exitCode, 0);
    EXPECT_EQ(answers.desired, "False");
    EXPECT_EQ(answers.message, "");
}

TEST_F(SettingsEndToEnd, MastheadFieldsThatDoNotAskForFips)
{
    for (const char* value : {"0", "true", "4294967296", "1.0", ""}) {
        putMasthead(value);
        FipsAnswers answers = ask();
        EXPECT_EQ(answers.exitCode, 0) << value << answers.err;
        EXPECT_EQ(answers.desired, "False") << value;
        EXPECT_EQ(answers.message, "") << value;
    }
    putMasthead(" 0001 ");
    EXPECT_EQ(ask().desired, "True");
}

TEST_F(SettingsEndToEnd, AFileThatIsNotAMastheadStopsTheProgramUnlessTheSettingDecides)
{
    std::string path = temp.Write("ActionSite.aqzm", "Subject: holiday photos\r\n\r\nsee attached\r\n");
    FipsAnswers answers = ask();
    EXPECT_EQ(answers.exitCode, kStartUpFailureExit);
    EXPECT_EQ(answers.err,
              "\nError: the masthead " + path +
                  " cannot be read: an entity of type text/plain where the masthead was expected\n");
    EXPECT_FALSE(std::filesystem::exists(temp / "answers"));

    // A masthead cut short before its closing boundary.
    std::string whole = masthead("0");
    temp.Write("ActionSite.aqzm", whole.substr(0, whole.find("--==sig==\r\nContent-Type: application/pkcs7")));
    answers = ask();
    EXPECT_EQ(answers.exitCode, kStartUpFailureExit);
    EXPECT_NE(answers.err.find("cannot be read: the input ends inside a multipart entity"), std::string::npos)
        << answers.err;

    // The setting decides alone: the masthead is not read at all.
    setFipsSetting("none");
    answers = ask();
    EXPECT_EQ(answers.exitCode, 0) << answers.err;
    EXPECT_EQ(answers.desired, "False");
}

TEST_F(SettingsEndToEnd, ASettingsDatabaseThatCannotBeReadStopsTheProgram)
{
    temp.Write("settings.db", std::string(200, 'x'));
    FipsAnswers answers = ask();
    EXPECT_EQ(answers.exitCode, kStartUpFailureExit);
    EXPECT_EQ(answers.err, "\nError: the settings database " + database + " cannot be read: file is not a database\n");
    ProgramRun run = settings({"list"});
    EXPECT_EQ(run.exitCode, 4);
    EXPECT_EQ(run.err, "guard-settings: cannot read the settings database " + database + "\n");
}

TEST_F(SettingsEndToEnd, AMastheadFolderAsksForNothing)
{
    std::filesystem::create_directory(temp / "ActionSite.aqzm");
    FipsAnswers answers = ask();
    EXPECT_EQ(answers.exitCode, 0) << answers.err;
    EXPECT_EQ(answers.desired, "False");
}

TEST_F(SettingsEndToEnd, TheSettingsCommandWritesReadsListsAndDeletes)
{
    ProgramRun run = settings({"get", "Colour"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "guard-settings: no setting Colour in Client\n");
    EXPECT_FALSE(std::filesystem::exists(database));

    run = settings({"set", "Colour", "blue", "--effective", "Mon, 20 Nov 2023 10:00:00 +0000"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    run = settings({"get", "COLOUR"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "blue\n");

    // An earlier date is refused and says so; the same date is accepted.
    run = settings({"--effective", "Mon, 20 Nov 2023 09:59:59 +0000", "set", "colour", "red"});
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_NE(run.err.find("guard-settings: not written: colour is in effect from "), std::string::npos) << run.err;
    EXPECT_EQ(settings({"get", "Colour"}).out, "blue\n");
    run = settings({"set", "Colour", "green", "--effective", "Mon, 20 Nov 2023 11:00:00 +0100"});
    EXPECT_EQ(run.exitCode, 0) << run.err;

    // Subsections and the site store are apart.
    EXPECT_EQ(settings({"--subsection", "CustomSites", "set", "Colour", "site"}).exitCode, 0);
    EXPECT_EQ(settings({"--site", "get", "Colour"}).exitCode, 1);
    run = settings({"list"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out.substr(0, run.out.find('\t', 7)), "Colour\tgreen");
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1);

    EXPECT_EQ(settings({"delete", "colour"}).exitCode, 0);
    EXPECT_EQ(settings({"get", "Colour"}).exitCode, 1);
    EXPECT_EQ(settings({"delete", "colour"}).exitCode, 0) << "a missing setting counts as deleted";
    EXPECT_EQ(settings({"--subsection", "CustomSites", "get", "Colour"}).out, "site\n");
}

TEST_F(SettingsEndToEnd, TheSettingsCommandRefusesWrongUsage)
{
    for (const std::vector<std::string>& words :
         std::vector<std::vector<std::string>>{{},
                                               {"fetch", "x"},
                                               {"get"},
                                               {"set", "x"},
                                               {"get", "x", "--effective", "Mon, 20 Nov 2023 10:00:00 +0000"},
                                               {"set", "x", "y", "--effective", "yesterday"},
                                               {"--colour", "list"},
                                               {"list", "--subsection"}}) {
        ProgramRun run = settings(words);
        EXPECT_EQ(run.exitCode, 2) << words.size();
        EXPECT_EQ(run.err.substr(0, 16), "guard-settings: ");
        EXPECT_NE(run.err.find("usage: guard-settings"), std::string::npos);
    }
    ::setenv("GUARD_SETTINGS_DB", (temp / "no folder/deeper/settings.db").c_str(), 1);
    ProgramRun run = settings({"set", "x", "y"});
    EXPECT_EQ(run.exitCode, 4);
    EXPECT_NE(run.err.find("cannot write the settings database"), std::string::npos) << run.err;
}

} // namespace guard
