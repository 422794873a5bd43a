// lagewandler-liste: converts a list of points, one a line, as the
// calculation screen converts one. Streams: one line in memory at a time.
#include "cli/engine.h"
#include "cli/list.h"
#include "cli/options.h"

#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr const char* kProgram = "lagewandler-liste";
constexpr int kAllConverted = 0, kSomeFailed = 1, kUsageError = 2;
constexpr std::size_t kChunk = 1 << 16;

int usageError(const std::string& what) {
    std::fprintf(stderr, "%s: %s\n", kProgram, what.c_str());
    return kUsageError;
}

// The decimal separator the user's locale writes (as the screen's Gauß-Krüger
// output does); the program itself keeps the "C" locale for its numbers.
std::string localeDecimalSeparator() {
    std::string separator = ".";
    if (std::setlocale(LC_NUMERIC, "")) {
        const char* point = std::localeconv()->decimal_point;
        if (point && *point)
            separator = point;
        std::setlocale(LC_NUMERIC, "C");
    }
    return separator;
}

// "12345 Zeilen" on a terminal's standard error, for runs over a second.
class Progress {
public:
    Progress() : shown_(isatty(STDERR_FILENO) == 1), start_(Clock::now()), next_(start_) {
        next_ += std::chrono::seconds(1);
    }
    void update(std::size_t lines) {
        if (!shown_ || (lines & 0x3FF) != 0)
            return;
        const Clock::time_point now = Clock::now();
        if (now < next_)
            return;
        next_ = now + std::chrono::milliseconds(250);
        std::fprintf(stderr, "\r%zu Zeilen", lines);
        visible_ = true;
    }
    void clear() {
        if (visible_)
            std::fputs("\r\033[K", stderr);
        visible_ = false;
    }

private:
    bool shown_;
    bool visible_ = false;
    Clock::time_point start_, next_;
};

class Output {
public:
    void append(const std::string& text, std::string_view end) {
        buffer_ += text;
        buffer_ += end;
        if (buffer_.size() >= kChunk)
            flush();
    }
    void flush() {
        if (!buffer_.empty() &&
            std::fwrite(buffer_.data(), 1, buffer_.size(), stdout) != buffer_.size())
            failed_ = true;
        buffer_.clear();
    }
    bool finish() {
        flush();
        return !failed_ && std::fflush(stdout) == 0;
    }

private:
    std::string buffer_;
    bool failed_ = false;
};

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const lw::cli::ParsedOptions parsed = lw::cli::parseOptions(args);
    if (!parsed.options)
        return usageError(parsed.error);
    const lw::cli::Options& options = *parsed.options;
    if (options.help) {
        std::fputs(lw::cli::helpText().c_str(), stdout);
        return kAllConverted;
    }
    if (const auto fault = lw::cli::checkTask(options.task))
        return usageError(*fault);

    std::FILE* in = stdin;
    const bool fromFile = !options.inputFile.empty() && options.inputFile != "-";
    if (fromFile && !(in = std::fopen(options.inputFile.c_str(), "rb")))
        return usageError(options.inputFile + ": " + std::strerror(errno));

    lw::cli::ListConverter list(options, localeDecimalSeparator());
    Output output;
    Progress progress;
    std::vector<char> chunk(kChunk);
    std::string carry, out;
    std::size_t lineNumber = 0;
    bool anyFailed = false;

    // One line with its end ("\n", "\r\n" or none at the end of the input).
    auto convert = [&](std::string_view line, std::string_view end) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
            end = "\r\n";
        }
        const bool converted = list.convertLine(line, out);
        if (list.usageError)
            return false;
        if (!converted) {
            anyFailed = true;
            progress.clear();
            std::fprintf(stderr, "Zeile %zu: %s\n", lineNumber, out.c_str());
        }
        output.append(out, end);
        progress.update(lineNumber);
        return true;
    };

    bool usage = false;
    while (!usage) {
        const std::size_t got = std::fread(chunk.data(), 1, chunk.size(), in);
        if (got == 0)
            break;
        std::string_view data(chunk.data(), got);
        while (!usage) {
            const std::size_t newline = data.find('\n');
            if (newline == std::string_view::npos) {
                carry.append(data);
                break;
            }
            if (carry.empty()) {
                usage = !convert(data.substr(0, newline), "\n");
            } else {
                carry.append(data.substr(0, newline));
                usage = !convert(carry, "\n");
                carry.clear();
            }
            data.remove_prefix(newline + 1);
        }
    }
    if (!usage && !carry.empty())
        usage = !convert(carry, "");
    progress.clear();
    const bool readFailed = std::ferror(in) != 0;
    if (fromFile)
        std::fclose(in);
    if (usage) {
        output.finish();
        return usageError("Zeile " + std::to_string(lineNumber) + ": " + *list.usageError);
    }
    if (readFailed)
        return usageError((fromFile ? options.inputFile : std::string("Standardeingabe")) +
                          ": Lesefehler");
    if (!output.finish())
        return usageError("Standardausgabe: Schreibfehler");
    return anyFailed ? kSomeFailed : kAllConverted;
}
