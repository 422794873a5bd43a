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

// Shown when a computation meets impossible values (overflow, division by
// zero, an invalid operation, an integer out of range).
inline constexpr std::string_view kComputationErrorText =
    "Unmögliche Werte haben einen Fehler verursacht.\r\nÜberprüfen Sie Ihre Eingaben!";

inline void showComputationError(MessageSink& sink) {
    sink.showMessage(MessageIcon::Critical, std::string(kComputationErrorText));
}

} // namespace lw
