#include "settings-tool/SettingsCommand.h"

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/SubsectionStore.h"
#include "platform/TimeText.h"
#include "platform/posix/SqliteSettingStore.h"

namespace guard {

namespace {

constexpr int kDone = 0;
constexpr int kNotFound = 1;
constexpr int kUsage = 2;
constexpr int kSuperseded = 3;
constexpr int kStoreFailure = 4;

constexpr const char* kUsageText =
    "usage: guard-settings [--site] [--subsection NAME] COMMAND\n"
    "  list                               every setting: name, value, effective date\n"
    "  get NAME                           the setting's value\n"
    "  set NAME VALUE [--effective TIME]  write the value, in effect from TIME (default: now)\n"
    "  delete NAME                        remove the setting\n"
    "The client settings' subsection \"Client\" unless --subsection names another;\n"
    "--site chooses the site store. TIME is written like \"Sat, 21 Feb 2009 12:34:56 -0500\".\n"
    "The database is $GUARD_SETTINGS_DB, else /var/lib/guard/settings.db.\n";

int usage(const char* problem)
{
    std::fprintf(stderr, "guard-settings: %s\n%s", problem, kUsageText);
    return kUsage;
}

void writeBytes(FILE* stream, std::string_view bytes) { std::fwrite(bytes.data(), 1, bytes.size(), stream); }

std::string effectiveText(std::int64_t date)
{
    if (date == kNoEffectiveDate)
        return "-";
    return formatTimeText(date, Platform::localZoneOffset(date));
}

struct Invocation {
    bool site = false;
    std::string subsection = "Client";
    std::optional<std::string> effective;
    std::vector<std::string_view> words;
};

// Options may come anywhere; "--" ends them.
std::optional<Invocation> parse(int argc, char** argv, const char*& problem)
{
    Invocation invocation;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        std::string_view word = argv[i];
        if (!optionsEnded && word == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && word == "--site") {
            invocation.site = true;
        } else if (!optionsEnded && (word == "--subsection" || word == "--effective")) {
            if (i + 1 == argc) {
                problem = "an option lacks its value";
                return std::nullopt;
            }
            (word == "--subsection" ? invocation.subsection : invocation.effective.emplace()) = argv[++i];
        } else if (!optionsEnded && word.size() > 1 && word[0] == '-' && word != "-") {
            problem = "unknown option";
            return std::nullopt;
        } else {
            invocation.words.push_back(word);
        }
    }
    return invocation;
}

} // namespace

int settingsCommand(int argc, char** argv)
{
    const char* problem = "no command";
    std::optional<Invocation> invocation = parse(argc, argv, problem);
    if (!invocation)
        return usage(problem);
    const std::vector<std::string_view>& words = invocation->words;
    if (words.empty())
        return usage("no command");
    std::string_view command = words[0];
    std::size_t wanted = command == "list" ? 1 : command == "set" ? 3 : 2;
    if (command != "list" && command != "get" && command != "set" && command != "delete")
        return usage("unknown command");
    if (words.size() != wanted)
        return usage("wrong number of arguments");
    if (invocation->effective && command != "set")
        return usage("--effective goes with set only");

    std::string path = Platform::settingsDatabasePath();
    Platform::SqliteSettingStore store(path, invocation->site ? "site" : "client");
    SubsectionStore subsection(store, invocation->subsection);

    if (command == "list") {
        bool read = store.list(invocation->subsection, [](const StoredSetting& setting) {
            writeBytes(stdout, setting.name);
            std::fputc('\t', stdout);
            writeBytes(stdout, setting.text);
            std::fprintf(stdout, "\t%s\n", effectiveText(setting.effectiveDate).c_str());
        });
        if (!read) {
            std::fprintf(stderr, "guard-settings: cannot read the settings database %s\n", path.c_str());
            return kStoreFailure;
        }
        return kDone;
    }
    std::string name(words[1]);
    if (command == "get") {
        std::optional<std::string> text = subsection.getText(name);
        if (!text) {
            std::fprintf(stderr, "guard-settings: no setting %s in %s\n", name.c_str(), invocation->subsection.c_str());
            return kNotFound;
        }
        writeBytes(stdout, *text);
        std::fputc('\n', stdout);
        return kDone;
    }
    if (command == "delete") {
        if (!subsection.deleteSetting(name)) {
            std::fprintf(stderr, "guard-settings: cannot delete %s from the settings database %s\n", name.c_str(),
                         path.c_str());
            return kStoreFailure;
        }
        return kDone;
    }
    std::int64_t date = Platform::currentTime();
    if (invocation->effective) {
        std::optional<std::int64_t> parsed = parseTimeText(*invocation->effective);
        if (!parsed)
            return usage("--effective: not a time like \"Sat, 21 Feb 2009 12:34:56 -0500\"");
        date = *parsed;
    }
    bool superseded = false;
    if (subsection.setText(name, words[2], date, superseded))
        return kDone;
    if (superseded) {
        std::optional<StoredSetting> stored = store.getSetting(invocation->subsection, name);
        std::fprintf(stderr, "guard-settings: not written: %s is in effect from %s, later than %s\n", name.c_str(),
                     stored ? effectiveText(stored->effectiveDate).c_str() : "a later date",
                     effectiveText(date).c_str());
        return kSuperseded;
    }
    std::fprintf(stderr, "guard-settings: cannot write the settings database %s\n", path.c_str());
    return kStoreFailure;
}

} // namespace guard
