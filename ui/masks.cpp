#include "ui/masks.h"

#include "model/notations.h"

#include "ui/input_field.h"
#include "ui/look.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <utility>

namespace lw::ui {
namespace {

enum class Kind : std::uint8_t {
    InputFrame,  // starts an input mask
    OutputFrame, // starts an output mask
    SubFrame,    // a captioned frame inside the mask; Inner elements go into it
    Group,       // a borderless container for one option pair; Inner options go into it
    Label,
    Input,    // input field; text is its accessible name
    Output,   // output field
    Meridian, // texMeridian: shown, never typed into
    Option,
};

enum Flag : unsigned {
    kSmall = 1u << 0, // Arial 9.6 pt bold instead of the screen font
    kCentre = 1u << 1,
    kRight = 1u << 2,
    kReadOnly = 1u << 3,
    kInner = 1u << 4,       // child of the last SubFrame or Group, not of the mask
    kExampleText = 1u << 5, // dark green text
    kNote = 1u << 6,        // says something only after some results; read as "Hinweis"
};

constexpr QRgb kNone = 0xFFFFFFFFu; // no colour of its own

struct Item {
    Kind kind;
    const char* name; // objectName, nullptr for plain labels
    const char* text; // caption, or a field's accessible name
    int left, top, width, height;
    unsigned flags = 0;
    QRgb colour = kNone;
};

constexpr QRgb kGreen = look::kLatitude, kYellow = look::kLongitude, kCyan = look::kZone,
               kBlue = look::kSquare, kOrange = look::kPairs, kGreyOption = look::kGrey;

// Frame rows open a mask; positions of the other rows are relative to the
// mask (or, with kInner, to the sub-frame or option group above them).
// Tab order and the frames' captions are set by the screen.
constexpr Item kMasks[] = {
    // Input mask 1: decimal degrees
    {Kind::InputFrame, "fraGrad", nullptr, 7500, 1050, 7350, 2250},
    {Kind::Label, "labDezBreite", "Breite", 1560, 360, 2175, 255, kSmall},
    {Kind::Input, "texBreite", "Breite", 1560, 645, 1935, 405, 0, kGreen},
    {Kind::Label, "labDezLaenge", "Länge", 1560, 1200, 2055, 255, kSmall},
    {Kind::Input, "texLaenge", "Länge", 1560, 1440, 1935, 405, 0, kYellow},
    {Kind::Group, nullptr, nullptr, 120, 360, 1455, 735},
    {Kind::Option, "optDezN", "N", 120, 360, 495, 285, kInner},
    {Kind::Option, "optDezS", "S", 720, 360, 495, 285, kInner},
    {Kind::Group, nullptr, nullptr, 120, 1200, 1455, 855},
    {Kind::Option, "optDezE", "E", 120, 360, 615, 285, kInner},
    {Kind::Option, "optDezW", "W", 720, 360, 615, 285, kInner},
    // Input mask 2: degrees and decimal minutes
    {Kind::InputFrame, "fraGradMin", nullptr, 7500, 1050, 7350, 2250},
    {Kind::Label, nullptr, "Grad", 1560, 480, 495, 255, kSmall},
    {Kind::Label, nullptr, "Minuten (ganz oder dezimal)", 2520, 480, 3015, 255, kSmall},
    {Kind::Input, "texBreiteGrad", "Breite Grad", 1560, 810, 495, 405, kCentre, kGreen},
    {Kind::Input, "texBreiteMinute", "Breite Minuten", 2520, 840, 2175, 405, 0, kGreen},
    {Kind::Input, "texLaengeGrad", "Länge Grad", 1560, 1680, 495, 405, kCentre, kYellow},
    {Kind::Input, "texLaengeMinute", "Länge Minuten", 2520, 1680, 2175, 405, 0, kYellow},
    {Kind::Group, nullptr, nullptr, 120, 720, 1455, 495},
    {Kind::Option, "optGMN", "N", 120, 120, 495, 285, kInner},
    {Kind::Option, "optGMS", "S", 720, 120, 495, 285, kInner},
    {Kind::Group, nullptr, nullptr, 120, 1560, 1455, 495},
    {Kind::Option, "optGME", "E", 120, 120, 615, 285, kInner},
    {Kind::Option, "optGMW", "W", 720, 120, 615, 285, kInner},
    // Input mask 3: degrees, minutes, seconds
    {Kind::InputFrame, "fraGradMinSek", nullptr, 7500, 1050, 7350, 2250},
    {Kind::Label, nullptr, "Grad", 1560, 480, 495, 255, kSmall},
    {Kind::Label, nullptr, "Minuten", 2400, 480, 855, 255, kSmall},
    {Kind::Label, nullptr, "Sekunden (ganz oder dezimal)", 3480, 480, 3615, 255, kSmall},
    {Kind::Input, "texBGrad", "Breite Grad", 1560, 810, 495, 405, kCentre, kGreen},
    {Kind::Input, "texBMinute", "Breite Minuten", 2520, 810, 495, 405, kCentre, kGreen},
    {Kind::Input, "texBSekunde", "Breite Sekunden", 3480, 810, 1695, 405, 0, kGreen},
    {Kind::Input, "texLGrad", "Länge Grad", 1560, 1560, 495, 405, kCentre, kYellow},
    {Kind::Input, "texLMinute", "Länge Minuten", 2520, 1560, 495, 405, kCentre, kYellow},
    {Kind::Input, "texLSekunde", "Länge Sekunden", 3480, 1560, 1695, 405, 0, kYellow},
    {Kind::Group, nullptr, nullptr, 120, 720, 1455, 495},
    {Kind::Option, "optGradN", "N", 120, 120, 495, 285, kInner},
    {Kind::Option, "optGradS", "S", 720, 120, 495, 285, kInner},
    {Kind::Group, nullptr, nullptr, 120, 1560, 1455, 495},
    {Kind::Option, "optGradE", "E", 120, 120, 615, 285, kInner},
    {Kind::Option, "optGradW", "W", 720, 120, 615, 285, kInner},
    // Input mask 4: UTM civil
    {Kind::InputFrame, "fraZIV", nullptr, 7500, 1050, 7350, 2700},
    {Kind::Label, nullptr, "genau 7 Ziffern", 1680, 240, 1455, 255, kSmall | kCentre},
    {Kind::Label, nullptr, "[ m ]", 2160, 480, 495, 255, kSmall},
    {Kind::Label, "labZone", "Zone", 120, 600, 735, 255, kSmall | kCentre},
    {Kind::Input, "texZone", "Zone", 240, 840, 735, 405, 0, kCyan},
    {Kind::Label, "labRechts", "Rechts", 960, 900, 735, 375, kSmall | kRight},
    {Kind::Input, "texRechts", "Rechtswert", 1800, 840, 1215, 405, 0, kYellow},
    {Kind::Label, "labLimitsRechts", "", 3120, 840, 2535, 495, kSmall},
    {Kind::Label, "labHoch", "Hoch", 1080, 1500, 615, 375, kSmall | kRight},
    {Kind::Input, "texHoch", "Hochwert", 1800, 1440, 1215, 405, 0, kGreen},
    {Kind::Label, "labLimitsHoch", "", 3120, 1440, 2535, 495, kSmall},
    {Kind::Label, nullptr, "32U", 240, 1320, 375, 255, kSmall | kCentre | kExampleText},
    {Kind::Label, nullptr, "Beispiel", 120, 1560, 975, 255, kSmall | kExampleText},
    // Input mask 5: UTM military
    {Kind::InputFrame, "fraMIL", nullptr, 7500, 1050, 7350, 2250},
    {Kind::Label, nullptr, "Zone", 165, 720, 495, 255, kSmall},
    {Kind::Label, nullptr, "100km", 960, 720, 615, 255, kSmall},
    {Kind::Label, nullptr, "10km", 1800, 720, 495, 255, kSmall},
    {Kind::Label, nullptr, "1km", 2565, 720, 495, 255, kSmall},
    {Kind::Label, nullptr, "100 m", 3195, 720, 615, 255, kSmall},
    {Kind::Label, nullptr, "10 m", 3960, 720, 495, 255, kSmall},
    {Kind::Label, nullptr, "1 m", 4740, 720, 495, 255, kSmall},
    {Kind::Input, "texZoneM", "Zone", 120, 1080, 615, 405, 0, kCyan},
    {Kind::Input, "tex100km", "100-km-Quadrat", 960, 1080, 735, 405, 0, kBlue},
    {Kind::Input, "tex10km", "10 km", 1800, 1080, 495, 405, kCentre, kOrange},
    {Kind::Input, "tex1km", "1 km", 2520, 1080, 495, 405, kCentre, kOrange},
    {Kind::Input, "tex100m", "100 m", 3240, 1080, 495, 405, kCentre, kOrange},
    {Kind::Input, "tex10m", "10 m", 3960, 1080, 495, 405, kCentre, kOrange},
    {Kind::Input, "tex1m", "1 m", 4680, 1080, 495, 405, kCentre, kOrange},
    {Kind::Label, nullptr, "32U", 240, 1560, 375, 255, kSmall | kCentre | kExampleText},
    {Kind::Label, nullptr, "NU", 960, 1560, 615, 255, kSmall | kCentre | kExampleText},
    {Kind::Label, nullptr, "je 2 Ziffern", 1800, 1560, 3375, 375, kSmall | kCentre | kExampleText,
     kOrange},
    {Kind::Label, "labBeispiel", "Beispiel", 120, 1800, 975, 255, kSmall | kExampleText},
    // Input mask 6: UTM reference
    {Kind::InputFrame, "fraREF", nullptr, 7500, 1050, 7350, 2250},
    {Kind::Label, nullptr, "Zone", 165, 720, 495, 255, kSmall},
    {Kind::Label, nullptr, "100km", 960, 720, 615, 255, kSmall},
    {Kind::Label, nullptr, "Zifferngruppe", 1800, 720, 2175, 255, kSmall | kCentre},
    {Kind::Input, "texREFZone", "Zone", 120, 1080, 615, 405, 0, kCyan},
    {Kind::Input, "texREF100", "100-km-Quadrat", 960, 1080, 735, 405, 0, kBlue},
    {Kind::Input, "texREFZiffern", "Zifferngruppe", 1800, 1080, 2175, 405, kCentre, kBlue},
    {Kind::Label, nullptr, "32U", 240, 1560, 375, 255, kSmall | kCentre | kExampleText},
    {Kind::Label, nullptr, "NU", 960, 1560, 615, 255, kSmall | kCentre | kExampleText},
    {Kind::Label, nullptr, " Gerade Anzahl von Ziffern! 2; 4; 6; 8 oder 10", 1560, 1560, 2655, 495,
     kSmall | kCentre | kExampleText},
    {Kind::Label, nullptr, "Beispiel", 120, 1800, 975, 255, kSmall | kExampleText},
    // Input mask 7: Gauss-Krueger
    {Kind::InputFrame, "fraGK", nullptr, 7500, 1050, 7350, 3000},
    {Kind::Label, "labGKRechts", "Rechts [ m ]", 120, 480, 1455, 375, kRight},
    {Kind::Input, "texGKRechts", "Rechtswert", 1680, 480, 1575, 405, 0, kYellow},
    {Kind::Label, "labGKLimitsRechts", "", 3360, 480, 2535, 495, kSmall},
    {Kind::Label, nullptr, "Beispiel: 5366959.20", 960, 1080, 2175, 255, kSmall},
    {Kind::Label, "labGKHoch", "Hoch [ m ]", 360, 1485, 1215, 375, kRight},
    {Kind::Input, "texGKHoch", "Hochwert", 1680, 1440, 1575, 405, 0, kGreen},
    {Kind::Label, "labGKLimitsHoch", "", 3360, 1440, 2535, 495, kSmall},
    {Kind::SubFrame, "fraStreifenbreite", "Streifenbreite", 5640, 360, 1575, 735, kSmall},
    {Kind::Option, "optDrei", "3°", 240, 240, 615, 405, kInner, kGreyOption},
    {Kind::Option, "optSechs", "6°", 840, 240, 615, 375, kInner, kGreyOption},
    {Kind::Label, nullptr, "Bezugsmeridian abhängig von der Streifenbreite", 5520, 1200, 1695, 735,
     kSmall | kCentre},
    {Kind::Meridian, "texMeridian", "Bezugsmeridian", 5520, 2040, 1575, 400, kCentre},
    {Kind::Label, nullptr, "Das Programm rechnet intern mit einer gleichbleibenden Höhe von 300 m",
     120, 2640, 7095, 255, kSmall},
    // Input mask 8: UTM amtlich
    {Kind::InputFrame, "fraAMT", nullptr, 7500, 1050, 7350, 2250},
    {Kind::Label, "labAmtOst", "Ostwert [ m ]", 60, 480, 1920, 375, kRight},
    {Kind::Input, "texAmtOst", "Ostwert", 2040, 480, 2175, 405, 0, kYellow},
    {Kind::Label, nullptr, "Beispiel: 32399340.60", 4320, 540, 2895, 255, kSmall | kExampleText},
    {Kind::Label, "labAmtNord", "Nordwert [ m ]", 60, 1200, 1920, 375, kRight},
    {Kind::Input, "texAmtNord", "Nordwert", 2040, 1200, 2175, 405, 0, kGreen},
    {Kind::Label, nullptr, "Beispiel: 5928794.18", 4320, 1260, 2895, 255, kSmall | kExampleText},
    {Kind::Label, nullptr, "Ostwert = Zone und Rechtswert; ETRS89, nur Nordhalbkugel", 120, 1800,
     7095, 255, kSmall},
    // Output mask 1: decimal degrees
    {Kind::OutputFrame, "fraGradAUS", nullptr, 7500, 4995, 7350, 3000},
    {Kind::Label, nullptr, "Grad", 2280, 360, 615, 255, kSmall | kCentre},
    {Kind::Label, "labBreiteZ", "Breite", 600, 720, 855, 375, kRight},
    {Kind::Output, "texBreiteAUS", "Breite", 1560, 720, 3375, 405, kReadOnly, kGreen},
    {Kind::Label, "labLaengeZ", "Länge", 600, 1320, 855, 375, kRight},
    {Kind::Output, "texLaengeAUS", "Länge", 1560, 1320, 3375, 405, kReadOnly, kYellow},
    // Output mask 2: degrees and decimal minutes
    {Kind::OutputFrame, "fraGradMinAUS", nullptr, 7500, 4995, 7350, 3000},
    {Kind::Label, nullptr, "Grad", 1800, 360, 495, 255, kSmall | kCentre},
    {Kind::Label, nullptr, "Minuten", 3240, 360, 735, 255, kSmall | kCentre},
    {Kind::Label, nullptr, "Breite", 240, 760, 1215, 375, kRight},
    {Kind::Output, "texBreiteGradAUS", "Breite Grad", 1560, 720, 975, 405, kCentre | kReadOnly,
     kGreen},
    {Kind::Output, "texBreiteMinuteAUS", "Breite Minuten", 2760, 720, 1815, 405,
     kCentre | kReadOnly, kGreen},
    {Kind::Label, nullptr, "Länge", 120, 1620, 1335, 375, kRight},
    {Kind::Output, "texLaengeGradAUS", "Länge Grad", 1560, 1560, 975, 405, kCentre | kReadOnly,
     kYellow},
    {Kind::Output, "texLaengeMinuteAUS", "Länge Minuten", 2760, 1560, 1815, 405,
     kCentre | kReadOnly, kYellow},
    // Output mask 3: degrees, minutes, seconds
    {Kind::OutputFrame, "fraGradMinSekAUS", nullptr, 7500, 4995, 7350, 3000},
    {Kind::Label, nullptr, "Grad", 1800, 360, 495, 255, kSmall | kCentre},
    {Kind::Label, nullptr, "Minuten", 2700, 360, 735, 255, kSmall | kCentre},
    {Kind::Label, nullptr, "Sekunden", 3720, 360, 975, 255, kSmall | kCentre},
    {Kind::Label, nullptr, "Breite", 240, 760, 1215, 375, kRight},
    {Kind::Output, "texBGradAUS", "Breite Grad", 1560, 720, 975, 405, kCentre | kReadOnly, kGreen},
    {Kind::Output, "texBMinuteAUS", "Breite Minuten", 2760, 720, 615, 405, kCentre | kReadOnly,
     kGreen},
    {Kind::Output, "texBSekundeAUS", "Breite Sekunden", 3840, 720, 855, 405, kCentre | kReadOnly,
     kGreen},
    {Kind::Label, nullptr, "Länge", 120, 1620, 1335, 375, kRight},
    {Kind::Output, "texLGradAUS", "Länge Grad", 1560, 1560, 975, 405, kCentre | kReadOnly, kYellow},
    {Kind::Output, "texLMinuteAUS", "Länge Minuten", 2760, 1560, 615, 405, kCentre | kReadOnly,
     kYellow},
    {Kind::Output, "texLSekundeAUS", "Länge Sekunden", 3840, 1560, 855, 405, kCentre | kReadOnly,
     kYellow},
    // Output mask 4: UTM civil (read-only like every output: a result is
    // selected and copied, never changed by accident)
    {Kind::OutputFrame, "fraZIVAUS", nullptr, 7500, 4995, 7350, 3000},
    {Kind::Label, nullptr, "Zone", 120, 240, 735, 255, kSmall | kCentre},
    {Kind::Label, nullptr, "[ m ]", 2160, 240, 495, 255, kSmall},
    {Kind::Output, "texZone2", "Zone", 120, 600, 735, 405, kCentre | kReadOnly, kCyan},
    {Kind::Label, nullptr, "Rechts", 960, 660, 735, 375, kSmall | kRight},
    {Kind::Output, "texRechts2", "Rechtswert", 1800, 600, 1215, 405, kCentre | kReadOnly, kYellow},
    {Kind::Label, nullptr, "Hoch", 1080, 1380, 615, 375, kSmall | kRight},
    {Kind::Output, "texHoch2", "Hochwert", 1800, 1320, 1215, 405, kCentre | kReadOnly, kGreen},
    // Output mask 5: UTM military
    {Kind::OutputFrame, "fraMILAUS", nullptr, 7500, 4995, 7350, 3000},
    {Kind::Output, "texMilUTM", "UTM militärisch", 720, 840, 2775, 405, kCentre | kReadOnly, kBlue},
    // Output mask 6: UTM reference
    {Kind::OutputFrame, "fraREFAUS", nullptr, 7500, 4995, 7350, 3000},
    {Kind::Output, "texREFAUS", "UTM referentiell", 720, 840, 2775, 405, kCentre | kReadOnly,
     kBlue},
    // Output mask 7: Gauss-Krueger
    {Kind::OutputFrame, "fraGKAUS", nullptr, 7500, 4995, 7350, 3000},
    {Kind::Label, "labGKRechtsAUS", "Rechts [ m ]", 360, 480, 1455, 375, kRight},
    {Kind::Output, "texGKRechtsAUS", "Rechtswert", 1920, 480, 1695, 400, kRight | kReadOnly,
     kYellow},
    {Kind::SubFrame, "fraStreifenbreiteAUS", "Streifenbreite", 4080, 360, 1695, 615, kSmall},
    {Kind::Label, "labStreifenbreite", "", 600, 240, 855, 255, kInner},
    {Kind::Label, "labMeridianAUS", "Bezugsmeridian", 3960, 1305, 1695, 375, kSmall | kRight},
    {Kind::Label, "labGKHochAUS", "Hoch [ m ]", 480, 1560, 1335, 375, kRight},
    {Kind::Output, "texGKHochAUS", "Hochwert", 1920, 1560, 1695, 400, kRight | kReadOnly, kGreen},
    {Kind::Output, "texMeridianAUS", "Bezugsmeridian", 4110, 1560, 1575, 400, kCentre | kReadOnly,
     kYellow},
    // A neighbour strip on request, its central meridian in degrees.
    {Kind::Label, nullptr, "Meridian wählen", 5880, 360, 1380, 495, kSmall},
    {Kind::Input, "texStreifenWahl", "Bezugsmeridian wählen", 5880, 900, 735, 405, kCentre,
     kYellow},
    {Kind::Label, "labGKNachbar", "", 5880, 1560, 1395, 375, kSmall | kNote},
    {Kind::Label, nullptr, "Das Programm rechnet intern mit einer gleichbleibenden Höhe von 300 m",
     120, 2520, 7095, 255, kSmall},
    // Output mask 8: UTM amtlich
    {Kind::OutputFrame, "fraAMTAUS", nullptr, 7500, 4995, 7350, 3000},
    {Kind::Label, "labAmtOstAUS", "Ostwert [ m ]", 60, 480, 1755, 375, kRight},
    {Kind::Output, "texAmtOstAUS", "Ostwert", 1920, 480, 2175, 400, kRight | kReadOnly, kYellow},
    {Kind::Label, "labAmtNordAUS", "Nordwert [ m ]", 60, 1560, 1755, 375, kRight},
    {Kind::Output, "texAmtNordAUS", "Nordwert", 1920, 1560, 2175, 400, kRight | kReadOnly, kGreen},
    // A neighbour zone on request, by its number.
    {Kind::Label, nullptr, "Zone wählen (leer: eigene)", 4440, 240, 2775, 255, kSmall},
    {Kind::Input, "texZoneWahl", "Zone wählen", 4560, 480, 615, 405, kCentre, kCyan},
    {Kind::Label, "labAmtNachbar", "", 4440, 1560, 2775, 375, kSmall | kNote},
    {Kind::Label, nullptr, "Exakte transversale Mercatorprojektion (Krüger, 6. Ordnung)", 120, 2520,
     7095, 255, kSmall},
};

// Every row that makes a field, an option or a mask names an element of the
// calculation screen, so that the driver and the checks reach it.
constexpr bool rowsNameElements() {
    for (const Item& item : kMasks) {
        const bool element = item.kind == Kind::InputFrame || item.kind == Kind::OutputFrame ||
                             item.kind == Kind::Input || item.kind == Kind::Output ||
                             item.kind == Kind::Meridian || item.kind == Kind::Option;
        if (element && (!item.name || !elementByName(item.name)))
            return false;
    }
    return true;
}
static_assert(rowsNameElements(), "a field, option or mask row with a name that is no Element");

// Every notation's masks are in the table.
constexpr bool everyNotationHasItsMasks() {
    for (const Notation& n : kNotations) {
        bool input = false, output = false;
        for (const Item& item : kMasks) {
            if (!item.name)
                continue;
            input = input ||
                    (item.kind == Kind::InputFrame && elementByName(item.name) == n.inputFrame);
            output = output ||
                     (item.kind == Kind::OutputFrame && elementByName(item.name) == n.outputFrame);
        }
        if (!input || !output)
            return false;
    }
    return true;
}
static_assert(everyNotationHasItsMasks(), "an input and an output mask for every notation");

QString utf8(const char* text) {
    return text ? QString::fromUtf8(text) : QString();
}

Qt::Alignment horizontal(unsigned flags) {
    if (flags & kCentre)
        return Qt::AlignHCenter;
    if (flags & kRight)
        return Qt::AlignRight;
    return Qt::AlignLeft;
}

QFont fontOf(unsigned flags) {
    return (flags & kSmall) ? look::smallFont() : look::screenFont();
}

QWidget* makeLabel(const Item& item, QWidget* parent) {
    auto* label = new QLabel(utf8(item.text), parent);
    label->setAlignment(horizontal(item.flags) | Qt::AlignTop);
    label->setWordWrap(true);
    if (item.colour != kNone)
        look::setBackground(label, QColor(item.colour));
    if (item.flags & kExampleText)
        look::setTextColour(label, QColor(look::kExample));
    if (item.flags & kNote)
        label->setAccessibleName(QStringLiteral("Hinweis"));
    return label;
}

void styleField(QLineEdit* field, const Item& item) {
    field->setAlignment(horizontal(item.flags) | Qt::AlignVCenter);
    field->setReadOnly(item.flags & kReadOnly);
    field->setAccessibleName(utf8(item.text));
    look::setFieldColour(field, item.colour != kNone ? QColor(item.colour) : look::buttonFace());
}

QWidget* makeOutputField(const Item& item, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    styleField(field, item);
    // Told apart from the input field of the same quantity.
    field->setAccessibleName(utf8(item.text) + QStringLiteral(", Ergebnis"));
    field->setFocusPolicy(Qt::ClickFocus); // never reached by Tab
    return field;
}

QWidget* makeMeridianField(const Item& item, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    styleField(field, item);
    field->setReadOnly(true);
    field->setEnabled(false);
    field->setFocusPolicy(Qt::NoFocus);
    return field;
}

// What a screen reader says for an option's caption: the word, not the
// letter ("E" would be read as a letter, and means east).
QString spokenOption(const QString& caption) {
    static const std::pair<const char*, const char*> kWords[] = {
        {"N", "Nord"}, {"S", "Süd"},     {"E", "Ost"},
        {"W", "West"}, {"3°", "3 Grad"}, {"6°", "6 Grad"}};
    for (const auto& [letter, word] : kWords)
        if (caption == QString::fromUtf8(letter))
            return QString::fromUtf8(word);
    return caption;
}

QWidget* makeOption(const Item& item, QWidget* parent) {
    auto* option = new QRadioButton(utf8(item.text), parent);
    option->setAccessibleName(spokenOption(option->text()));
    const std::optional<Element> element = elementByName(item.name);
    option->setChecked(element && isOpeningOption(*element));
    if (item.colour != kNone)
        look::setBackground(option, QColor(item.colour));
    return option;
}

QGroupBox* makeFrame(const Item& item, QWidget* parent) {
    auto* frame = new QGroupBox(utf8(item.text), parent);
    look::setFrameLook(frame);
    frame->hide();
    return frame;
}

} // namespace

QGroupBox* MaskWidgets::frame(Element e) const {
    return static_cast<QGroupBox*>(byElement[static_cast<std::size_t>(e)]);
}

MaskWidgets buildMasks(QWidget* screen, const InputFieldFactory& makeInputField) {
    MaskWidgets masks;
    QGroupBox* mask = nullptr;
    QWidget* container = nullptr; // last sub-frame or option group
    for (const Item& item : kMasks) {
        QWidget* parent = (item.flags & kInner) ? container : mask;
        QWidget* widget = nullptr;
        switch (item.kind) {
        case Kind::InputFrame:
        case Kind::OutputFrame:
            mask = makeFrame(item, screen);
            widget = mask;
            break;
        case Kind::SubFrame:
            container = makeFrame(item, mask);
            container->show();
            widget = container;
            break;
        case Kind::Group:
            container = new QWidget(mask);
            widget = container;
            break;
        case Kind::Label:
            widget = makeLabel(item, parent);
            break;
        case Kind::Input:
            widget = makeInputField(*elementByName(item.name), parent); // checked at compile time
            styleField(static_cast<QLineEdit*>(widget), item);
            break;
        case Kind::Output:
            widget = makeOutputField(item, parent);
            break;
        case Kind::Meridian:
            widget = makeMeridianField(item, parent);
            break;
        case Kind::Option:
            widget = makeOption(item, parent);
            break;
        }
        widget->setFont(fontOf(item.flags));
        widget->setGeometry(look::twipRect(item.left, item.top, item.width, item.height));
        if (item.name) {
            widget->setObjectName(QString::fromLatin1(item.name));
            if (auto element = elementByName(item.name))
                masks.byElement[static_cast<std::size_t>(*element)] = widget;
        }
    }
    return masks;
}

} // namespace lw::ui
