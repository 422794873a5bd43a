#include "validation/field_events.h"

#include "text/numtext.h"
#include "text/utf8.h"
#include "validation/field_rules.h"
#include "validation/key_filters.h"
#include "validation/refusal.h"
#include "validation/zone_limits.h"

#include <string>

namespace lw {
namespace {

using refusal::Step;

constexpr char32_t kComma = U',';
constexpr char32_t kPoint = U'.';

// The sample point "Krummbögle".
constexpr const char* kSampleLatitude = "48.4363326641023";
constexpr const char* kSampleLongitude = "9.96796724981198";

std::string refusalMessage(char32_t code, std::string_view ending) {
    return "Die Eingabe von\r\n" + utf8::encode(code) + "\r\n" + std::string(ending);
}

void moveFocusOnEnter(CalcScreen& screen, const FieldRule& rule) {
    if (rule.enableTargetFirst)
        screen.setEnabled(rule.enterTarget, true);
    screen.setFocus(rule.enterTarget);
}

} // namespace

bool hasKeyHandler(Element field) {
    return fieldRule(field) != nullptr;
}

KeyVerdict filterKey(Element field, char32_t code) {
    const FieldRule* rule = fieldRule(field);
    if (rule == nullptr)
        return {code, {}};
    if (rule->upperCase)
        code = upperCaseKey(code);
    if (!admits(rule->filter, code))
        return {0, refusalMessage(code, rule->messageEnding)};
    if (rule->commaToPoint && code == kComma)
        return {kPoint, {}};
    return {code, {}};
}

char32_t onKeyPress(CalcScreen& screen, ProgramState& /*state*/, Element field, char32_t code) {
    KeyVerdict verdict = filterKey(field, code);
    if (verdict.refused()) {
        refusal::refuse(screen, {Step::Sound, Step::Reset, Step::Message}, verdict.refusal);
        return 0;
    }
    const FieldRule* rule = fieldRule(field);
    if (rule != nullptr && verdict.kept == kEnter) {
        moveFocusOnEnter(screen, *rule);
        return 0;
    }
    return verdict.kept;
}

void onGotFocus(CalcScreen& screen, ProgramState& /*state*/, Element field) {
    const FieldRule* rule = fieldRule(field);
    if (rule == nullptr)
        return;
    switch (rule->gotFocus) {
    case GotFocusKind::ZoneGuard:
        ZoneZuerstPruefen(screen, field);
        return;
    case GotFocusKind::ZoneEntry:
        // The limits belong to the zone being edited; they return on leaving it.
        screen.setVisible(Element::labLimitsRechts, false);
        screen.setVisible(Element::labLimitsHoch, false);
        break;
    case GotFocusKind::Standard:
        break;
    }
    screen.AusgabeReset();
    screen.selectAll(field);
}

void onLostFocus(CalcScreen& screen, ProgramState& state, Element field) {
    const FieldRule* rule = fieldRule(field);
    if (rule == nullptr)
        return;
    switch (rule->loseFocus) {
    case LoseFocusKind::CommaToPoint: {
        // Pasted text bypasses the key filter; its commas are mended here.
        std::string text = screen.text(field);
        commaToPoint(text);
        screen.setText(field, text);
        return;
    }
    case LoseFocusKind::ZoneLimits:
        ZoneUndLimitsPruefen(screen, state);
        return;
    case LoseFocusKind::None:
        return;
    }
}

void fillSamplePoint(CalcScreen& screen, const ConversionJob& job) {
    const bool changes = screen.text(Element::texBreite) != kSampleLatitude ||
                         screen.text(Element::texLaenge) != kSampleLongitude;
    screen.setText(Element::texBreite, kSampleLatitude);
    screen.setText(Element::texLaenge, kSampleLongitude);
    if (changes && job.FormatEIN == kGradDezimal)
        screen.AusgabeReset();
}

std::optional<TypedText> typedThroughFilter(Element field, std::string_view text) {
    const FieldRule* rule = fieldRule(field);
    if (!rule || rule->filter == KeyFilter::None)
        return std::nullopt;
    std::u32string chars = utf8::decode(text);
    const auto blank = [](char32_t c) { return c == U' ' || (c < 0x20 && c != 0); };
    while (!chars.empty() && blank(chars.back()))
        chars.pop_back();
    std::size_t first = 0;
    while (first < chars.size() && blank(chars[first]))
        ++first;
    TypedText typed;
    for (char32_t c : std::u32string_view(chars).substr(first)) {
        if (c == U'\t' || c == U'\r' || c == U'\n')
            c = U' ';
        else if (c < 0x20 || c == 0x7F)
            continue;
        KeyVerdict verdict = filterKey(field, c);
        if (verdict.refused()) {
            typed.refusal = std::move(verdict.refusal);
            break;
        }
        utf8::appendEncoded(typed.text, verdict.kept);
    }
    return typed;
}

std::optional<std::string> typeIntoField(CalcScreen& screen, ProgramState& /*state*/, Element field,
                                         std::string_view text) {
    std::optional<TypedText> typed = typedThroughFilter(field, text);
    if (!typed)
        return std::nullopt;
    if (!typed->refusal.empty())
        refusal::refuse(screen, {Step::Sound, Step::Reset, Step::Message}, typed->refusal);
    return std::move(typed->text);
}

} // namespace lw
