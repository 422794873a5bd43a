#include "lists/engine.h"

#include "conversion/datum_stage.h"
#include "conversion/official_datum.h"
#include "conversion/pasted_coordinate.h"
#include "conversion/pasted_notation.h"
#include "conversion/plain_run.h"
#include "conversion/point_entry.h"
#include "conversion/result_line.h"
#include "conversion/result_position.h"
#include "model/job.h"
#include "model/notations.h"

#include <array>
#include <filesystem>
#include <system_error>

namespace lw::lists {
namespace {

using E = Element;

// Short names, in the order of the notation table.
constexpr std::array<std::string_view, kNotations.size()> kNotationNames = [] {
    std::array<std::string_view, kNotations.size()> names{};
    for (std::size_t i = 0; i < names.size(); ++i)
        names[i] = kNotations[i].names.shortName;
    return names;
}();

struct EllipsoidName {
    std::string_view shortName;
    const char* jobName;
    char pairLetter; // letter in ConversionJob::EllipsoidPaar
};
constexpr std::array<EllipsoidName, 3> kEllipsoids = {{
    {"grs80", kGRS80, 'A'},
    {"bessel", kBessel, 'B'},
    {"hayford", kHayford, 'C'},
}};
constexpr std::array<std::string_view, kEllipsoids.size()> kEllipsoidShortNames = [] {
    std::array<std::string_view, kEllipsoids.size()> names{};
    for (std::size_t i = 0; i < names.size(); ++i)
        names[i] = kEllipsoids[i].shortName;
    return names;
}();

const EllipsoidName* ellipsoidByName(std::string_view name) {
    for (const EllipsoidName& e : kEllipsoids)
        if (e.shortName == name)
            return &e;
    return nullptr;
}

int notationByName(std::string_view name) {
    for (const Notation& notation : kNotations)
        if (notation.names.shortName == name)
            return notation.code;
    return kKeinFormat;
}

// The job the selection screen leaves for a task it offers.
ConversionJob jobOf(const TaskNames& task) {
    const EllipsoidName* start = ellipsoidByName(task.startEllipsoid);
    const EllipsoidName* target = ellipsoidByName(task.targetEllipsoid);
    ConversionJob job;
    job.StartEllipsoid = start->jobName;
    job.ZielEllipsoid = target->jobName;
    job.EllipsoidPaar = std::string{start->pairLetter, target->pairLetter};
    job.FormatEIN = static_cast<std::uint8_t>(notationByName(task.startNotation));
    job.FormatAUS = static_cast<std::uint8_t>(notationByName(task.targetNotation));
    job.Aufgabe = std::to_string(job.FormatEIN) + std::to_string(job.FormatAUS);
    job.Amtlich = task.official;
    return job;
}

// Column captions of the output fields.
struct Caption {
    Element field;
    const char* caption;
};
constexpr std::array<Caption, kOutputFields.size()> kCaptions = {{
    {E::texBreiteAUS, "Breite"},
    {E::texLaengeAUS, "Länge"},
    {E::texBreiteGradAUS, "Breite Grad"},
    {E::texBreiteMinuteAUS, "Breite Minuten"},
    {E::texLaengeGradAUS, "Länge Grad"},
    {E::texLaengeMinuteAUS, "Länge Minuten"},
    {E::texBGradAUS, "Breite Grad"},
    {E::texBMinuteAUS, "Breite Minuten"},
    {E::texBSekundeAUS, "Breite Sekunden"},
    {E::texLGradAUS, "Länge Grad"},
    {E::texLMinuteAUS, "Länge Minuten"},
    {E::texLSekundeAUS, "Länge Sekunden"},
    {E::texZone2, "Zone"},
    {E::texRechts2, "Rechtswert"},
    {E::texHoch2, "Hochwert"},
    {E::texMilUTM, "UTM mil"},
    {E::texREFAUS, "UTM ref"},
    {E::texGKRechtsAUS, "Rechtswert"},
    {E::texGKHochAUS, "Hochwert"},
    {E::texMeridianAUS, "Meridian"},
    {E::labGKNachbar, "Hinweis"},
    {E::texAmtOstAUS, "Ostwert"},
    {E::texAmtNordAUS, "Nordwert"},
    {E::labAmtNachbar, "Hinweis"},
}};

std::string joined(std::span<const std::string_view> names) {
    std::string text;
    for (std::string_view name : names)
        text += (text.empty() ? "" : ", ") + std::string(name);
    return text;
}

// The columns a CSV file gets: the output fields without the neighbour note,
// which the list never fills (it converts in the point's own zone or strip).
std::size_t csvColumnCount(std::span<const Element> outputFields) {
    const bool note = !outputFields.empty() && (outputFields.back() == E::labGKNachbar ||
                                                outputFields.back() == E::labAmtNachbar);
    return outputFields.size() - (note ? 1 : 0);
}

// The grid is looked for only by a module that loaded: without one, the
// installation lacks a part of its own, which no data package would mend.
bool officialModuleFound() {
    std::error_code ignored;
    for (const std::string& file : officialModuleCandidates())
        if (std::filesystem::is_regular_file(file, ignored))
            return true;
    return false;
}

std::string officialModuleMissingText() {
    std::string text = "Das Modul der amtlichen Umrechnung fehlt (gesucht: ";
    const std::vector<std::string> files = officialModuleCandidates();
    for (std::size_t i = 0; i < files.size(); ++i)
        text += (i == 0 ? "" : ", ") + files[i];
    return text + "); Lagewandler ist unvollständig installiert.";
}

} // namespace

struct Engine::State {
    State(const TaskNames& task, std::string decimalSeparator)
        : entry(jobOf(task), OutputChoices{task.zone, task.strip}, std::move(decimalSeparator)),
          plainRun(entry.job(), task.zone.empty() && task.strip.empty()) {
        outputFields = outputMaskFields(job().FormatAUS);
        lineForm = lineFormOf(job().FormatAUS, job().ZielEllipsoid);
        fieldTexts.resize(outputFields.size());
    }

