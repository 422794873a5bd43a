// The text procedures over the typed geodesy. Each takes texts by reference,
// reads its numbers with the leading-number reader and overwrites its
// arguments with the results. They are thin adapters over the typed functions
// of datum.h, utm.h, mgrs.h and gauss_krueger.h. Failures are shown through the
// MessageSink exactly as each procedure has them (the computation error
// message on a numeric fault) and reported in the returned outcome.
#pragma once

#include "geodesy/datum.h"
#include "geodesy/gauss_krueger.h"
#include "model/job.h"
#include "procedures/outcome.h"

#include <optional>
#include <string>
#include <string_view>

namespace lw {

// Ellipsoid texts of the UTM procedures: "WGS" selects GRS80, "Hayford"
// Hayford (Bessel has no UTM).
inline constexpr const char* kUtmTextGrs80 = "WGS";
inline constexpr const char* kUtmTextHayford = "Hayford";

// Written into a result slot by MILnachUTM and GKnachGeo when the input names
// no square or no strip; the driver stops there without output.
inline constexpr const char* kFailureMarker = "Fehler";

// Molodensky shift between two ellipsoids; pair "BG", "GB", "HG", "GH".
// "", "BH" and "HB" leave everything unchanged.
ProcedureOutcome EllipsoidWechsel(std::string& lat, std::string& lon, std::string& height,
                                  std::string& pairCode, MessageSink& messages);

// Fills the result pairs of the working variables for the start and target
// ellipsoid names of the job, through the argument slots strArg1..strArg4. A
// failed step leaves its pair untransformed and the next steps still run.
ProcedureOutcome EllipsoideBerechnen(const std::string& lat, const std::string& lon,
                                     const std::string& start, const std::string& target,
                                     Arbeitsvariablen& calc, MessageSink& messages);

// EllipsoideBerechnen in numbers, for the pair of `target` alone: the point
// on the target ellipsoid as the procedure leaves the target's pair (each
// value as its text reads back), and on the way the point on GRS80. The
// shifts it runs for the start run here too, a failed one with the
// computation error on `messages` (then its pair stays as it went in). No
// target for a start or target it has no pair for.
struct DatumPoints {
    std::optional<GeoPoint> target;
    std::optional<GeoPoint> grs80;
};
DatumPoints pointOnEllipsoid(GeoPoint p, const std::string& start, const std::string& target,
                             ProcedureOutcome& outcome, MessageSink& messages);

// The shifts of a pair of ellipsoids, from their names once (a list shifts
// every point by the same): to GRS80 from the start, and on to the target.
struct DatumRoute {
    bool known = false;                // a start with a pair of its own
    std::optional<DatumShift> toGrs80; // none from GRS80
    enum class Target { None, Start, Grs80, Shifted } target = Target::None;
    DatumShift fromGrs80 = DatumShift::GRS80ToBessel; // for Target::Shifted
};
DatumRoute datumRoute(const std::string& start, const std::string& target);
DatumPoints pointOnEllipsoid(GeoPoint p, const DatumRoute& route, ProcedureOutcome& outcome,
                             MessageSink& messages);

std::string BreitenBand(const std::string& lat);
std::string ZonenNummer(const std::string& lon);

// GeoNachUTM's typed core: the zone text (zone digits and band letter), and
// where the point projects, easting and northing texts. Faults
// (NumericFault) where a rounding meets an impossible value.
struct UtmTexts {
    std::string zone;
    bool projected = false;
    std::string easting, northing;
};
UtmTexts utmTextsOf(double lonDeg, double latDeg, const Ellipsoid& ellipsoid);
// The same written into the caller's texts, which keep their room from
// point to point (a list writes one a line); easting and northing stay as
// they were where the point does not project.
struct UtmTextsWritten {
    char band = '\0'; // none beyond 80° S and 84° N
    bool projected = false;
};
UtmTextsWritten writeUtmTexts(double lonDeg, double latDeg, const Ellipsoid& ellipsoid,
                              std::string& zone, std::string& easting, std::string& northing);

// The ellipsoid of a UTM procedures' ellipsoid text.
const Ellipsoid& utmEllipsoid(const std::string& name);

// lon := easting text, lat := northing text, ellipsoid := zone text.
ProcedureOutcome GeoNachUTM(std::string& lon, std::string& lat, std::string& ellipsoid,
                            MessageSink& messages);

// easting := longitude (6 dec.), northing := latitude (6 dec.),
// zone := longitude (full), ellipsoid := latitude (full).
ProcedureOutcome UTMnachGeo(std::string& easting, std::string& northing, std::string& zone,
                            std::string& ellipsoid, MessageSink& messages);

// zone := military notation text.
ProcedureOutcome UTMnachMIL(std::string& zone, std::string& easting, std::string& northing,
                            MessageSink& messages);

// text := reference notation text.
ProcedureOutcome MILnachREF(std::string& text, MessageSink& messages);

// group (and the four following slots) := the five digit pairs.
void REFnachMIL(std::string& group, std::string& pair1km, std::string& pair100m,
                std::string& pair10m, std::string& pair1m);

// zone, letters, pair10km := easting, northing, zone text; on a refused letter
// pair100m := "Fehler".
ProcedureOutcome MILnachUTM(std::string& zone, std::string& letters, std::string& pair10km,
                            std::string& pair1km, std::string& pair100m, std::string& pair10m,
                            std::string& pair1m, MessageSink& messages);

// GeoNachGK's typed core for a strip width in degrees (3 or 6; 0 for none):
// the meridian text, and the point where it projects. Faults (NumericFault)
// on an absurd central meridian.
struct GkProjection {
    std::string meridian;
    std::optional<GkPoint> point;
};
GkProjection gkProjectionOf(double latDeg, double lonDeg, int stripWidthDeg);

// lat := Hochwert, lon := Rechtswert, stripWidth := meridian text.
ProcedureOutcome GeoNachGK(std::string& lat, std::string& lon, std::string& stripWidth,
                           MessageSink& messages);

// GKnachGeo's typed core: the point of a Hochwert and a Rechtswert text
// (whose first digit names the strip) for a strip width in degrees, or why
// there is none: the strip lies east of Germany (a message), no strip (no
// message), a computation error. The meridian text once the strip is known.
struct GkReading {
    enum class Status { Done, TooFarEast, NoStrip, Fault };
    Status status = Status::Fault;
    double stripNo = 0;
    double centralMeridianDeg = 0; // once the strip is known
    std::string meridian;
    GeoPoint point{};
};
GkReading gkReadingOf(double hochM, std::string_view rechts, int stripWidthDeg);
// The same on numbers: the Rechtswert and its first digit; no meridian text.
GkReading gkReadingOf(double hochM, double rechtsM, double stripNo, int stripWidthDeg);
// GKnachGeo's message for a strip east of Germany.
inline constexpr std::string_view kGkStripTooWideText =
    "Die gewählte Streifenbreite führt zu einem Punkt ausserhalb von Deutschland.\r\n"
    "Wählen Sie eine kleinere Streifenbreite.";

// hoch := latitude, rechts := longitude, stripWidth := meridian text.
ProcedureOutcome GKnachGeo(std::string& hoch, std::string& rechts, std::string& stripWidth,
                           MessageSink& messages);

} // namespace lw
