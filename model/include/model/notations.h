// The coordinate notations: one table that says, for each notation, on which
// ellipsoids it exists, which fields and options its input mask has, which
// fields its output mask has, how its copy line marks them and how a pasted
// text of it is read. Every layer reads the notation's composition here: the
// selection rules, the input checks, the driver, the copy line and the paste
// reader, the screens.
//
// The geographic notations (decimal degrees, degrees and minutes, degrees,
// minutes and seconds) exist on every ellipsoid. UTM in its three forms
// (civil, military, reference) is defined on GRS80 and Hayford only;
// Gauss-Krueger belongs to the German survey on Bessel and exists nowhere
// else. UTM amtlich, the notation of the German cadastre, is ETRS89 (GRS80)
// only. The selection screen offers only these combinations, and the
// calculation relies on meeting no other.
#pragma once

#include "model/job.h"
#include "model/screen.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace lw {

// The three ellipsoids in the order the screens list them, with the letter
// each has in the job's EllipsoidPaar.
struct EllipsoidLetter {
    const char* jobName;
    char pairLetter;
};

inline constexpr std::array<EllipsoidLetter, 3> kEllipsoidLetters = {{
    {kGRS80, 'A'},
    {kBessel, 'B'},
    {kHayford, 'C'},
}};

// The job name of a pair letter; "" for any other character.
constexpr std::string_view ellipsoidOfPairLetter(char letter) {
    for (const EllipsoidLetter& e : kEllipsoidLetters)
        if (e.pairLetter == letter)
            return e.jobName;
    return {};
}

// How a pasted text of the notation is taken apart (conversion/pasted_coordinate).
enum class PasteForm : std::uint8_t {
    Geographic,   // numbers per axis with hemisphere letters
    UtmCivil,     // zone, easting, northing
    UtmMilitary,  // zone, square letters, digit pairs
    UtmReference, // zone, square letters, one digit group
    GaussKrueger, // Rechtswert, Hochwert, optionally the central meridian
    UtmAmtlich,   // Ostwert with the zone in its millions, Nordwert
};

enum EllipsoidBit : std::uint8_t {
    kOnGrs80 = 1u << 0,
    kOnBessel = 1u << 1,
    kOnHayford = 1u << 2,
};

// What a notation is called where it is named: on the command line, on the
// selection screen's buttons (their object names and caption) and in the
// frame captions of the calculation screen, after "Ellipsoid  GRS80".
struct NotationNames {
    std::string_view shortName; // "dez", as lagewandler-liste takes it
    std::string_view inputButton, outputButton;
    std::string_view buttonCaption;
    std::string_view inputCaption, outputCaption;
};

struct Notation {
    FormatCode code;        // as stored in FormatEIN / FormatAUS
    std::string_view label; // what users call it ("UTM militärisch")
    std::uint8_t ellipsoids;
    bool utm; // one of the three UTM notations
    Element inputFrame, outputFrame;
    std::span<const Element> inputFields; // in typing order
    // North, south, east, west; empty where the notation has no hemisphere.
    std::span<const Element> hemisphereOptions;
    // 3° and 6° strips; empty where the notation has no strips.
    std::span<const Element> stripOptions;
    std::span<const Element> outputFields; // in reading order
    // The word the copy line puts before each output field, "" for none.
    std::span<const std::string_view> outputMarks;
    PasteForm paste;
    int numbersPerAxis; // geographic notations: 1, 2 or 3
    // The field beside the output where the user may choose a neighbour
    // strip or zone (empty: the point's own); Element::Count_ for none.
    Element outputChoice;
    NotationNames names;
};