    PointEntry entry;
    PlainRun plainRun;     // the common point on numbers alone
    PlainCoordinate plain; // the line's, kept from line to line
    std::span<const Element> outputFields;
    LineForm lineForm; // of the output notation on the target ellipsoid
    std::vector<std::string> fieldTexts;
    PointResult result;
    bool withColumns = true;
    bool withPlace = false;

    const ConversionJob& job() const { return entry.job(); }

    // The output mask as the run left it, or its first message.
    const PointResult& resultOf(const PointOutcome& run) {
        if (const std::string* message = run.firstMessage()) {
            result.line.clear();
            result.grs80.reset();
            return refusedWith(*message);
        }
        for (std::size_t i = 0; i < outputFields.size(); ++i) {
            const std::string* text = run.textAfter(outputFields[i]);
            fieldTexts[i] = text ? *text : std::string();
        }
        return resultOfTexts(run.grs80 ? run.grs80 : entry.grs80Position());
    }

    // The point by the short way; nullptr where it does not answer.
    const PointResult* shortWay(const PlainCoordinate& coordinate) {
        GeoPoint grs80;
        if (plainRun.covers() && entry.keptAsTyped(coordinate) &&
            plainRun.convert(coordinate, fieldTexts, grs80))
            return &resultOfTexts(grs80);
        return nullptr;
    }

    // The same straight into `line`: its copy line alone, no result kept;
    // false (the line empty) where the short way does not answer.
    bool shortWayInto(const PlainCoordinate& coordinate, std::string& line,
                      std::optional<GeoPoint>& position) {
        GeoPoint grs80;
        line.clear();
        if (!plainRun.covers() || !entry.keptAsTyped(coordinate) ||
            !plainRun.convert(coordinate, fieldTexts, grs80))
            return false;
        writeResultLine(line, lineForm, fieldTexts);
        if (line.empty())
            return false;
        position.reset();
        if (withPlace)
            position = grs80;
        return true;
    }

    // The same from the output fields' texts in `fieldTexts`.
    const PointResult& resultOfTexts(std::optional<GeoPoint> grs80) {
        result.line.clear();
        result.grs80.reset();
        writeResultLine(result.line, lineForm, fieldTexts);
        result.converted = !result.line.empty();
        // The screen stays silent when a text it could not take apart left
        // fields empty; the list must say something.
        if (!result.converted)
            result.message = "Keine Koordinate in der Schreibweise " +
                             std::string(notationOf(job().FormatEIN)->names.shortName) +
                             " gefunden.";
        if (withColumns)
            fillColumns();
        if (withPlace && result.converted)
            result.grs80 = grs80;
        return result;
    }

    // The CSV columns from the output fields' texts, the datum's last.
    void fillColumns() {
        const std::size_t fields = csvColumnCount(outputFields);
        result.columns.resize(fields + (datumName().empty() ? 0 : 1));
        for (std::size_t i = 0; i < fields; ++i) {
            result.columns[i].clear();
            appendWords(result.columns[i], fieldTexts[i]);
        }
        if (result.columns.size() > fields)
            result.columns.back() = datumName();
    }

    const PointResult& refusedWith(const std::string& message) {
        result.converted = false;
        result.message = message;
        return result;
    }

