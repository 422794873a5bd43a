#include "validation/refusal.h"

#include "geodesy/grid_letters.h"
#include "geodesy/utm.h"
#include "text/numtext.h"
#include "text/utf8.h"
#include "validation/sound.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace lw::refusal {
namespace {} // namespace

Refusal::Refusal(std::initializer_list<Step> sequence, std::string text, Element field)
    : stepCount(std::min(sequence.size(), kMaxSteps)), message(std::move(text)), focus(field) {
    std::copy_n(sequence.begin(), stepCount, steps.begin());
}

void refuse(CalcScreen& screen, std::initializer_list<Step> steps, const std::string& message,
            Element focus) {
    carryOut(screen, Refusal(steps, message, focus));
}

void carryOut(CalcScreen& screen, const Refusal& refusal) {
    const std::string& message = refusal.message;
    const Element focus = refusal.focus;
    for (std::size_t i = 0; i < refusal.stepCount; ++i) {
        const Step step = refusal.steps[i];
        switch (step) {
        case Step::Sound:
            FehlerTon(screen, kCriticalStopSound);
            break;
        case Step::Reset:
            screen.AusgabeReset();
            break;
        case Step::Message:
            screen.showMessage(MessageIcon::Critical, message);
            break;
        case Step::Focus:
            // The faulty text is selected, so that typing replaces it. The
            // field's own focus handler cannot be relied on for that: the
            // field may hold the focus already, or get it back only when the
            // message box closes.
            screen.setFocus(focus);
            screen.selectAll(focus);
            break;
        }
    }
}

void refuseCritical(CalcScreen& screen, const std::string& message) {
    refuse(screen, {Step::Sound, Step::Reset, Step::Message}, message);
}

std::string missingValueMessage(std::string_view what) {
    return "Der " + std::string(what) + " fehlt.";
}

bool charInSet(std::string_view ch, std::string_view set) {
    if (ch.empty())
        return true;
    return ch.size() == 1 && set.find(ch.front()) != std::string_view::npos;
}

bool allCharsIn(std::string_view text, std::string_view set) {
    // Every byte of a multi-byte character is outside the ASCII sets, so a
    // byte-wise walk gives the same verdict as a character-wise one.
    // (Four words of bits: a check runs this for every field of every point.)
    std::array<std::uint64_t, 4> inSet{};
    for (char c : set) {
        const auto byte = static_cast<unsigned char>(c);
        inSet[byte >> 6] |= std::uint64_t{1} << (byte & 63);
    }
    return std::all_of(text.begin(), text.end(), [&inSet](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return (inSet[byte >> 6] >> (byte & 63)) & 1;
    });
}

std::optional<std::string> zoneFault(std::string_view zone) {
    if (utf8::charCount(zone) != 3)
        return "Das Zonenfeld muss aus genau 3 Zeichen bestehen!";
    const std::string number = utf8::leftChars(zone, 2);
    if (number == "00")
        return "Es gibt keine Zone 00!";
    if (readNumber(number) > kUtmZoneLast)
        return "Es gibt keine Zone " + number + "!";
    if (!charInSet(utf8::nthChar(zone, 1), kZoneFirstChars))
        return std::string(kZoneFirstCharMessage);
    if (!charInSet(utf8::nthChar(zone, 2), kDigits))
        return std::string(kZoneSecondCharMessage);
    if (!charInSet(utf8::lastChar(zone), kBandLetters))
        return std::string(kBandLetterMessage);
    return std::nullopt;
}

std::optional<std::string> squareFault(std::string_view square, std::string_view lengthMessage) {
    if (utf8::charCount(square) != 2)
        return std::string(lengthMessage);
    if (!charInSet(utf8::nthChar(square, 1), kSquareColumnLetters))
        return "Die 1. Stelle im 100km Quadrat muss einer der Buchstaben\r\n\r\n"
               "A B C D E F G H J K L M N P Q R S T U V W X Y Z\r\n\r\nsein.";
    if (!charInSet(utf8::lastChar(square), kSquareRowLetters))
        return "Die 2. Stelle im 100km Quadrat muss einer der Buchstaben\r\n\r\n"
               "A B C D E F G H J K L M N P Q R S T U V\r\n\r\nsein.";
    return std::nullopt;
}

} // namespace lw::refusal
