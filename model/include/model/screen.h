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
// One list gives both the enum and the names, so that they cannot drift
// apart. One row per mask.
// clang-format off
#define LW_CALC_ELEMENTS(X) \
    /* Input mask 1: decimal degrees */ \
    X(texBreite) X(texLaenge) X(optDezN) X(optDezS) X(optDezE) X(optDezW) \
    /* Input mask 2: degrees and decimal minutes */ \
    X(texBreiteGrad) X(texBreiteMinute) X(texLaengeGrad) X(texLaengeMinute) \
    X(optGMN) X(optGMS) X(optGME) X(optGMW) \
    /* Input mask 3: degrees, minutes, seconds */ \
    X(texBGrad) X(texBMinute) X(texBSekunde) X(texLGrad) X(texLMinute) X(texLSekunde) \
    X(optGradN) X(optGradS) X(optGradE) X(optGradW) \
    /* Input mask 4: UTM civil */ \
    X(texZone) X(texRechts) X(texHoch) X(labLimitsRechts) X(labLimitsHoch) \
    /* Input mask 5: UTM military */ \
    X(texZoneM) X(tex100km) X(tex10km) X(tex1km) X(tex100m) X(tex10m) X(tex1m) \
    /* Input mask 6: UTM reference */ \
    X(texREFZone) X(texREF100) X(texREFZiffern) \
    /* Input mask 7: Gauss-Krueger */ \
    X(texGKRechts) X(texGKHoch) X(labGKLimitsRechts) X(labGKLimitsHoch) X(optDrei) X(optSechs) \
    X(texMeridian) \
    /* Input mask 8: UTM amtlich */ \
    X(texAmtOst) X(texAmtNord) \
    /* Output fields, in the order the output mask is emptied */ \
    X(texBreiteAUS) X(texLaengeAUS) \
    X(texBreiteGradAUS) X(texBreiteMinuteAUS) X(texLaengeGradAUS) X(texLaengeMinuteAUS) \
    X(texBGradAUS) X(texBMinuteAUS) X(texBSekundeAUS) X(texLGradAUS) X(texLMinuteAUS) \
    X(texLSekundeAUS) \
    X(texZone2) X(texRechts2) X(texHoch2) X(texMilUTM) X(texREFAUS) \
    X(texGKRechtsAUS) X(texGKHochAUS) X(texMeridianAUS) X(labGKNachbar) \
    X(texAmtOstAUS) X(texAmtNordAUS) X(labAmtNachbar) \
    X(labStreifenbreite) \
    /* Chosen strip and zone of the Gauss-Krueger and UTM amtlich output */ \
    X(texStreifenWahl) X(texZoneWahl) \
    /* Masks (frames) */ \
    X(fraGrad) X(fraGradMin) X(fraGradMinSek) X(fraZIV) X(fraMIL) X(fraREF) X(fraGK) \
    X(fraAMT) \
    X(fraGradAUS) X(fraGradMinAUS) X(fraGradMinSekAUS) X(fraMILAUS) X(fraZIVAUS) X(fraREFAUS) \
    X(fraGKAUS) X(fraAMTAUS) \
    /* Screen */ \
    X(labEingabe) X(comRechnen) X(comStartoption) X(comKrummboegleGrad) X(labBeenden) \
    /* Every notation at once: one heading per ellipsoid, one line per notation it offers */ \
    X(fraAlleAUS) \
    X(labAlleA) X(texAlleA1) X(texAlleA2) X(texAlleA3) X(texAlleA4) X(texAlleA5) X(texAlleA6) \
    X(texAlleA8) \
    X(labAlleB) X(texAlleB1) X(texAlleB2) X(texAlleB3) X(texAlleB7) \
    X(labAlleC) X(texAlleC1) X(texAlleC2) X(texAlleC3) X(texAlleC4) X(texAlleC5) X(texAlleC6) \
    /* How exact the shown result is; emptied with the output mask */ \
    X(labGenauigkeit)
