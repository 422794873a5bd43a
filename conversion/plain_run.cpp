#include "conversion/plain_run.h"

#include "conversion/notation_rows.h"

#include "conversion/datum_stage.h"
#include "conversion/driver_run.h"
#include "conversion/driver_stages.h"
#include "conversion/result_display.h"
#include "conversion/result_line.h"
#include "geodesy/exact_tm.h"
#include "geodesy/utm.h"
#include "model/germany.h"
#include "model/notations.h"
#include "procedures/amtlich.h"
#include "procedures/procedures.h"
#include "text/numeric_fault.h"
#include "text/numtext.h"
#include "validation/validators.h"

#include <algorithm>
#include <array>

namespace lw {
namespace {

// The options' pairs and opening choices from the notation table, as
// tables (the table's walks cost more than a line's conversion).
template <class Value> using ByElement = std::array<Value, kElementCount>;
constexpr ByElement<Element> kPartners = [] {
    ByElement<Element> partners{};
    for (std::size_t i = 0; i < partners.size(); ++i)
        partners[i] = partnerOption(static_cast<Element>(i));
    return partners;
}();

constexpr ByElement<bool> kOpening = [] {
    ByElement<bool> opening{};
    for (std::size_t i = 0; i < opening.size(); ++i)
        opening[i] = isOpeningOption(static_cast<Element>(i));
    return opening;
}();

// Whether an option of the mask is chosen once the line's options are
// chosen in order on the mask as it opens.
bool isChosen(const PlainCoordinate& plain, Element option) {
    bool chosen = kOpening[static_cast<std::size_t>(option)];
    for (std::size_t i = 0; i < plain.optionCount; ++i) {
        if (plain.options[i] == option)
            chosen = true;
        else if (kPartners[static_cast<std::size_t>(plain.options[i])] == option)
            chosen = false;
    }
    return chosen;
}

constexpr PlainRun::Slots kNoSlots = [] {
    PlainRun::Slots slots{};
    slots.fill(-1);
    return slots;
}();

// The text of an output field among `texts`; nullptr for a field the task
// does not show.
std::string* fieldText(const PlainRun::Task& task, std::span<std::string> texts, Element field) {
    const int slot = task.slots[static_cast<std::size_t>(field)];
    return slot < 0 ? nullptr : &texts[static_cast<std::size_t>(slot)];
}

// A route that leaves the point where it is (GRS80 to GRS80, say): the
// point on each ellipsoid is the start.
bool unshifted(const DatumRoute& route) {
    using Target = DatumRoute::Target;
    return route.known && !route.toGrs80 &&
           (route.target == Target::Start || route.target == Target::Grs80);
}

// Where a procedure would show a message, the short way does not answer.
class Quiet final : public MessageSink {
public:
    bool said() const { return said_; }
    void showMessage(MessageIcon, const std::string&) override { said_ = true; }

private:
    bool said_ = false;
};

class FieldTexts final : public CalcScreen {
public:
    FieldTexts(const PlainRun::Slots& slots, std::span<std::string> texts)
        : slots_(slots), texts_(texts) {}

    bool plain() const { return plain_; }

    std::string text(Element e) const override {
        const std::string* slot = slotOf(e);
        return slot ? *slot : std::string();
    }
    void setText(Element e, const std::string& text) override {
        if (std::string* slot = slotOf(e))
            slot->assign(text);
        else
            plain_ = false;
    }
    bool isChecked(Element) const override { return false; }
    std::string localeDecimalSeparator() const override { return "."; }
    void setFocus(Element) override { plain_ = false; }
    void selectAll(Element) override { plain_ = false; }
    void setEnabled(Element, bool) override { plain_ = false; }
    void setVisible(Element, bool) override { plain_ = false; }
    void playSystemSound(const std::string&) override { plain_ = false; }
    void showMessage(MessageIcon, const std::string&) override { plain_ = false; }
    void AusgabeReset() override { plain_ = false; }

private:
    std::string* slotOf(Element e) const {
        const int slot = slots_[static_cast<std::size_t>(e)];
        return slot < 0 ? nullptr : &texts_[static_cast<std::size_t>(slot)];
    }

