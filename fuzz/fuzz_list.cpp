// Fuzzes the list reader of lagewandler-liste: arbitrary file bytes taken
// apart into records (byte-order marks, UTF-16, CSV quotes across lines) and
// each record converted as a list line or a CSV row.
// Input layout: byte 0 picks the task (bits 0-2), CSV (bit 3), --kennung
// (bit 4, plain lines only), Windows-1252 (bit 5) and how the bytes arrive
// (bits 6-7: in pieces of 1, 7 or 64 bytes, or at once); the rest is the file.
// Invariants: no crash; one output record per input record (the output read
// again gives as many); no raw control bytes on the output.
#include "fuzz_invariants.h"
#include "lists/list.h"
#include "lists/records.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

namespace {

using namespace lw::lists;

struct Task {
    const char *from, *fromNotation, *to, *toNotation;
};
constexpr std::array<Task, 8> kTasks = {{
    {"grs80", "dez", "grs80", "utm"},
    {"bessel", "gk", "grs80", "utm"},
    {"grs80", "utm", "grs80", "dez"},
    {"grs80", "utmmil", "grs80", "utmref"},
    {"grs80", "gms", "bessel", "gk"},
    {"grs80", "utmamt", "grs80", "utmamt"},
    {"hayford", "gm", "hayford", "dez"},
    {"grs80", "utmref", "hayford", "gms"},
}};
constexpr std::array<std::size_t, 4> kPieces = {1, 7, 64, 0};

Options optionsOf(std::uint8_t choice) {
    const Task& task = kTasks[choice & 7];
    Options options;
    options.task = {task.from, task.fromNotation, task.to, task.toNotation, false, {}, {}};
    options.csv = (choice & 8) != 0;
    if (options.csv)
        options.columns = {"A", "B"};
    options.identifierFirst = !options.csv && (choice & 16) != 0;
    options.charset = (choice & 32) != 0 ? Charset::Cp1252 : Charset::Utf8;
    return options;
}

// Line ends only where a record ends; in CSV, line breaks inside quoted cells.
void requireNoRawControlBytes(const std::string& record, bool csv) {
    for (char c : record) {
        const auto byte = static_cast<unsigned char>(c);
        const bool control = (byte < 0x20 && c != '\t') || byte == 0x7F;
        const bool lineBreakInCell = csv && (c == '\r' || c == '\n');
        lw::fuzz::require(!control || lineBreakInCell, "raw control byte on output", record);
    }
}

// The records of the output read again. A blank line goes first: Windows-1252
// output may well begin with the bytes of a byte-order mark ("ÿþ"), which
// only the start of a file makes one.
std::size_t recordsIn(const std::string& text, bool csv) {
    std::size_t count = 0;
    RecordReader reader(csv, [&](std::string_view, std::string_view, std::size_t) {
        ++count;
        return true;
    });
    reader.feed("\n");
    reader.feed(text);
    reader.finish();
    return count - 1;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1)
        return 0;
    const std::uint8_t choice = data[0];
    Options options = optionsOf(choice);
    const std::string_view file(reinterpret_cast<const char*>(data + 1), size - 1);
    // A byte-order mark decides the character set, as the program does.
    if (file.starts_with("\xEF\xBB\xBF") || file.starts_with("\xFF\xFE") ||
        file.starts_with("\xFE\xFF"))
        options.charset = Charset::Utf8;

    ListConverter list(options, ".");
    std::string output, out;
    std::size_t records = 0;
    bool stopped = false;
    RecordReader reader(options.csv,
                        [&](std::string_view record, std::string_view end, std::size_t) {
                            list.convertLine(record, out);
                            if (list.usageError) {
                                stopped = true;
                                return false;
                            }
                            requireNoRawControlBytes(out, options.csv);
                            ++records;
                            output += out;
                            output += end.empty() ? std::string_view("\n") : end;
                            return true;
                        });
    const std::size_t piece = kPieces[choice >> 6];
    for (std::size_t at = 0; at < file.size() && !stopped;) {
        const std::size_t length = piece == 0 ? file.size() : std::min(piece, file.size() - at);
        stopped = !reader.feed(file.substr(at, length));
        at += length;
    }
    if (!stopped)
        reader.finish();
    if (!stopped)
        lw::fuzz::require(recordsIn(output, options.csv) == records,
                          "output records differ from input records", output);
    return 0;
}