// clang-format on

#define LW_ELEMENT_ENUMERATOR(name) name,
enum class Element { LW_CALC_ELEMENTS(LW_ELEMENT_ENUMERATOR) Count_ };
#undef LW_ELEMENT_ENUMERATOR

inline constexpr std::size_t kElementCount = static_cast<std::size_t>(Element::Count_);

#define LW_ELEMENT_NAME(name) #name,
inline constexpr std::array<std::string_view, kElementCount> kElementNames = {
    LW_CALC_ELEMENTS(LW_ELEMENT_NAME)};
#undef LW_ELEMENT_NAME

// The element's name as the screen knows it ("texBreite").
constexpr std::string_view elementName(Element e) {
    return kElementNames[static_cast<std::size_t>(e)];
}

// The element with that name, if any.
constexpr std::optional<Element> elementByName(std::string_view name) {
    for (std::size_t i = 0; i < kElementNames.size(); ++i)
        if (kElementNames[i] == name)
            return static_cast<Element>(i);
    return std::nullopt;
}

// The output fields in the order the output mask is emptied: every output
// mask's fields in code order.
inline constexpr std::array<Element, 24> kOutputFields = {
    Element::texBreiteAUS,       Element::texLaengeAUS,     Element::texBreiteGradAUS,
    Element::texBreiteMinuteAUS, Element::texLaengeGradAUS, Element::texLaengeMinuteAUS,
    Element::texBGradAUS,        Element::texBMinuteAUS,    Element::texBSekundeAUS,
    Element::texLGradAUS,        Element::texLMinuteAUS,    Element::texLSekundeAUS,
    Element::texZone2,           Element::texRechts2,       Element::texHoch2,
    Element::texMilUTM,          Element::texREFAUS,        Element::texGKRechtsAUS,
    Element::texGKHochAUS,       Element::texMeridianAUS,   Element::labGKNachbar,
    Element::texAmtOstAUS,       Element::texAmtNordAUS,    Element::labAmtNachbar,
};

// The list of every notation at once, in reading order: each ellipsoid's
// heading followed by its lines (model/all_notations.h says which is which).
inline constexpr std::array<Element, 20> kAllNotationsRows = {
    Element::labAlleA,  Element::texAlleA1, Element::texAlleA2, Element::texAlleA3,
    Element::texAlleA4, Element::texAlleA5, Element::texAlleA6, Element::texAlleA8,
    Element::labAlleB,  Element::texAlleB1, Element::texAlleB2, Element::texAlleB3,
    Element::texAlleB7, Element::labAlleC,  Element::texAlleC1, Element::texAlleC2,
    Element::texAlleC3, Element::texAlleC4, Element::texAlleC5, Element::texAlleC6,
};

// What a conversion reads of the screen: the input mask's texts, its
// options and the choices beside the output, and the locale's decimal
// separator. A conversion writes nothing here; what it does to the screen it
// returns (conversion/point_run.h).
class MaskView {
public:
    virtual ~MaskView() = default;
    // Text of a field, caption of a label or frame.
    virtual std::string text(Element e) const = 0;
    // Whether an option button is selected.
    virtual bool isChecked(Element option) const = 0;
    // Decimal separator of the user's locale ("." or ","), for the one output
    // that is written in the locale's number form (Gauss-Krueger).
    virtual std::string localeDecimalSeparator() const = 0;
};

class CalcScreen : public MessageSink, public MaskView {
public:
    virtual void setText(Element e, const std::string& text) = 0;
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

    // AusgabeReset: empties every output field, in the order of kOutputFields,
    // the list of every notation, and then the accuracy line that belongs to
    // their result. Changes no visibility and leaves labStreifenbreite alone.
    virtual void AusgabeReset() {
        for (Element e : kOutputFields)
            setText(e, std::string());
        for (Element e : kAllNotationsRows)
            setText(e, std::string());
        setText(Element::labGenauigkeit, std::string());
    }
};

} // namespace lw
