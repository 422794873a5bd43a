// What one conversion of a point returns: how it ended, and everything it
// does to the screen as data, in order. The calculation screen carries the
// steps out; the list of every notation and the list converter read the
// texts and the message from them and show nothing.
#pragma once

#include "geodesy/datum.h"
#include "model/messages.h"
#include "model/screen.h"

#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lw {

// How one conversion ended.
enum class RunEnd {
    InputRefused, // the input's check or procedures refused it (and said why)
    NoOutput,     // the point has no place in the output notation (it was said why)
    Written,      // the result is in the output mask
};

// One thing the screen is to do.
struct ScreenStep {
    enum class Kind : unsigned char {
        SetText,   // element, text
        Focus,     // element (the field's focus handler runs)
        SelectAll, // element
        Enable,    // element
        Disable,   // element
        Show,      // element
        Hide,      // element
        Sound,     // text: the system sound's alias
        Message,   // icon, text
        Reset,     // AusgabeReset
    };
    Kind kind = Kind::Reset;
    Element element = Element::Count_;
    MessageIcon icon = MessageIcon::Critical;
    std::string text;
};

// Steps in order. Emptied for the next run without giving back the memory of
// their texts: a list converts hundreds of thousands of points through one
// outcome, and each output text would otherwise be allocated anew.
class ScreenSteps {
public:
    void clear() { size_ = 0; }
    void push(ScreenStep::Kind kind, Element e, MessageIcon icon, std::string_view text);
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    const ScreenStep& operator[](std::size_t i) const { return items_[i]; }
    const ScreenStep* begin() const { return items_.data(); }
    const ScreenStep* end() const { return items_.data() + size_; }
    std::reverse_iterator<const ScreenStep*> rbegin() const {
        return std::reverse_iterator<const ScreenStep*>(end());
    }
    std::reverse_iterator<const ScreenStep*> rend() const {
        return std::reverse_iterator<const ScreenStep*>(begin());
    }

private:
    std::vector<ScreenStep> items_; // the first size_ are the steps
    std::size_t size_ = 0;
};

struct PointOutcome {
    RunEnd end = RunEnd::InputRefused;
    ScreenSteps steps; // in the order the screen is to take them
    // The output texts a run holds back until it has finished without a
    // failure; empty once it has returned. Here, not in the run, so that
    // their memory serves the next point of a list.
    ScreenSteps heldBack;
    // Where the point lies on GRS80 (WGS 84), degrees south and west
    // negative, when the run went that far: every run that converted its
    // input (not an input copied into an output of its own notation).
    std::optional<GeoPoint> grs80;
    // The point on the target ellipsoid, where the run got there.
    std::optional<GeoPoint> target;

    // The text of the first message box, or nullptr when none is shown.
    const std::string* firstMessage() const;
    // The text of the last message box, or nullptr when none is shown.
    const std::string* lastMessage() const;
    // What `field` shows once the steps are taken, where they write it:
    // its last text (empty after a reset that empties it); nullptr where
    // the steps leave the field as it was.
    const std::string* textAfter(Element field) const;
};

// Elements a run writes as its result, and the output choices it reads.
bool isOutputSide(Element e);

// The input mask and its options of a screen, without its output side: a
// run for another job than the screen's (a line of the list of every
// notation, the run for a result's position) sees its own writes there or
// nothing, never what the screen shows for its own job (a strip chosen for
// a single Gauss-Krueger output).
class InputMask final : public MaskView {
public:
    explicit InputMask(const MaskView& screen) : screen_(screen) {}
    std::string text(Element e) const override {
        return isOutputSide(e) ? std::string() : screen_.text(e);
    }
    bool isChecked(Element option) const override { return screen_.isChecked(option); }
    std::string localeDecimalSeparator() const override { return screen_.localeDecimalSeparator(); }

private:
    const MaskView& screen_;
};

// Whether the output reset (AusgabeReset) empties the element.
bool isEmptiedByReset(Element e);

// Takes the steps on the screen, in their order.
void carryOut(CalcScreen& screen, const PointOutcome& outcome);

} // namespace lw
