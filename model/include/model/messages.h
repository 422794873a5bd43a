// Message boxes as the conversion procedures see them.
#pragma once

#include <string>
#include <string_view>

namespace lw {

enum class MessageIcon { Critical, Information, Question };

// Where the procedures show their modal message boxes. The box's title is
// always the program's ("Lagewandler"); only icon and text vary. A critical or
// information box has one OK button; the program asks no questions through here.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void showMessage(MessageIcon icon, const std::string& text) = 0;
};

// Line break inside message texts: carriage return plus line feed. The two
// Gauss-Krueger refusals (a point outside Germany, a UTM zone outside it) break
// with a single line feed instead.
inline constexpr std::string_view CRLF = "\r\n";

// UTM ends at 84 degrees north and 80 degrees south, where the polar
// stereographic grid (UPS) begins: shown when a latitude lies beyond. The
// checks of decimal degrees and of degrees, minutes and seconds show the
// northern text without its closing full stop.
inline constexpr std::string_view kNorthOfUtmText =
    "Die nördliche Breite muss kleiner sein als 84°.\r\n\r\nAb 84° beginnt UPS.";
inline constexpr std::string_view kNorthOfUtmTextWithoutStop =
    kNorthOfUtmText.substr(0, kNorthOfUtmText.size() - 1);
inline constexpr std::string_view kSouthOfUtmText =
    "Der Zahlenwert der südlichen Breite darf nicht größer sein als 80°.\r\n\r\n"
    "Danach beginnt UPS.";

// Shown when a computation meets impossible values (overflow, division by
// zero, an invalid operation, an integer out of range).
inline constexpr std::string_view kComputationErrorText =
    "Unmögliche Werte haben einen Fehler verursacht.\r\nÜberprüfen Sie Ihre Eingaben!";

inline void showComputationError(MessageSink& sink) {
    sink.showMessage(MessageIcon::Critical, std::string(kComputationErrorText));
}

} // namespace lw