    // The datum the copy line names for the target (ED50, DHDN), so that a
    // CSV column of Hayford degrees cannot be taken for WGS 84; "" for none.
    std::string_view datumName() const {
        return copyLineDatumName(job().ZielEllipsoid, job().FormatAUS);
    }
};

Engine::Engine(const TaskNames& task, std::string decimalSeparator, bool withColumns,
               bool withPlace)
    : state_(std::make_unique<State>(task, std::move(decimalSeparator))) {
    state_->withColumns = withColumns;
    state_->withPlace = withPlace;
}

Engine::~Engine() = default;

const PointResult* Engine::tryConvert(std::string_view coordinate) {
    State& s = *state_;
    const ConversionJob& job = s.job();
    if (readPlainCoordinate(job.FormatEIN, coordinate, s.plain)) {
        if (const PointResult* result = s.shortWay(s.plain))
            return result;
        if (const PointOutcome* outcome = s.entry.convertPlain(s.plain))
            return &s.resultOf(*outcome);
    }
    const std::optional<PastedCoordinate> pasted =
        recognisePastedCoordinate(job.FormatEIN, coordinate, job.StartEllipsoid);
    if (!pasted)
        return nullptr;
    return &s.resultOf(s.entry.convertParts(*pasted));
}

bool Engine::plainLineInto(std::string_view coordinate, std::string& line,
                           std::optional<GeoPoint>& position) {
    State& s = *state_;
    const bool plain = readPlainCoordinate(s.job().FormatEIN, coordinate, s.plain);
    if (plain && !s.plain.tabbed)
        return s.shortWayInto(s.plain, line, position);
    line.clear();
    return false;
}

const PointResult& Engine::convertAsText(std::string_view text) {
    State& s = *state_;
    return s.resultOf(s.entry.convertTyped(text));
}

bool Engine::recognises(std::string_view coordinate) const {
    const ConversionJob& job = state_->job();
    return recognisePastedCoordinate(job.FormatEIN, coordinate, job.StartEllipsoid).has_value();
}

std::size_t Engine::inputParts() const {
    return state_->entry.inputFields().size();
}

std::string_view Engine::inputLabel() const {
    return notationOf(state_->job().FormatEIN)->label;
}

PasteForm Engine::inputForm() const {
    return notationOf(state_->job().FormatEIN)->paste;
}

std::optional<std::string> Engine::linkOffGrs80(std::string_view text) const {
    const std::string& ellipsoid = state_->job().StartEllipsoid;
    if (!asksForGrs80Start(text, ellipsoid))
        return std::nullopt;
    return "Ein Link nennt eine Lage in WGS 84 (GRS80), keine auf " + ellipsoid +
           ": dafür --von grs80:dez.";
}

std::vector<std::string> Engine::outputCaptions() const {
    std::vector<std::string> captions;
    const std::span<const Element> fields = state_->outputFields;
    for (Element field : fields.first(csvColumnCount(fields)))
        for (const Caption& c : kCaptions)
            if (c.field == field)
                captions.emplace_back(c.caption);
    if (!state_->datumName().empty())
        captions.emplace_back("Datum");
    return captions;
}

std::span<const std::string_view> notationNames() {
    return kNotationNames;
}

std::span<const std::string_view> ellipsoidNames() {
    return kEllipsoidShortNames;
}

std::optional<std::string> checkTask(const TaskNames& task) {
    for (const std::string* name : {&task.startEllipsoid, &task.targetEllipsoid})
        if (!ellipsoidByName(*name))
            return "Unbekanntes Ellipsoid \"" + *name + "\" (" + joined(kEllipsoidShortNames) +
                   ").";
    for (const std::string* name : {&task.startNotation, &task.targetNotation})
        if (notationByName(*name) == kKeinFormat)
            return "Unbekannte Schreibweise \"" + *name + "\" (" + joined(kNotationNames) + ").";
    const ConversionJob job = jobOf(task);
    if (!offersNotation(job.StartEllipsoid, job.FormatEIN))
        return "Die Schreibweise " + task.startNotation + " gibt es auf " + job.StartEllipsoid +
               " nicht.";
    if (!offersNotation(job.ZielEllipsoid, job.FormatAUS))
        return "Die Schreibweise " + task.targetNotation + " gibt es auf " + job.ZielEllipsoid +
               " nicht.";
    if (task.official) {
        if (!officialDatumOffered(job.StartEllipsoid, job.ZielEllipsoid))
            return "Die amtliche Umrechnung (BeTA2007) gibt es nur zwischen bessel und grs80.";
        if (!officialDatum().gridAvailable())
            return officialModuleFound() ? kGridMissingText : officialModuleMissingText();
    }
    return std::nullopt;
}

} // namespace lw::lists
