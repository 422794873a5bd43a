// lagewandler-liste: converts a list of points, one a line, as the
// calculation screen converts one. Streams: two sets of line batches in memory at a time.
#include "lists/charset.h"
#include "lists/engine.h"
#include "lists/input_file.h"
#include "lists/list.h"
#include "lists/options.h"
#include "lists/records.h"

#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using lw::lists::escapeControlBytes;
using lw::lists::openInput;

constexpr const char* kProgram = "lagewandler-liste";
constexpr int kAllConverted = 0, kSomeFailed = 1, kUsageError = 2;
constexpr std::size_t kChunk = 1 << 16;
// Lines a worker converts at a time: large enough that starting the workers
// costs nothing, small enough that memory stays flat.
constexpr std::size_t kBatchLines = 4096;

// Written whole: a message may quote bytes of the input.
void writeError(std::string text) {
    escapeControlBytes(text, "\n");
    std::fwrite(text.data(), 1, text.size(), stderr);
}

int usageError(const std::string& what) {
    writeError(std::string(kProgram) + ": " + what + "\n");
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
        if (buffer_.empty() && text.size() >= kChunk) {
            write(text);
            write(end);
            return;
        }
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
    void write(std::string_view text) {
        if (!text.empty() && std::fwrite(text.data(), 1, text.size(), stdout) != text.size())
            failed_ = true;
    }
    std::string buffer_;
    bool failed_ = false;
};

} // namespace

// Lines in order, converted together. Its texts live in one buffer, so that
// a batch costs a few allocations however many lines it holds.
struct Batch {
    struct Line {
        std::size_t offset, length; // in data
        std::string_view end;       // "\n", "\r\n", "\r" or ""
        std::size_t number;         // the record's first line in the input
    };
    std::string data;
    std::vector<Line> lines;
    std::string output, errors;
    bool anyFailed = false;

    void clear() {
        data.clear();
        lines.clear();
        output.clear();
        errors.clear();
        anyFailed = false;
    }
    void add(std::string_view line, std::string_view end, std::size_t number) {
        lines.push_back({data.size(), line.size(), end, number});
        data.append(line);
    }
};

void convertBatch(lw::lists::ListConverter& list, Batch& batch) {
    std::string out, error;
    for (const Batch::Line& line : batch.lines) {
        if (!list.convertLine(std::string_view(batch.data).substr(line.offset, line.length), out)) {
            batch.anyFailed = true;
            // A CSV record may hold a line break in a quoted cell; the
            // message stays one line.
            error = out;
            escapeControlBytes(error);
            batch.errors += "Zeile " + std::to_string(line.number) + ": " + error + "\n";
        }
        batch.output += out;
        batch.output += line.end;
    }
}

