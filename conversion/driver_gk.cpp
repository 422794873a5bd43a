// Gauss-Krueger rows of the driver (format 7, Bessel only).
#include "conversion/driver_stages.h"
#include "conversion/output_choice.h"

#include "geodesy/exact_tm.h"
#include "model/germany.h"
#include "model/notations.h"
#include "procedures/amtlich.h"
#include "procedures/procedures.h"
#include "text/numeric_fault.h"
#include "text/numtext.h"
#include "validation/validators.h"

#include <algorithm>

namespace lw {
namespace {

// The strip width as GeoNachGK takes it. Output always uses 3° strips,
// whatever strip the input used.
constexpr const char* kThreeDegreeStrips = "3";

// Gauss-Krueger output is in metres to the centimetre.
constexpr int kMetreDecimals = 2;

// Like the zone refusal of UTM input (GKZonePruefen), this box breaks its
// lines with single line feeds.
const std::string kOutsideGermanyText = "Ihr Punkt liegt nicht in Deutschland,\n"
                                        "deshalb wird Gauß-Krüger nicht berechnet.\n"
                                        "\n"
                                        "Beachten Sie bitte die Grenzwerte für Gauß-Krüger:\n"
                                        " N46° < Breite < N56°\n"
                                        "E005° < Länge  < E016°\n";

// Gauss-Krueger coordinates are given for Germany only.
bool inGermany(const ResultPair& p) {
    return germany::inGaussKruegerBox(p.latDeg, p.lonDeg);
}

// A coordinate in metres as the user's locale writes numbers: centimetres at
// most, no trailing zeros, the locale's decimal separator, no digit grouping.
// `metres` as its text in a slot reads back.
std::string localeMetres(double metres, const std::string& decimalSeparator) {
    std::string text = plainTextTrimmed(finite(Runden(finite(metres), kMetreDecimals)));
    std::size_t point = text.find('.');
    if (point != std::string::npos)
        text.replace(point, 1, decimalSeparator);
    return text;
}

OutputOutcome refuseOutsideGermany(DriverRun& run) {
    run.screen.setText(Element::texGKRechtsAUS, std::string());
    run.screen.setText(Element::texGKHochAUS, std::string());
    run.screen.setText(Element::texMeridianAUS, std::string());
    run.screen.setText(Element::labStreifenbreite, std::string());
    refuseOutput(run, kOutsideGermanyText);
    return OutputOutcome::Ended;
}

// Gauss-Krueger to Gauss-Krueger shows the typed values themselves when they
// already are what the output would be: 3° strips about the same meridian.
// From 6° strips (or another meridian) they must be projected anew, since the
// output is labelled as 3° strip coordinates.
bool copiesInput(const DriverRun& run, const std::string& outputMeridian) {
    return run.job().FormatEIN == kGaussKrueger && run.screen.isChecked(Element::optDrei) &&
           run.screen.text(Element::texMeridian) == outputMeridian;
}

// "E012°", as the output mask writes a central meridian.
std::string meridianLabel(int meridianDeg) {
    std::string digits = std::to_string(meridianDeg);
    digits.insert(0, digits.size() < 3 ? 3 - digits.size() : 0, '0');
    return "E" + digits + "°";
}

std::string meridianChoiceText(const MeridianChoices& choices) {
    return "Für diesen Punkt ist als Bezugsmeridian nur " + alternatives(choices.allowed) +
           " wählbar.\r\nOhne Eingabe gilt sein eigener, " + std::to_string(choices.own) + ".";
}

// The point in the 3° strip of a neighbour meridian, on the exact transverse
// Mercator (a neighbour strip reaches 4.5° from its meridian, where the
// series of the own strip would lose the centimetre), written like the
// output of the own strip.
OutputOutcome neighbourStripOutput(DriverRun& run, GeoPoint point, int meridianDeg,
                                   int ownMeridianDeg) {
    const GkStripTexts texts = gkStripFromGeo(point, meridianDeg);
    if (texts.status != AmtlichStatus::Done) {
        showComputationError(run.out);
        return OutputOutcome::Failed;
    }
    const std::string separator = run.screen.localeDecimalSeparator();
    run.out.setText(Element::texGKRechtsAUS, localeMetres(readNumber(texts.rechtswert), separator));
    run.out.setText(Element::texGKHochAUS, localeMetres(readNumber(texts.hochwert), separator));
    run.out.setText(Element::texMeridianAUS, meridianLabel(meridianDeg));
    run.out.setText(Element::labGKNachbar, "Nachbarstreifen");
    run.out.setText(Element::labStreifenbreite, kThreeDegreeStrips);
    noteNeighbour(run, "Nachbarstreifen " + meridianLabel(meridianDeg) + " statt des eigenen " +
                           meridianLabel(ownMeridianDeg));
    return OutputOutcome::Written;
}

// Gauss-Krueger and UTM amtlich on one page are a cadastre's conversion: its
// official lines hold the centimetre on both sides, so the Gauss-Krueger side
// takes the exact transverse Mercator too. The series alone differs by a
// tenth of a millimetre, enough to tip a centimetre now and then.
bool withUtmAmtlich(const ConversionJob& job) {
    return job.FormatEIN == kUTMamtlich || job.FormatAUS == kUTMamtlich;
}

// The typed Rechtswert and Hochwert read back on the exact transverse
// Mercator, in the strip and width GKnachGeo found; the series' point where
// the exact one fails.
GeoPoint exactGaussKruegerInput(const GkReading& series, int stripWidthDeg, double rechtsM,
                                double hochM) {
    const GkStrip strip{series.stripNo, gkCentralMeridianDeg(series.stripNo, stripWidthDeg)};
    const std::optional<GeoPoint> g = exactTmInverse(gkExactProjection(strip), {rechtsM, hochM});
    return g ? *g : series.point;
}

// The same for the output in the point's own 3 deg strip; the series'
// point where the exact one fails.
GkPoint exactGaussKruegerOutput(GeoPoint point, GkPoint series) {
    const GkStrip strip = gkStripOfLongitude(point.lonDeg, kGkThreeDegreeWidth);
    const std::optional<GridPoint> g = exactTmForward(gkExactProjection(strip), point);
    if (!g)
        return series;
    return {g->northingM, g->eastingM};
}

} // namespace

InputResult gaussKruegerInput(DriverRun& run) {
    GKPruefen(run.screen, run.state);
    if (!run.calc().blnEingabeOK)
        return refused();
    const std::string rechts = run.screen.text(Element::texGKRechts);
    const double hochM = readNumber(run.screen.text(Element::texGKHoch));
    const int stripWidthDeg = run.screen.isChecked(Element::optDrei)    ? kGkThreeDegreeWidth
                              : run.screen.isChecked(Element::optSechs) ? 2 * kGkThreeDegreeWidth
                                                                        : 0;
    const GkReading reading = gkReadingOf(hochM, rechts, stripWidthDeg);
    switch (reading.status) {
    case GkReading::Status::TooFarEast:
        ProcedureOutcome::showing(run.out, MessageIcon::Critical, kGkStripTooWideText);
        return failed();
    case GkReading::Status::NoStrip: // no strip for the Rechtswert: no message
        return failed();
    case GkReading::Status::Fault:
        showComputationError(run.out);
        return failed();
    case GkReading::Status::Done:
        break;
    }
    const GeoPoint g = withUtmAmtlich(run.job()) ? exactGaussKruegerInput(reading, stripWidthDeg,
                                                                          readNumber(rechts), hochM)
                                                 : reading.point;
    run.screen.setText(Element::texMeridian, reading.meridian);
    // As GKnachGeo's texts read back.
    return point(round15(g.latDeg), round15(g.lonDeg));
}

OutputOutcome gaussKruegerOutput(DriverRun& run, const ResultPair& p) {
    if (!offersNotation(run.job().ZielEllipsoid, kGaussKrueger))
        return OutputOutcome::Written;
    if (!inGermany(p))
        return refuseOutsideGermany(run);
    // A chosen neighbour strip; the own strip, chosen or not, is the usual output.
    if (const auto chosen = chosenNumber(run.screen.text(Element::texStreifenWahl))) {
        const MeridianChoices choices = gkMeridianChoices(p);
        if (std::find(choices.allowed.begin(), choices.allowed.end(), *chosen) ==
            choices.allowed.end()) {
            refuseChoice(run, Element::texStreifenWahl, meridianChoiceText(choices));
            return OutputOutcome::Ended;
        }
        if (*chosen != choices.own)
            return neighbourStripOutput(run, p, *chosen, choices.own);
    }

    GkProjection projection;
    try {
        projection = gkProjectionOf(p.latDeg, p.lonDeg, kGkThreeDegreeWidth);
    } catch (const NumericFault&) {
    }
    if (!projection.point) {
        showComputationError(run.out);
        return OutputOutcome::Failed;
    }
    GkPoint gk = *projection.point;
    if (withUtmAmtlich(run.job()))
        gk = exactGaussKruegerOutput(p, gk);
    if (copiesInput(run, projection.meridian)) {
        run.out.setText(Element::texGKRechtsAUS, run.screen.text(Element::texGKRechts));
        run.out.setText(Element::texGKHochAUS, run.screen.text(Element::texGKHoch));
    } else {
        std::string separator = run.screen.localeDecimalSeparator();
        run.out.setText(Element::texGKRechtsAUS, localeMetres(round15(gk.rechtswertM), separator));
        run.out.setText(Element::texGKHochAUS, localeMetres(round15(gk.hochwertM), separator));
    }
    run.out.setText(Element::texMeridianAUS, projection.meridian);
    run.out.setText(Element::labStreifenbreite, kThreeDegreeStrips);
    return OutputOutcome::Written;
}

} // namespace lw
