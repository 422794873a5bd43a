// Fuzzes the reader of pasted coordinates with arbitrary clipboard texts.
// Input layout: byte 0 picks the input notation (1..7); the rest is the text.
#include "conversion/pasted_coordinate.h"
#include "fuzz_invariants.h"

#include <algorithm>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace lw;
    if (size == 0)
        return 0;
    const int notation = 1 + data[0] % 7;
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    const auto pasted = recognisePastedCoordinate(notation, text);
    if (!pasted)
        return 0;
    // A recognised text fills the first field of its mask, and no field or
    // option more than once; every part comes out of the text itself.
    fuzz::require(!pasted->fields.empty(), "recognised without fields", text);
    fuzz::require(takesWholeCoordinate(pasted->fields.front().first), "first field of no mask",
                  text);
    for (std::size_t i = 0; i < pasted->fields.size(); ++i) {
        const auto& [field, part] = pasted->fields[i];
        fuzz::require(part.size() <= text.size(), "part longer than the text", text);
        fuzz::require(!fuzz::looksGarbled(part) || fuzz::looksGarbled(text), "part garbled", part);
        for (std::size_t j = i + 1; j < pasted->fields.size(); ++j)
            fuzz::require(pasted->fields[j].first != field, "field filled twice", text);
    }
    auto options = pasted->options;
    std::sort(options.begin(), options.end());
    fuzz::require(std::adjacent_find(options.begin(), options.end()) == options.end(),
                  "option chosen twice", text);
    return 0;
}