namespace notation_parts {
using E = Element;
inline constexpr std::array kDecimalIn = {E::texBreite, E::texLaenge};
inline constexpr std::array kDecimalOptions = {E::optDezN, E::optDezS, E::optDezE, E::optDezW};
inline constexpr std::array kDecimalOut = {E::texBreiteAUS, E::texLaengeAUS};
inline constexpr std::array kMinutesIn = {E::texBreiteGrad, E::texBreiteMinute, E::texLaengeGrad,
                                          E::texLaengeMinute};
inline constexpr std::array kMinutesOptions = {E::optGMN, E::optGMS, E::optGME, E::optGMW};
inline constexpr std::array kMinutesOut = {E::texBreiteGradAUS, E::texBreiteMinuteAUS,
                                           E::texLaengeGradAUS, E::texLaengeMinuteAUS};
inline constexpr std::array kSecondsIn = {E::texBGrad, E::texBMinute, E::texBSekunde,
                                          E::texLGrad, E::texLMinute, E::texLSekunde};
inline constexpr std::array kSecondsOptions = {E::optGradN, E::optGradS, E::optGradE, E::optGradW};
inline constexpr std::array kSecondsOut = {E::texBGradAUS, E::texBMinuteAUS, E::texBSekundeAUS,
                                           E::texLGradAUS, E::texLMinuteAUS, E::texLSekundeAUS};
inline constexpr std::array kCivilIn = {E::texZone, E::texRechts, E::texHoch};
inline constexpr std::array kCivilOut = {E::texZone2, E::texRechts2, E::texHoch2};
inline constexpr std::array kMilitaryIn = {E::texZoneM, E::tex100km, E::tex10km, E::tex1km,
                                           E::tex100m,  E::tex10m,   E::tex1m};
inline constexpr std::array kMilitaryOut = {E::texMilUTM};
inline constexpr std::array kReferenceIn = {E::texREFZone, E::texREF100, E::texREFZiffern};
inline constexpr std::array kReferenceOut = {E::texREFAUS};
inline constexpr std::array kGaussKruegerIn = {E::texGKRechts, E::texGKHoch};
inline constexpr std::array kGaussKruegerStrips = {E::optDrei, E::optSechs};
// The last field says "Nachbarstreifen" when a neighbour strip was chosen.
inline constexpr std::array kGaussKruegerOut = {E::texGKRechtsAUS, E::texGKHochAUS,
                                                E::texMeridianAUS, E::labGKNachbar};
// A Gauss-Krueger easting and northing look alike; the line names them.
inline constexpr std::array<std::string_view, 4> kGaussKruegerMarks = {"R", "H", "", ""};
inline constexpr std::array kAmtlichIn = {E::texAmtOst, E::texAmtNord};
// The last field says "Nachbarzone" when a neighbour zone was chosen.
inline constexpr std::array kAmtlichOut = {E::texAmtOstAUS, E::texAmtNordAUS, E::labAmtNachbar};
inline constexpr std::span<const Element> kNone{};
inline constexpr std::span<const std::string_view> kNoMarks{};
} // namespace notation_parts

