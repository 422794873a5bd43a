// Fuzzes the reading of a list file in the window: the encoding detected,
// the first line judged a CSV header or not, the coordinate columns proposed
// from the first rows, and the text written back in the detected encoding.
// Input layout: byte 0 picks the task (bits 0-2); the rest is the file.
// Invariants: no crash; a proposal names distinct columns of the header, at
// most as many as the input mask has fields; UTF-8 text saved in any
// encoding but Windows-1252 reads back as the same text.
#include "fuzz_invariants.h"
#include "lists/charset.h"
#include "lists/file_encoding.h"
#include "lists/list_file.h"
#include "lists/records.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

namespace {

using namespace lw::lists;

const std::array<TaskNames, 8> kTasks = {{
    {"grs80", "dez", "grs80", "utm", false, {}, {}},
    {"bessel", "gk", "grs80", "utm", false, {}, {}},
    {"grs80", "utm", "grs80", "dez", false, {}, {}},
    {"grs80", "utmmil", "grs80", "utmref", false, {}, {}},
    {"grs80", "gms", "bessel", "gk", false, {}, {}},
    {"grs80", "utmamt", "grs80", "utmamt", false, {}, {}},
    {"hayford", "gm", "hayford", "dez", false, {}, {}},
    {"grs80", "utmref", "hayford", "gms", false, {}, {}},
}};

std::string readBack(const std::string& bytes) {
    std::string text;
    RecordReader reader(false, [&](std::string_view record, std::string_view end, std::size_t) {
        text += record;
        text += end;
        return true;
    });
    reader.feed(bytes);
    reader.finish();
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    const FileEncoding encoding = detectEncoding(bytes);
    if (notTextReason(bytes, encoding))
        return 0;
    Engine engine(kTasks[data[0] & 7], ".", false);
    if (const std::optional<CsvTable> table = csvTableOf(bytes, encoding, engine)) {
        const std::vector<std::size_t> proposal = proposeColumns(*table, engine);
        lw::fuzz::require(proposal.size() <= engine.inputParts(), "too many columns", bytes);
        for (std::size_t i = 0; i < proposal.size(); ++i) {
            lw::fuzz::require(proposal[i] < table->columns.size(), "no such column", bytes);
            lw::fuzz::require(std::count(proposal.begin(), proposal.end(), proposal[i]) == 1,
                              "a column twice", bytes);
        }
    }
    // A text as the list gives it: UTF-8, a mark at its start being text.
    if (isValidUtf8(bytes) && !bytes.starts_with("\xEF\xBB\xBF"))
        for (FileEncoding e : {FileEncoding::Utf8WithMark, FileEncoding::Utf16LittleEndian,
                               FileEncoding::Utf16BigEndian})
            lw::fuzz::require(readBack(encodeText(bytes, e)) == readBack(bytes),
                              "saved text reads back otherwise", bytes);
    return 0;
}
