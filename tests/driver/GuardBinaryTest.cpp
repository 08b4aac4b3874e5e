#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "support/GuardBinary.h"
#include "support/ProgramRun.h"
#include "support/TempDirectory.h"

namespace guard {

namespace {

std::string usageText(const std::string& program)
{
    return "usage: " + program +
        " <sourceFile> <destFile> [EvalXML | [QnA] [Types] [Times]] \n"
        "       EvalXML = input/output Corvale compliance XML, exit code = 0 if all True\n"
        "       QnA = input and output in Q: and A: format\n"
        "       Types = output expression types\n"
        "       Times = output evaluation time in microseconds\n";
}

class GuardBinary : public testing::Test {
protected:
    void SetUp() override { binary = guardBinary(); }

    ProgramRun run(const std::vector<std::string>& words)
    {
        std::vector<std::string> arguments{binary};
        arguments.insert(arguments.end(), words.begin(), words.end());
        ProgramRun result = runProgram(arguments);
        EXPECT_EQ(result.out, "") << "nothing may appear on standard output";
        return result;
    }

    std::string binary;
    TempDirectory temp;
};

} // namespace

TEST_F(GuardBinary, WrongArgumentCountPrintsUsage)
{
    const std::vector<std::vector<std::string>> wrongCounts = {
        {},
        {"a"},
        {"a", "b", "EvalXML", "QnA", "Types", "Times", "x"},
    };
    for (const auto& words : wrongCounts) {
        ProgramRun result = run(words);
        EXPECT_EQ(result.exitCode, 255) << words.size();
        EXPECT_EQ(result.err, usageText(binary)) << words.size();
    }
}

TEST_F(GuardBinary, OptionWordsAreWholeWordsInAnyLetterCase)
{
    std::string source = temp.Write("in.txt", "first line\nsecond\r\n");
    // Read as a compliance document, the plain text has no root element.
    const std::string compliance = "Unhandled exception\n";
    struct Case {
        std::vector<std::string> words;
        bool selectsCompliance;
    } cases[] = {
        {{}, false},
        {{"EvalXML"}, true},
        {{"evalxml"}, true},
        {{"EVALXML"}, true},
        {{"Times", "EvalXml", "Types"}, true},
        {{"EvalXML2"}, false},
        {{"Eval"}, false},
        {{"QnA", "Times", "Types", "anything"}, false},
        {{"TIMES", "types", "Types", "x"}, false},
    };
    for (const Case& c : cases) {
        std::vector<std::string> words{source, temp / "out.txt"};
        words.insert(words.end(), c.words.begin(), c.words.end());
        ProgramRun result = run(words);
        std::string label = testing::PrintToString(c.words);
        if (c.selectsCompliance) {
            EXPECT_EQ(result.exitCode, 251) << label;
            EXPECT_EQ(result.err, compliance) << label;
        } else {
            EXPECT_EQ(result.exitCode, 0) << label;
            EXPECT_EQ(result.err, "") << label;
            EXPECT_EQ(TempDirectory::Read(temp / "out.txt"), "first line\r\nsecond\r\n") << label;
        }
    }
}

TEST_F(GuardBinary, MissingSourceLeavesAnEmptyDestination)
{
    std::string destination = temp.Write("out.txt", "stale content that must go");
    ProgramRun result = run({temp / "absent.txt", destination});
    EXPECT_EQ(result.exitCode, 253);
    EXPECT_EQ(result.err, "evaluate failure\n");
    struct stat status;
    ASSERT_EQ(::stat(destination.c_str(), &status), 0);
    EXPECT_EQ(status.st_size, 0);
}

TEST_F(GuardBinary, UnusableDestinationIsAnEvaluateFailure)
{
    std::string source = temp.Write("in.txt", "line\n");
    for (const std::string& destination : {temp / "absent/out.txt", temp.Path(), std::string("/dev/null")}) {
        ProgramRun result = run({source, destination});
        EXPECT_EQ(result.exitCode, 253) << destination;
        EXPECT_EQ(result.err, "evaluate failure\n") << destination;
    }
}

// The destination is created (and emptied) first; the source is then the
// file held open for writing, which cannot be opened again.
TEST_F(GuardBinary, SourceThatIsTheDestinationIsAnEvaluateFailure)
{
    std::string both = temp.Write("both.txt", "Q: 1\n");
    ProgramRun result = run({both, both});
    EXPECT_EQ(result.exitCode, 253);
    EXPECT_EQ(result.err, "evaluate failure\n");
}

TEST_F(GuardBinary, AnAnswerFileAskedAgainGivesTheSameAnswers)
{
    std::string source = temp.Write("in.txt",
                                    "A comment: kept\nQ: 1 +\n  2\nQ: (1;2) whose (it > 1)\n"
                                    "Q: \"a\" & \"%25\"\nQ: 1/0\nQ: 1 +\nI: dropped\n\nplain line\n");
    ProgramRun first = run({source, temp / "answers.txt", "Types"});
    ASSERT_EQ(first.exitCode, 0);
    std::string answers = TempDirectory::Read(temp / "answers.txt");
    EXPECT_NE(answers.find("A: a%25\r\n"), std::string::npos) << answers;
    ProgramRun second = run({temp / "answers.txt", temp / "again.txt", "Types"});
    ASSERT_EQ(second.exitCode, 0);
    EXPECT_EQ(TempDirectory::Read(temp / "again.txt"), answers);
}

TEST_F(GuardBinary, ComplianceFileErrorsEndTheRunWithoutAResponse)
{
    std::string document = temp.Write("in.xml",
                                      "<ArdoClientComplianceDocument><ComplianceItem>"
                                      "<Expression>true</Expression></ComplianceItem>"
                                      "</ArdoClientComplianceDocument>");
    struct Case {
        std::string source, destination, error;
    } cases[] = {
        {temp / "absent.xml", temp / "out1.xml",
         "\nError: File error \"class FileNotFoundError\" on \"" + temp / "absent.xml" +
             "\": No such file or directory\n"},
        // Every item is evaluated before the destination is made.
        {document, temp / "absent/out2.xml",
         "\nError: File error \"class DirectoryNotFoundError\" on \"" + temp / "absent/out2.xml" +
             "\": No such file or directory\n"},
    };
    for (const Case& c : cases) {
        ProgramRun result = run({c.source, c.destination, "EvalXML"});
        EXPECT_EQ(result.exitCode, 251) << c.source;
        EXPECT_EQ(result.err, c.error) << c.source;
        struct stat status;
        EXPECT_NE(::stat(c.destination.c_str(), &status), 0) << c.destination;
    }
}

TEST_F(GuardBinary, RejectedComplianceDocumentKeepsTheOldResponse)
{
    std::string destination = temp.Write("out.xml", "earlier response");
    std::string source = temp.Write("in.xml", "<ArdoClientComplianceDocument><ComplianceItem>");
    ProgramRun result = run({source, destination, "EvalXML"});
    EXPECT_EQ(result.exitCode, 251);
    EXPECT_EQ(result.err, "Unhandled exception\n");
    EXPECT_EQ(TempDirectory::Read(destination), "earlier response");
}

TEST_F(GuardBinary, ComplianceResponseReplacesAnOlderOneWhateverTheOtherWords)
{
    std::string source = temp.Write("in.xml", "<ArdoClientComplianceDocument></ArdoClientComplianceDocument>");
    const std::string response = "<?xml version=\"1.0\"?>\r\n"
                                 "<ArdoClientComplianceResponse Version=\"1.0\"></ArdoClientComplianceResponse>";
    for (const std::vector<std::string>& words :
         {std::vector<std::string>{"EvalXML"}, {"Times", "evalxml", "Types", "QnA"}}) {
        std::string destination = temp.Write("out.xml", std::string(500, 'z'));
        std::vector<std::string> arguments{source, destination};
        arguments.insert(arguments.end(), words.begin(), words.end());
        ProgramRun result = run(arguments);
        std::string label = testing::PrintToString(words);
        EXPECT_EQ(result.exitCode, 0) << label;
        EXPECT_EQ(result.err, "All results were 'True'\n") << label;
        EXPECT_EQ(TempDirectory::Read(destination), response) << label;
    }
}

} // namespace guard
