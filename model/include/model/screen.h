// The calculation screen as the validators and the calculation driver see it.
//
// They never touch the toolkit: every field, option, frame, label and button
// they read or change is named by one Element, and every effect on the screen
// goes through CalcScreen. The Qt calculation screen implements it; the unit
// tests use a recording fake that logs every call in order.
#pragma once

#include "model/messages.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace lw {

// Elements of the calculation screen, named as on the screen (objectName).
// One row per mask.
// clang-format off
enum class Element {
    // Input mask 1: decimal degrees
    texBreite, texLaenge, optDezN, optDezS, optDezE, optDezW,
    // Input mask 2: degrees and decimal minutes
    texBreiteGrad, texBreiteMinute, texLaengeGrad, texLaengeMinute,
    optGMN, optGMS, optGME, optGMW,
    // Input mask 3: degrees, minutes, seconds
    texBGrad, texBMinute, texBSekunde, texLGrad, texLMinute, texLSekunde,
    optGradN, optGradS, optGradE, optGradW,
    // Input mask 4: UTM civil
    texZone, texRechts, texHoch, labLimitsRechts, labLimitsHoch,
    // Input mask 5: UTM military
    texZoneM, tex100km, tex10km, tex1km, tex100m, tex10m, tex1m,
    // Input mask 6: UTM reference
    texREFZone, texREF100, texREFZiffern,
    // Input mask 7: Gauss-Krueger
    texGKRechts, texGKHoch, labGKLimitsRechts, labGKLimitsHoch, optDrei, optSechs, texMeridian,
    // Output fields, in the order the output mask is emptied
    texBreiteAUS, texLaengeAUS,
    texBreiteGradAUS, texBreiteMinuteAUS, texLaengeGradAUS, texLaengeMinuteAUS,
    texBGradAUS, texBMinuteAUS, texBSekundeAUS, texLGradAUS, texLMinuteAUS, texLSekundeAUS,
    texZone2, texRechts2, texHoch2, texMilUTM, texREFAUS,
    texGKRechtsAUS, texGKHochAUS, texMeridianAUS,
    labStreifenbreite,
    // Masks (frames)
    fraGrad, fraGradMin, fraGradMinSek, fraZIV, fraMIL, fraREF, fraGK,
    fraGradAUS, fraGradMinAUS, fraGradMinSekAUS, fraMILAUS, fraZIVAUS, fraREFAUS, fraGKAUS,
    // Screen
    labEingabe, comRechnen, comStartoption, comKrummboegleGrad, labBeenden,
    // How exact the shown result is; emptied with the output mask
    labGenauigkeit,
    Count_
};
// clang-format on

inline constexpr std::size_t kElementCount = static_cast<std::size_t>(Element::Count_);

// The element's name as the screen knows it ("texBreite").
std::string_view elementName(Element e);

// The element with that name, if any.
std::optional<Element> elementByName(std::string_view name);

// The twenty output fields in the order the output mask is emptied.
inline constexpr std::array<Element, 20> kOutputFields = {
    Element::texBreiteAUS,       Element::texLaengeAUS,     Element::texBreiteGradAUS,
    Element::texBreiteMinuteAUS, Element::texLaengeGradAUS, Element::texLaengeMinuteAUS,
    Element::texBGradAUS,        Element::texBMinuteAUS,    Element::texBSekundeAUS,
    Element::texLGradAUS,        Element::texLMinuteAUS,    Element::texLSekundeAUS,
    Element::texZone2,           Element::texRechts2,       Element::texHoch2,
    Element::texMilUTM,          Element::texREFAUS,        Element::texGKRechtsAUS,
    Element::texGKHochAUS,       Element::texMeridianAUS,
};

class CalcScreen : public MessageSink {
public:
    // Text of a field, caption of a label or frame.
    virtual std::string text(Element e) const = 0;
    virtual void setText(Element e, const std::string& text) = 0;
    // Whether an option button is selected.
    virtual bool isChecked(Element option) const = 0;
    // Gives the element the keyboard focus (the focus handlers of the fields
    // run as on a user's move).
    virtual void setFocus(Element e) = 0;
    // Selects the whole text of a field, so that typing replaces it.
    virtual void selectAll(Element field) = 0;
    virtual void setEnabled(Element e, bool enabled) = 0;
    virtual void setVisible(Element e, bool visible) = 0;
    // Plays a named system alert sound asynchronously ("SystemHand" is the
    // critical stop); an unknown name plays nothing.
    virtual void playSystemSound(const std::string& alias) = 0;
    // Decimal separator of the user's locale ("." or ","), for the one output
    // that is written in the locale's number form (Gauss-Krueger).
    virtual std::string localeDecimalSeparator() const = 0;

    // AusgabeReset: empties every output field, in the order of kOutputFields,
    // and then the accuracy line that belongs to their result. Changes no
    // visibility and leaves labStreifenbreite alone.
    virtual void AusgabeReset() {
        for (Element e : kOutputFields)
            setText(e, std::string());
        setText(Element::labGenauigkeit, std::string());
    }
};

} // namespace lw