// clang-format off
inline constexpr std::array<Notation, 8> kNotations = {{
    // code          label                        ellipsoids                          utm    input frame            output frame              input fields                     hemispheres                       strips                                output fields                     copy-line marks                          paste form                 per axis  output choice             names: short, input and output button, button caption, input and output frame caption
    {kGradDezimal,  "Grad (dezimal)",             kOnGrs80 | kOnBessel | kOnHayford, false, Element::fraGrad,       Element::fraGradAUS,       notation_parts::kDecimalIn,      notation_parts::kDecimalOptions,  notation_parts::kNone,                notation_parts::kDecimalOut,      notation_parts::kNoMarks,                PasteForm::Geographic,   1, Element::Count_, {"dez",    "comGradDezEIN",    "comGradDezAUS",    "Grad (dezimal)",        "......Grad (dezimal)",              "......Grad (dezimal)"}},
    {kGradMinuten,  "Grad / Minuten",             kOnGrs80 | kOnBessel | kOnHayford, false, Element::fraGradMin,    Element::fraGradMinAUS,    notation_parts::kMinutesIn,      notation_parts::kMinutesOptions,  notation_parts::kNone,                notation_parts::kMinutesOut,      notation_parts::kNoMarks,                PasteForm::Geographic,   2, Element::Count_, {"gm",     "comGradMinEIN",    "comGradMinAUS",    "Grad/Minuten",          "......Grad | Minuten (Mercator)",   "......Grad / Minuten"}},
    {kGradMinSek,   "Grad / Minuten / Sekunden",  kOnGrs80 | kOnBessel | kOnHayford, false, Element::fraGradMinSek, Element::fraGradMinSekAUS, notation_parts::kSecondsIn,      notation_parts::kSecondsOptions,  notation_parts::kNone,                notation_parts::kSecondsOut,      notation_parts::kNoMarks,                PasteForm::Geographic,   3, Element::Count_, {"gms",    "comGradMinSekEIN", "comGradMinSekAUS", "Grad/Minuten/Sekunden", "......Grad | Minuten | Sekunden",   "......Grad / Minuten / Sekunden"}},
    {kUTMzivil,     "UTM zivil",                  kOnGrs80 | kOnHayford,             true,  Element::fraZIV,        Element::fraZIVAUS,        notation_parts::kCivilIn,        notation_parts::kNone,            notation_parts::kNone,                notation_parts::kCivilOut,        notation_parts::kNoMarks,                PasteForm::UtmCivil,     0, Element::Count_, {"utm",    "comUTMzivilEIN",   "comUTMzivilAUS",   "UTM zivil",             "......UTM zivil ",                  "......UTM zivil"}},
    {kUTMmil,       "UTM militärisch",            kOnGrs80 | kOnHayford,             true,  Element::fraMIL,        Element::fraMILAUS,        notation_parts::kMilitaryIn,     notation_parts::kNone,            notation_parts::kNone,                notation_parts::kMilitaryOut,     notation_parts::kNoMarks,                PasteForm::UtmMilitary,  0, Element::Count_, {"utmmil", "comUTMmilEIN",     "comUTMmilAUS",     "UTM mil",               "......UTM militärisch ",            "......UTM militärisch"}},
    {kUTMref,       "UTM referentiell",           kOnGrs80 | kOnHayford,             true,  Element::fraREF,        Element::fraREFAUS,        notation_parts::kReferenceIn,    notation_parts::kNone,            notation_parts::kNone,                notation_parts::kReferenceOut,    notation_parts::kNoMarks,                PasteForm::UtmReference, 0, Element::Count_, {"utmref", "comUTMrefEIN",     "comUTMrefAUS",     "UTM ref",               "......UTM REF ",                    "......UTM referentiell"}},
    {kGaussKrueger, "Gauß-Krüger",                kOnBessel,                         false, Element::fraGK,         Element::fraGKAUS,         notation_parts::kGaussKruegerIn, notation_parts::kNone,            notation_parts::kGaussKruegerStrips,  notation_parts::kGaussKruegerOut, notation_parts::kGaussKruegerMarks,      PasteForm::GaussKrueger, 0, Element::texStreifenWahl, {"gk",     "comGKEIN",         "comGKAUS",         "Gauß - Krüger",         "......Gauß-Krüger",                 "......Gauß - Krüger"}},
    {kUTMamtlich,   "UTM amtlich",                kOnGrs80,                          false, Element::fraAMT,        Element::fraAMTAUS,        notation_parts::kAmtlichIn,      notation_parts::kNone,            notation_parts::kNone,                notation_parts::kAmtlichOut,      notation_parts::kNoMarks,                PasteForm::UtmAmtlich,   0, Element::texZoneWahl, {"utmamt", "comUTMamtEIN",     "comUTMamtAUS",     "UTM amtlich",           "......UTM amtlich (ETRS89)",        "......UTM amtlich (ETRS89)"}},
}};
// clang-format on

// Whether a table with one entry a notation holds them in the order of
// kNotations, each entry naming its code in `format`: an entry left out or
// out of place does not compile.
template <typename Table> constexpr bool inNotationOrder(const Table& table) {
    if (table.size() != kNotations.size())
        return false;
    for (std::size_t i = 0; i < table.size(); ++i)
        if (table[i].format != kNotations[i].code)
            return false;
    return true;
}

// The table holds the codes 1, 2, 3, ... in this order, so that a code finds
// its notation at once (a list looks a few up every line).
constexpr bool codesCountFromOne() {
    for (std::size_t i = 0; i < kNotations.size(); ++i)
        if (kNotations[i].code != static_cast<int>(i) + 1)
            return false;
    return true;
}
static_assert(codesCountFromOne(), "kNotations must list the codes 1, 2, 3, ... in order");

// The notation of a format code; nullptr for 0 and unknown codes.
constexpr const Notation* notationOf(int code) {
    if (code < 1 || code > static_cast<int>(kNotations.size()))
        return nullptr;
    return &kNotations[static_cast<std::size_t>(code - 1)];
}

