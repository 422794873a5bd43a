// Fuzzes the text-number rules and the angle texts with arbitrary texts.
#include "fuzz_invariants.h"
#include "procedures/angletext.h"
#include "text/numeric_fault.h"
#include "text/numtext.h"

#include <cmath>
#include <cstdint>
#include <string>

namespace {

struct NullMessages : lw::MessageSink {
    int shown = 0;
    void showMessage(lw::MessageIcon, const std::string&) override { ++shown; }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace lw;
    std::string text(reinterpret_cast<const char*>(data), size);

    double v = readNumber(text);
    fuzz::require(!std::isnan(v), "reader gives NaN", text);
    if (std::isfinite(v)) {
        // The plain text reads back to 15 significant digits; only within
        // half a unit of the 15th digit of the largest double does it round
        // beyond that and read back as infinity.
        double back = readNumber(plainText(v));
        const bool roundsBeyondLargest = std::fabs(v) >= 1.797693134862315e308;
        fuzz::require(std::fabs(back - v) <= std::fabs(v) * 1e-14 || roundsBeyondLargest,
                      "plain text round trip", text);
        for (int n : {0, 2, 6}) {
            std::string z = ZahlFormat(text, n);
            fuzz::require(!z.empty() && z.back() != '.', "ZahlFormat ends in a point", text);
            fuzz::require(!fuzz::looksGarbled(z), "ZahlFormat garbled", z);
        }
        (void)Runden(v, 2);
        (void)roundHalfEven(v, 6);
    } else {
        try {
            (void)ZahlFormat(text, 6);
            fuzz::fail("ZahlFormat of a non-finite value did not fault", text);
        } catch (const NumericFault&) {
        }
    }
    (void)readNumberSingle(text);

    // The angle texts either write a well-formed result or show one message.
    NullMessages messages;
    std::string t = text, d, m, s;
    DezimalNachGMS(t, d, m, s, messages);
    // The seconds are a full-precision intermediate (it may be in exponent
    // form); what the user sees is their two-decimal form.
    if (messages.shown == 0 && std::fabs(readNumber(t)) < 1e15)
        fuzz::require(!fuzz::looksGarbled(d + m + ZahlFormat(s, 2)), "DezimalNachGMS garbled",
                      d + "|" + m + "|" + s);
    t = text;
    DezimalNachGM(t, d, m, messages);
    std::string deg = text, min = text;
    GMnachDezimal(deg, min, messages);
    return 0;
}
