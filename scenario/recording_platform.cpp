#include "scenario/recording_platform.h"

#include "scenario/script.h"

#include <utility>

namespace lw::scenario {

std::string iconWord(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Critical:
        return "critical";
    case MessageIcon::Information:
        return "information";
    case MessageIcon::Question:
        return "question";
    }
    return "unknown";
}

RecordingPlatform::RecordingPlatform(std::function<void(const std::string&)> report)
    : report_(std::move(report)) {}

ui::Answer RecordingPlatform::messageBox(QWidget*, MessageIcon icon, const QString& text) {
    RecordedBox box{icon, text.toStdString()};
    report_("message " + iconWord(icon) + " " + quotedText(box.text));
    unchecked_.push_back(std::move(box));
    ++boxCount_;
    if (icon != MessageIcon::Question)
        return ui::Answer::Ok;
    return std::exchange(nextAnswer_, ui::Answer::No);
}

void RecordingPlatform::playSystemSound(const std::string& alias) {
    // An empty alias is the silent entry of the sound table: nothing is heard.
    if (alias.empty())
        return;
    ++sounds_;
    report_("sound");
}

void RecordingPlatform::quit() {
    quit_ = true;
}

int RecordingPlatform::takeSoundCount() {
    return std::exchange(sounds_, 0);
}

} // namespace lw::scenario