// The row of a format code in a table kept in the table's order (see
// inNotationOrder); nullptr for 0 and unknown codes.
template <typename Table> constexpr auto rowOfNotation(const Table& table, int code) {
    const Notation* notation = notationOf(code);
    return notation ? &table[static_cast<std::size_t>(notation - kNotations.data())] : nullptr;
}

// The notation whose input mask holds `field`; nullptr for any other element.
constexpr const Notation* notationOfInputField(Element field) {
    for (const Notation& n : kNotations)
        for (Element e : n.inputFields)
            if (e == field)
                return &n;
    return nullptr;
}

// The options of a mask come in pairs of which one is chosen: north and
// south, east and west, 3° and 6° strips (the table lists each pair in this
// order). The option a choice clears; the element itself for any other.
constexpr Element partnerOption(Element option) {
    for (const Notation& n : kNotations)
        for (std::span<const Element> options : {n.hemisphereOptions, n.stripOptions})
            for (std::size_t i = 0; i + 1 < options.size(); i += 2) {
                if (options[i] == option)
                    return options[i + 1];
                if (options[i + 1] == option)
                    return options[i];
            }
    return option;
}

// Whether the option is chosen when the calculation screen opens: the first
// of its pair (north, east, 3° strips).
constexpr bool isOpeningOption(Element option) {
    for (const Notation& n : kNotations)
        for (std::span<const Element> options : {n.hemisphereOptions, n.stripOptions})
            for (std::size_t i = 0; i < options.size(); i += 2)
                if (options[i] == option)
                    return true;
    return false;
}

// The three UTM notations of the military grid family: civil, military,
// reference (UTM amtlich has its own checks and no band letter).
constexpr bool isUtmNotation(std::uint8_t format) {
    const Notation* n = notationOf(format);
    return n && n->utm;
}

constexpr std::uint8_t ellipsoidBit(std::string_view ellipsoid) {
    if (ellipsoid == kGRS80)
        return kOnGrs80;
    if (ellipsoid == kBessel)
        return kOnBessel;
    if (ellipsoid == kHayford)
        return kOnHayford;
    return 0;
}

// Whether `ellipsoid` (a job name: kGRS80, kBessel, kHayford) offers the
// notation with format code `format`. No format, and no or an unknown
// ellipsoid, offer nothing.
constexpr bool offersNotation(std::string_view ellipsoid, std::uint8_t format) {
    const Notation* n = notationOf(format);
    return n && (n->ellipsoids & ellipsoidBit(ellipsoid)) != 0;
}

// The names of the datums a copy line may end in, so that a line passed on
// (by radio, say) cannot be taken for a point of another datum: Hayford
// coordinates are ED50, Bessel coordinates DHDN. GRS80 (WGS 84, ETRS89)
// lines name none.
inline constexpr std::array<std::string_view, 2> kDatumNames = {"ED50", "DHDN"};

constexpr std::string_view datumNameOf(std::string_view ellipsoid) {
    if (ellipsoid == kHayford)
        return kDatumNames[0];
    if (ellipsoid == kBessel)
        return kDatumNames[1];
    return {};
}

// The datum name a copy line of the notation on the ellipsoid ends in: every
// Hayford line, and Bessel's geographic lines (Gauss-Krueger is DHDN by
// definition and says so in its name).
constexpr std::string_view copyLineDatumName(std::string_view ellipsoid, int format) {
    if (format == kGaussKrueger)
        return {};
    return datumNameOf(ellipsoid);
}

// The input and the output format of a task code ("52": military in,
// degrees and minutes out); 0 where the code names none.
constexpr int inputFormatOfTask(std::string_view aufgabe) {
    return aufgabe.empty() || !notationOf(aufgabe.front() - '0') ? 0 : aufgabe.front() - '0';
}
constexpr int outputFormatOfTask(std::string_view aufgabe) {
    return aufgabe.empty() || !notationOf(aufgabe.back() - '0') ? 0 : aufgabe.back() - '0';
}

// The task code of an input and an output format: both digits.
inline std::string taskCode(int inputFormat, int outputFormat) {
    return std::to_string(inputFormat) + std::to_string(outputFormat);
}

} // namespace lw