    const PlainRun::Slots& slots_;
    std::span<std::string> texts_;
    bool plain_ = true;
};

} // namespace

bool decimalPlainInput(const PlainRun::Task&, const PlainCoordinate& plain, GeoPoint& start) {
    using E = Element;
    const auto [lat, lon] = std::pair(plain.numbers[0], plain.numbers[1]);
    const bool south = isChosen(plain, E::optDezS);
    if (!admitsDecimalDegrees(lat, lon, {isChosen(plain, E::optDezN), south}))
        return false;
    start = {south ? -lat.value : lat.value, isChosen(plain, E::optDezW) ? -lon.value : lon.value};
    return true;
}

// Gauss-Krueger input in its own strip; with UTM amtlich on the other side
// the exact projection reads it back, which the whole run does.
bool gaussKruegerPlainInput(const PlainRun::Task& task, const PlainCoordinate& plain,
                            GeoPoint& start) {
    if (task.job.FormatAUS == kUTMamtlich)
        return false;
    const bool sixDegrees = isChosen(plain, Element::optSechs);
    const PlainDigits rechts = plain.numbers[0];
    const PlainDigits hoch = plain.numbers[1];
    if (!admitsGaussKrueger(rechts, hoch, germany::gaussKruegerExtent(sixDegrees)))
        return false;
    const int stripWidthDeg = isChosen(plain, Element::optDrei) ? kGkThreeDegreeWidth
                              : sixDegrees                      ? 2 * kGkThreeDegreeWidth
                                                                : 0;
    // The check has passed digits only, seven before the point: the first
    // names the strip.
    const double stripNo = plain.parts[0].front() - '0';
    const GkReading reading = gkReadingOf(hoch.value, rechts.value, stripNo, stripWidthDeg);
    if (reading.status != GkReading::Status::Done)
        return false;
    start = {round15(reading.point.latDeg), round15(reading.point.lonDeg)};
    return true;
}

bool decimalPlainOutput(const PlainRun::Task& task, GeoPoint p, std::span<std::string> texts) {
    FieldTexts screen(task.slots, texts);
    BreiteDezAusgeben(screen, p.latDeg);
    LaengeDezAusgeben(screen, p.lonDeg);
    return screen.plain();
}

bool degreesMinutesPlainOutput(const PlainRun::Task& task, GeoPoint p,
                               std::span<std::string> texts) {
    FieldTexts screen(task.slots, texts);
    const bool failed = BreiteGMAusgeben(screen, p.latDeg).failed;
    return !(LaengeGMAusgeben(screen, p.lonDeg).failed || failed) && screen.plain();
}

bool degreesMinutesSecondsPlainOutput(const PlainRun::Task& task, GeoPoint p,
                                      std::span<std::string> texts) {
    using E = Element;
    std::string* const fields[] = {
        fieldText(task, texts, E::texBGradAUS),    fieldText(task, texts, E::texBMinuteAUS),
        fieldText(task, texts, E::texBSekundeAUS), fieldText(task, texts, E::texLGradAUS),
        fieldText(task, texts, E::texLMinuteAUS),  fieldText(task, texts, E::texLSekundeAUS)};
    if (std::find(std::begin(fields), std::end(fields), nullptr) != std::end(fields))
        return false;
    // Straight into the output fields' texts, as the screen shows them.
    return writeLatitudeDms(p.latDeg, *fields[0], *fields[1], *fields[2]) &&
           writeLongitudeDms(p.lonDeg, *fields[3], *fields[4], *fields[5]);
}

bool utmCivilPlainOutput(const PlainRun::Task& task, GeoPoint p, std::span<std::string> texts) {
    std::string* easting = fieldText(task, texts, Element::texRechts2);
    std::string* northing = fieldText(task, texts, Element::texHoch2);
    std::string* zone = fieldText(task, texts, Element::texZone2);
    if (!task.utmEllipsoid || !easting || !northing || !zone)
        return false;
    // Straight into the output fields' texts, as GeoNachUTM writes them.
    const UtmTextsWritten written = writeUtmTexts(longitudeWithinHalfTurn(p.lonDeg), p.latDeg,
                                                  *task.utmEllipsoid, *zone, *easting, *northing);
    return written.band != '\0' && written.projected;
}

namespace {

// The military text, as UTMnachMIL leaves it in its first slot, written
// straight into the output field's text (which keeps its room from point to
// point); the reference text from it as MILnachREF does.
bool militaryText(const PlainRun::Task& task, GeoPoint p, std::span<std::string> texts,
                  Element field, bool reference) {
    std::string* text = fieldText(task, texts, field);
    if (!text || !task.utmEllipsoid)
        return false;
    std::string easting, northing;
    const UtmTextsWritten written = writeUtmTexts(longitudeWithinHalfTurn(p.lonDeg), p.latDeg,
                                                  *task.utmEllipsoid, *text, easting, northing);
    if (written.band == '\0' || !written.projected)
        return false;
    Quiet quiet;
    if (UTMnachMIL(*text, easting, northing, quiet).failed)
        return false;
    if (reference && MILnachREF(*text, quiet).failed)
        return false;
    return !quiet.said();
}

} // namespace

bool utmMilitaryPlainOutput(const PlainRun::Task& task, GeoPoint p, std::span<std::string> texts) {
    return militaryText(task, p, texts, Element::texMilUTM, false);
}

bool utmReferencePlainOutput(const PlainRun::Task& task, GeoPoint p, std::span<std::string> texts) {
    return militaryText(task, p, texts, Element::texREFAUS, true);
}

// UTM amtlich in the point's own zone.
bool amtlichPlainOutput(const PlainRun::Task& task, GeoPoint p, std::span<std::string> texts) {
    if (!offersNotation(task.job.ZielEllipsoid, kUTMamtlich) || !withinUtmAmtlich(p))
        return false;
    const int own = utmAmtlichOwnZone(p);
    std::string* ost = fieldText(task, texts, Element::texAmtOstAUS);
    std::string* nord = fieldText(task, texts, Element::texAmtNordAUS);
    std::string* note = fieldText(task, texts, Element::labAmtNachbar);
    if (own == 0 || !ost || !nord || !note)
        return false;
    // Straight into the output fields' texts; no neighbour zone to name.
    if (writeUtmAmtlichInZone(p, own, *ost, *nord) != AmtlichStatus::Done)
        return false;
    note->clear();
    return true;
}

PlainRun::PlainRun(const ConversionJob& job, bool ownZoneAndStrip)
    : task_{job, outputMaskFields(job.FormatAUS), kNoSlots, nullptr,
            datumRoute(job.StartEllipsoid, job.ZielEllipsoid)} {
    for (std::size_t i = 0; i < task_.outputFields.size(); ++i)
        task_.slots[static_cast<std::size_t>(task_.outputFields[i])] = static_cast<std::int8_t>(i);
    const std::string utm = utmEllipsoidText(job.ZielEllipsoid);
    if (!utm.empty())
        task_.utmEllipsoid = &utmEllipsoid(utm);
    const NotationRows* in = notationRowsOf(job.FormatEIN);
    const NotationRows* out = notationRowsOf(job.FormatAUS);
    const bool copies = job.FormatEIN == job.FormatAUS;
    if (!in || !out || copies || !ownZoneAndStrip || usesOfficialDatum(job))
        return;
    input_ = in->plainInput;
    output_ = out->plainOutput;
}

bool PlainRun::convert(const PlainCoordinate& plain, std::span<std::string> texts,
                       GeoPoint& grs80) const {
    // (A plain part holds digits and a point: no comma for the first field's
    // leaving to turn into a point.)
    if (!covers() || texts.size() != task_.outputFields.size())
        return false;
    try {
        GeoPoint start;
        if (!input_(task_, plain, start))
            return false;
        DatumPoints points{start, start};
        if (!unshifted(task_.datum)) {
            ProcedureOutcome shifted;
            Quiet quiet;
            points = pointOnEllipsoid(start, task_.datum, shifted, quiet);
            if (shifted.failed || !points.target || !points.grs80 || quiet.said())
                return false;
        }
        // Each output row writes every field it has, or answers "no".
        if (!output_(task_, *points.target, texts))
            return false;
        grs80 = *points.grs80;
        return true;
    } catch (const NumericFault&) {
        return false; // the whole run shows the computation error
    }
}

} // namespace lw
