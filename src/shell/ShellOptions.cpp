#include "shell/ShellOptions.h"

#include <charconv>
#include <string_view>

namespace guard {

namespace {

constexpr std::uint64_t kMicrosecondsPerDay = 86400ull * 1000000ull;

bool parseCount(std::string_view text, std::uint64_t& count)
{
    if (text.empty())
        return false;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), count);
    return error == std::errc() && end == text.data() + text.size() && count > 0;
}

} // namespace

bool parseDuration(std::string_view text, std::uint64_t& microseconds)
{
    std::size_t digitsEnd = 0;
    while (digitsEnd < text.size() && ((text[digitsEnd] >= '0' && text[digitsEnd] <= '9') || text[digitsEnd] == '.'))
        ++digitsEnd;
    std::string_view number = text.substr(0, digitsEnd), unit = text.substr(digitsEnd);
    double scale;
    if (unit.empty() || unit == "s")
        scale = 1e6;
    else if (unit == "us")
        scale = 1;
    else if (unit == "ms")
        scale = 1e3;
    else if (unit == "m")
        scale = 60e6;
    else if (unit == "h")
        scale = 3600e6;
    else
        return false;
    double value = 0;
    auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (number.empty() || error != std::errc() || end != number.data() + number.size())
        return false;
    double total = value * scale;
    if (!(total >= 1) || total > double(kMicrosecondsPerDay))
        return false;
    microseconds = std::uint64_t(total);
    return true;
}

ShellOptions parseShellOptions(int argc, char** argv)
{
    ShellOptions options;
    bool onlyFiles = false;
    for (int i = 1; i < argc; ++i) {
        std::string_view word = argv[i];
        if (onlyFiles || word.empty() || word[0] != '-' || word == "-") {
            options.files.emplace_back(word);
            continue;
        }
        if (word == "--") {
            onlyFiles = true;
            continue;
        }
        std::string_view name = word, value;
        bool inlineValue = false;
        if (std::size_t equals = word.find('='); word.starts_with("--") && equals != std::string_view::npos) {
            name = word.substr(0, equals);
            value = word.substr(equals + 1);
            inlineValue = true;
        }
        auto takeValue = [&]() -> bool {
            if (inlineValue)
                return true;
            if (i + 1 >= argc) {
                options.error = "option " + std::string(name) + " needs a value";
                return false;
            }
            value = argv[++i];
            return true;
        };
        auto flag = [&](bool& target) {
            if (inlineValue)
                options.error = "option " + std::string(name) + " takes no value";
            target = true;
        };
        if (name == "-e" || name == "--eval") {
            if (!takeValue())
                return options;
            options.questions.emplace_back(value);
        } else if (name == "--json") {
            flag(options.json);
        } else if (name == "--check") {
            flag(options.check);
        } else if (name == "--explain") {
            flag(options.explain);
        } else if (name == "--types") {
            flag(options.types);
        } else if (name == "--times") {
            flag(options.times);
        } else if (name == "--no-color") {
            flag(options.noColor);
        } else if (name == "-h" || name == "--help") {
            flag(options.help);
        } else if (name == "--version") {
            flag(options.version);
        } else if (name == "--timeout") {
            if (!takeValue())
                return options;
            if (!parseDuration(value, options.timeoutMicroseconds))
                options.error = "--timeout: not a duration: '" + std::string(value) + "' (examples: 2s, 500ms, 1.5m)";
        } else if (name == "--max-answers") {
            if (!takeValue())
                return options;
            if (!parseCount(value, options.maxAnswers))
                options.error = "--max-answers: not a positive whole number: '" + std::string(value) + "'";
        } else {
            options.error = "unknown option " + std::string(word);
        }
        if (!options.error.empty())
            return options;
    }
    if (options.check && options.explain)
        options.error = "--check and --explain cannot be used together";
    else if (options.json && options.explain)
        options.error = "--json and --explain cannot be used together";
    return options;
}

} // namespace guard
