// UTM amtlich rows of the driver (format 8, GRS80 only): ETRS89/UTM as the
// German cadastre writes it, on the exact transverse Mercator, in the point's
// own zone or a neighbour chosen in texZoneWahl.
#include "conversion/driver_stages.h"
#include "conversion/output_choice.h"

#include "model/messages.h"
#include "model/notations.h"
#include "procedures/amtlich.h"
#include "text/numtext.h"
#include "validation/validators.h"

#include <algorithm>

namespace lw {
namespace {

constexpr double kNorthernUtmLimitDeg = 84;

constexpr const char* kSouthernPointText =
    "UTM amtlich gibt es nur auf der Nordhalbkugel:\r\nder Punkt liegt südlich des Äquators.";

std::string zoneChoiceText(const ZoneChoices& choices) {
    return "Für diesen Punkt ist als Zone nur " + alternatives(choices.allowed) +
           " wählbar.\r\nOhne Eingabe gilt seine eigene Zone " + std::to_string(choices.own) + ".";
}

} // namespace

bool withinUtmAmtlich(GeoPoint p) {
    return p.latDeg >= 0 && p.latDeg < kNorthernUtmLimitDeg;
}

InputResult amtlichInput(DriverRun& run) {
    UTMAmtlichPruefen(run.screen, run.state);
    if (!run.calc().blnEingabeOK)
        return refused();
    const GeoReading reading = geoFromUtmAmtlich(run.screen.text(Element::texAmtOst),
                                                 run.screen.text(Element::texAmtNord));
    if (reading.status != AmtlichStatus::Done) {
        showComputationError(run.out);
        return failed();
    }
    return point(round15(reading.point.latDeg), round15(reading.point.lonDeg));
}

OutputOutcome amtlichOutput(DriverRun& run, const ResultPair& p) {
    if (!offersNotation(run.job().ZielEllipsoid, kUTMamtlich))
        return OutputOutcome::Written;
    const GeoPoint point = p;
    if (point.latDeg < 0) {
        refuseOutput(run, kSouthernPointText);
        return OutputOutcome::Ended;
    }
    if (point.latDeg >= kNorthernUtmLimitDeg) {
        refuseOutput(run, std::string(kNorthOfUtmText));
        return OutputOutcome::Ended;
    }
    const int own = utmAmtlichOwnZone(point);
    const std::optional<int> chosen = chosenNumber(run.screen.text(Element::texZoneWahl));
    if (chosen) {
        const ZoneChoices choices = utmAmtlichZoneChoices(point);
        if (std::find(choices.allowed.begin(), choices.allowed.end(), *chosen) ==
            choices.allowed.end()) {
            refuseChoice(run, Element::texZoneWahl, zoneChoiceText(choices));
            return OutputOutcome::Ended;
        }
    }
    const UtmAmtlichTexts texts =
        own == 0 ? UtmAmtlichTexts{} : utmAmtlichInZone(point, chosen.value_or(own));
    if (texts.status != AmtlichStatus::Done) {
        showComputationError(run.out);
        return OutputOutcome::Failed;
    }
    run.out.setText(Element::texAmtOstAUS, texts.ostwert);
    run.out.setText(Element::texAmtNordAUS, texts.nordwert);
    const bool neighbour = texts.zone != own;
    run.out.setText(Element::labAmtNachbar, neighbour ? "Nachbarzone" : "");
    if (neighbour)
        noteNeighbour(run, "Nachbarzone " + std::to_string(texts.zone) +
                               " statt der eigenen Zone " + std::to_string(own));
    return OutputOutcome::Written;
}

} // namespace lw
