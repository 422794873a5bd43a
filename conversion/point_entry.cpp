#include "conversion/point_entry.h"

#include "conversion/driver.h"
#include "conversion/driver_run.h"
#include "conversion/result_position.h"
#include "model/notations.h"
#include "text/numtext.h"
#include "text/utf8.h"
#include "validation/field_events.h"
#include "validation/field_rules.h"
#include "validation/refusal.h"
#include "validation/zone_limits.h"

namespace lw {
namespace {

// The options as the calculation screen opens, from the notation table.
constexpr std::array<bool, kElementCount> kOpeningOptions = [] {
    std::array<bool, kElementCount> opening{};
    for (std::size_t i = 0; i < opening.size(); ++i)
        opening[i] = isOpeningOption(static_cast<Element>(i));
    return opening;
}();

std::span<const Element> inputFieldsOf(int format) {
    const Notation* notation = notationOf(format);
    return notation ? notation->inputFields : std::span<const Element>{};
}

} // namespace

MaskTexts::MaskTexts(std::string decimalSeparator)
    : checked_(kOpeningOptions), decimalSeparator_(std::move(decimalSeparator)) {}

void MaskTexts::set(Element e, std::string_view text) {
    const std::size_t i = index(e);
    texts_[i].assign(text);
    if (!set_[i]) {
        set_[i] = true;
        setList_.push_back(i);
    }
}

void MaskTexts::choose(Element option) {
    checked_[index(partnerOption(option))] = false;
    checked_[index(option)] = true;
}

void MaskTexts::clear() {
    for (std::size_t i : setList_) {
        texts_[i].clear();
        set_[i] = false;
    }
    setList_.clear();
    checked_ = kOpeningOptions;
}

PointEntry::PointEntry(const ConversionJob& job, OutputChoices choices,
                       std::string decimalSeparator)
    : job_(job), choices_(std::move(choices)), inputFields_(inputFieldsOf(job.FormatEIN)),
      mask_(std::move(decimalSeparator)) {
    for (Element field : inputFields_)
        asciiKeys_.push_back(asciiKeys(field));
    for (const AsciiKeys& keys : asciiKeys_)
        for (char c : std::string_view("0123456789."))
            digitsAndPointKept_ = digitsAndPointKept_ && keys[static_cast<unsigned char>(c)] == c;
}

// The mask as it opens for the task, the focus in its first field (whose
// focus handler changes nothing a conversion reads).
void PointEntry::open() {
    mask_.clear();
    state_.job = job_;
    mask_.set(Element::texZoneWahl, choices_.zone);
    mask_.set(Element::texStreifenWahl, choices_.strip);
}

const PointOutcome& PointEntry::refused(const refusal::Refusal& refusal) {
    outcome_.steps.clear();
    outcome_.end = RunEnd::InputRefused;
    RunRecord record(mask_, outcome_);
    RunScreenView screen(record, RunScreenView::Writes::Now);
    refusal::carryOut(screen, refusal);
    return outcome_;
}

// A key the filter refuses, as typing it is refused.
const PointOutcome& PointEntry::refusedKey(std::string message) {
    using refusal::Step;
    return refused(refusal::Refusal({Step::Sound, Step::Reset, Step::Message}, std::move(message)));
}

// Each part as typed: a key the filter refuses ends the point with its
// message; the first such key is the one the user would have heard.
const PointOutcome& PointEntry::convertParts(const PastedCoordinate& pasted) {
    open();
    for (Element option : pasted.options)
        mask_.choose(option);
    std::string refusal;
    for (const auto& [field, part] : pasted.fields) {
        const AsciiKeys* keys = asciiKeysOf(field);
        // The keys the table answers, written in place up to the first it
        // does not (nearly always none): one resize instead of a push a key.
        typed_.resize(part.size());
        std::size_t pos = 0;
        for (; keys && pos < part.size(); ++pos) {
            const auto byte = static_cast<unsigned char>(part[pos]);
            if (byte >= keys->size() || (*keys)[byte] == 0)
                break;
            typed_[pos] = (*keys)[byte];
        }
        typed_.resize(pos);
        while (pos < part.size()) {
            const auto byte = static_cast<unsigned char>(part[pos]);
            if (keys && byte < keys->size() && (*keys)[byte] != 0) {
                typed_.push_back((*keys)[byte]);
                ++pos;
                continue;
            }
            const KeyVerdict verdict = filterKey(field, utf8::decodeNext(part, pos));
            if (verdict.refused() && refusal.empty())
                refusal = verdict.refusal;
            else if (!verdict.refused() && verdict.kept != kEnter)
                utf8::appendEncoded(typed_, verdict.kept);
        }
        mask_.set(field, typed_);
    }
    if (!refusal.empty())
        return refusedKey(refusal);
    return leaveFirstFieldAndCalculate();
}

bool PointEntry::keptAsTyped(const PlainCoordinate& plain) const {
    // A plain part holds digits and a point alone: whether every field keeps
    // those is known from the start.
    return plain.partCount == inputFields_.size() && digitsAndPointKept_;
}

const PointOutcome* PointEntry::convertPlain(const PlainCoordinate& plain) {
    if (!keptAsTyped(plain))
        return nullptr;
    open();
    for (std::size_t i = 0; i < plain.optionCount; ++i)
        mask_.choose(plain.options[i]);
    for (std::size_t i = 0; i < plain.partCount; ++i)
        mask_.set(inputFields_[i], plain.parts[i]);
    return &leaveFirstFieldAndCalculate();
}

// The filter's verdict on every ASCII key of the field, once: the character
// it keeps, or 0 where the key needs the filter itself (refused, Enter).
PointEntry::AsciiKeys PointEntry::asciiKeys(Element field) {
    AsciiKeys keys{};
    for (std::size_t c = 1; c < keys.size(); ++c) {
        const KeyVerdict verdict = filterKey(field, static_cast<char32_t>(c));
        if (!verdict.refused() && verdict.kept != kEnter && verdict.kept < keys.size())
            keys[c] = static_cast<char>(verdict.kept);
    }
    return keys;
}

const PointEntry::AsciiKeys* PointEntry::asciiKeysOf(Element field) const {
    for (std::size_t i = 0; i < inputFields_.size(); ++i)
        if (inputFields_[i] == field)
            return &asciiKeys_[i];
    return nullptr;
}

const PointOutcome& PointEntry::convertTyped(std::string_view text) {
    open();
    const Element first = inputFields_.front();
    const std::optional<TypedText> typed = typedThroughFilter(first, text);
    if (typed && !typed->refusal.empty())
        return refusedKey(typed->refusal);
    mask_.set(first, typed ? std::string_view(typed->text) : text);
    return leaveFirstFieldAndCalculate();
}

// Leaving the first field runs its handler (comma to point, the zone's
// characters and limits), then "Berechnung".
const PointOutcome& PointEntry::leaveFirstFieldAndCalculate() {
    const Element first = inputFields_.front();
    const FieldRule* rule = fieldRule(first);
    const LoseFocusKind leaving = rule ? rule->loseFocus : LoseFocusKind::None;
    if (leaving == LoseFocusKind::CommaToPoint) {
        std::string text = mask_.text(first);
        commaToPoint(text);
        mask_.set(first, text);
    } else if (leaving == LoseFocusKind::ZoneLimits) {
        const ZoneLeaving zone = leaveZoneField(mask_.text(first));
        if (zone.refusal)
            return refused(*zone.refusal);
        if (zone.limits)
            storeZoneLimits(*zone.limits, state_.calc);
    }
    convertPoint(mask_, state_, outcome_);
    return outcome_;
}

std::optional<GeoPoint> PointEntry::grs80Position() const {
    return grs80PositionOfInput(mask_, state_);
}

} // namespace lw