// How many lists convert side by side: one a core, at most four, or as many
// as LW_LISTE_WORKERS says (1 to 64; tests set it to run several on any
// machine). The official transformation runs in one, since its module holds
// one PROJ context.
std::size_t workerCount(const lw::lists::Options& options) {
    if (options.task.official)
        return 1;
    if (const char* chosen = std::getenv("LW_LISTE_WORKERS")) {
        const int workers = std::atoi(chosen);
        if (workers >= 1 && workers <= 64)
            return static_cast<std::size_t>(workers);
    }
    const unsigned cores = std::thread::hardware_concurrency();
    return std::clamp<std::size_t>(cores, 1, 4);
}

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const lw::lists::ParsedOptions parsed = lw::lists::parseOptions(args);
    if (!parsed.options)
        return usageError(parsed.error);
    lw::lists::Options options = *parsed.options;
    if (options.help || options.version) {
        std::fputs((options.help ? lw::lists::helpText() : lw::lists::versionText()).c_str(),
                   stdout);
        return kAllConverted;
    }
    if (const auto fault = lw::lists::checkTask(options.task))
        return usageError(*fault);

    std::FILE* in = stdin;
    const bool fromFile = !options.inputFile.empty() && options.inputFile != "-";
    std::string openError;
    if (fromFile && !(in = openInput(options.inputFile, openError)))
        return usageError(openError);

    // The first bytes tell a byte-order mark, which decides the character
    // set over --zeichensatz: lines are handed on as UTF-8 then.
    std::vector<char> chunk(kChunk);
    std::size_t got = std::fread(chunk.data(), 1, chunk.size(), in);
    const std::string_view head(chunk.data(), std::min<std::size_t>(got, 3));
    const bool marked = head.starts_with("\xEF\xBB\xBF") || head.starts_with("\xFF\xFE") ||
                        head.starts_with("\xFE\xFF");
    if (marked)
        options.charset = lw::lists::Charset::Utf8;

    // Each worker its own list (its own screen and program state).
    const std::string separator = localeDecimalSeparator();
    std::vector<std::unique_ptr<lw::lists::ListConverter>> lists;
    for (std::size_t i = 0; i < workerCount(options); ++i)
        lists.push_back(std::make_unique<lw::lists::ListConverter>(options, separator));
    // Two sets of batches: the workers convert one while this thread writes
    // the results of the one before and reads the lines of the next.
    std::array<std::vector<Batch>, 2> sets{std::vector<Batch>(lists.size()),
                                           std::vector<Batch>(lists.size())};
    std::size_t reading = 0;      // the set being filled
    std::size_t filled = 0;       // its batches holding lines
    std::size_t inConversion = 0; // batches of the other set the workers convert
    std::vector<std::thread> workers;
    // Until the CSV header has been read, lines go one by one through the
    // first list, and the header then through every other one.
    bool sequential = options.csv;

    Output output;
    Progress progress;
    std::size_t lineNumber = 0;
    bool anyFailed = false;
    // A spreadsheet saving "CSV UTF-8" marks the file so; the output keeps
    // the mark, so that the spreadsheet opens it as UTF-8 again.
    if (options.csv && marked)
        output.append("\xEF\xBB\xBF", "");

    auto write = [&](Batch& batch) {
        if (!batch.errors.empty()) {
            progress.clear();
            std::fwrite(batch.errors.data(), 1, batch.errors.size(), stderr);
        }
        anyFailed = anyFailed || batch.anyFailed;
        output.append(batch.output, "");
        batch.clear();
    };
    // Waits for the set in conversion and writes its results, in order.
    auto finishConversion = [&] {
        for (std::thread& worker : workers)
            worker.join();
        workers.clear();
        std::vector<Batch>& converted = sets[1 - reading];
        for (std::size_t i = 0; i < inConversion; ++i)
            write(converted[i]);
        inConversion = 0;
    };
    // Hands the filled batches to the workers, each its own list, and
    // writes the set before while they convert.
    auto convertFilled = [&] {
        for (std::thread& worker : workers)
            worker.join();
        workers.clear();
        std::vector<Batch>& batches = sets[reading];
        for (std::size_t i = 0; i < filled; ++i)
            workers.emplace_back(convertBatch, std::ref(*lists[i]), std::ref(batches[i]));
        reading = 1 - reading;
        for (std::size_t i = 0; i < inConversion; ++i)
            write(sets[reading][i]);
        inConversion = filled;
        filled = 0;
        progress.update(lineNumber);
    };

    // One line with its end ("\n", "\r\n" or none at the end of the input);
    // false on a usage error (a CSV header without a coordinate column).
    auto take = [&](std::string_view line, std::string_view end, std::size_t number) {
        lineNumber = number;
        if (sequential) {
            Batch& batch = sets[reading][0];
            batch.add(line, end, number);
            convertBatch(*lists[0], batch);
            if (lists[0]->usageError)
                return false;
            if (lists[0]->headerSeen()) {
                std::string ignored;
                for (std::size_t i = 1; i < lists.size(); ++i)
                    lists[i]->convertLine(line, ignored);
                sequential = false;
            }
            write(batch);
            return true;
        }
        Batch& batch = sets[reading][filled];
        batch.add(line, end, number);
        if (batch.lines.size() == kBatchLines && ++filled == lists.size())
            convertFilled();
        return true;
    };

    lw::lists::RecordReader reader(options.csv, take);
    bool usage = false;
    while (got > 0 && !usage) {
        usage = !reader.feed(std::string_view(chunk.data(), got));
        if (!usage)
            got = std::fread(chunk.data(), 1, chunk.size(), in);
    }
    if (!usage)
        usage = !reader.finish();
    if (!usage) {
        if (filled < lists.size() && !sets[reading][filled].lines.empty())
            ++filled;
        if (filled > 0)
            convertFilled();
    }
    finishConversion();
    progress.clear();
    const bool readFailed = std::ferror(in) != 0;
    if (fromFile)
        std::fclose(in);
    if (usage) {
        output.finish();
        return usageError("Zeile " + std::to_string(lineNumber) + ": " + *lists[0]->usageError);
    }
    if (readFailed)
        return usageError(
            lw::lists::readFailedText(fromFile ? options.inputFile : "Standardeingabe"));
    if (!output.finish())
        return usageError("Standardausgabe: Schreibfehler");
    return anyFailed ? kSomeFailed : kAllConverted;
}
