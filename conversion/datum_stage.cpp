#include "conversion/datum_stage.h"

#include "conversion/official_datum.h"
#include "procedures/procedures.h"
#include "text/numtext.h"

#include <array>

namespace lw {
namespace {

// Measured over the 31 test points of the federal mapping agency (BKG):
// the Molodensky result lies 3.36 m from the official position on average,
// 8.27 m at most (docs/accuracy.md; the test
// OfficialDatumFigures.MolodenskyFiguresOfTheAccuracyLineHold keeps this true).
constexpr const char* kMolodenskyNote =
    "Datumsübergang Molodensky (3 Parameter): gegenüber der amtlichen Umrechnung etwa 3 m, "
    "bis 8 m";
constexpr const char* kOfficialNote = "Datumsübergang amtlich (BeTA2007)";
// ED50 has no official transformation in the program: the Hayford shift uses
// the mean parameters for western Europe (EPSG 1133: -87, -98, -121 m; ours
// round the last to -120), which EPSG gives as good to about 10 m against
// the national ED50 networks.
constexpr const char* kHayfordNote =
    "Datumsübergang Molodensky (3 Parameter, Westeuropa): gegenüber ED50 der Landesnetze "
    "etwa 10 m";
// Military and reference coordinates name a grid square by its south-west
// corner: the point lies east and north of the named position, not around it.
constexpr const char* kSquareNote = "Die Ziffern nennen die Südwestecke des Planquadrats.";

// The refusal ends the run: the outcome says it failed, so that nothing is
// written, and names the message it showed.
ProcedureOutcome refusePoint(DriverRun& run, const char* message) {
    refuseOutput(run, message);
    return ProcedureOutcome{true, message};
}

ProcedureOutcome officialDatumStage(DriverRun& run, GeoPoint start,
                                    std::optional<GeoPoint>& target) {
    const bool fromDhdn = run.job().StartEllipsoid == kBessel;
    const OfficialResult result = officialDatum().transform(
        fromDhdn ? OfficialDirection::DhdnToEtrs89 : OfficialDirection::Etrs89ToDhdn, start);
    if (result.outcome == OfficialOutcome::OutsideGrid)
        return refusePoint(run, kOutsideGridText);
    if (result.outcome != OfficialOutcome::Done)
        return refusePoint(run, kGridMissingText);
    target = GeoPoint{round15(result.point.latDeg), round15(result.point.lonDeg)};
    run.grs80 = fromDhdn ? *target : start;
    return {};
}

} // namespace

bool usesOfficialDatum(const ConversionJob& job) {
    return job.Amtlich && officialDatumOffered(job.StartEllipsoid, job.ZielEllipsoid);
}

bool officialDatumOffered(const std::string& startEllipsoid, const std::string& targetEllipsoid) {
    return (startEllipsoid == kBessel && targetEllipsoid == kGRS80) ||
           (startEllipsoid == kGRS80 && targetEllipsoid == kBessel);
}

ProcedureOutcome datumStage(DriverRun& run, GeoPoint start, std::optional<GeoPoint>& target) {
    const ConversionJob& job = run.job();
    if (usesOfficialDatum(job))
        return officialDatumStage(run, start, target);
    ProcedureOutcome outcome;
    const DatumPoints points =
        pointOnEllipsoid(start, job.StartEllipsoid, job.ZielEllipsoid, outcome, run.out);
    target = points.target;
    run.grs80 = points.grs80;
    return outcome;
}

namespace {

// Which datum note a job's line begins with: none, official, Hayford's or
// Molodensky's, in this order.
std::size_t datumNoteOf(const ConversionJob& job) {
    if (job.StartEllipsoid == job.ZielEllipsoid)
        return 0;
    if (usesOfficialDatum(job))
        return 1;
    if (job.StartEllipsoid == kHayford || job.ZielEllipsoid == kHayford)
        return 2;
    return 3;
}

} // namespace

std::string_view genauigkeitsText(const ConversionJob& job) {
    // Every line there is, put together once: a list asks for one a point.
    static const std::array<std::string, 8> kLines = [] {
        const std::array<std::string_view, 4> notes = {"", kOfficialNote, kHayfordNote,
                                                       kMolodenskyNote};
        std::array<std::string, 8> lines;
        for (std::size_t i = 0; i < notes.size(); ++i) {
            lines[2 * i] = notes[i];
            lines[2 * i + 1] = notes[i].empty() ? std::string(kSquareNote)
                                                : std::string(notes[i]) + ". " + kSquareNote;
        }
        return lines;
    }();
    const bool squares = job.FormatAUS == kUTMmil || job.FormatAUS == kUTMref;
    return kLines[2 * datumNoteOf(job) + (squares ? 1 : 0)];
}

} // namespace lw
