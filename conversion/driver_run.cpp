#include "conversion/driver_run.h"

#include "procedures/procedures.h"
#include "validation/refusal.h"

#include <algorithm>

namespace lw {
namespace {

using Kind = ScreenStep::Kind;

template <class List> bool holds(const List& list, Element e) {
    return std::find(list.begin(), list.end(), e) != list.end();
}

const std::string* latestWrite(const ScreenSteps& writes, Element e) {
    auto it = std::find_if(writes.rbegin(), writes.rend(),
                           [e](const ScreenStep& write) { return write.element == e; });
    return it != writes.rend() ? &it->text : nullptr;
}

const std::string* messageOf(const ScreenStep& step) {
    return step.kind == Kind::Message ? &step.text : nullptr;
}

const std::string& emptyText() {
    static const std::string empty;
    return empty;
}

} // namespace

bool isOutputSide(Element e) {
    return isEmptiedByReset(e) || e == Element::texStreifenWahl || e == Element::texZoneWahl;
}

bool isEmptiedByReset(Element e) {
    return holds(kOutputFields, e) || holds(kAllNotationsRows, e) || e == Element::labGenauigkeit;
}

std::string RunRecord::text(Element e, bool withHeldBack) const {
    // The latest write wins, as it would on the screen.
    if (withHeldBack)
        if (const std::string* held = latestWrite(outcome_.heldBack, e))
            return *held;
    if (const std::string* written = outcome_.textAfter(e))
        return *written;
    return mask_.text(e);
}

void ScreenSteps::push(ScreenStep::Kind kind, Element e, MessageIcon icon, std::string_view text) {
    if (size_ == items_.size())
        items_.emplace_back();
    ScreenStep& step = items_[size_++];
    step.kind = kind;
    step.element = e;
    step.icon = icon;
    step.text.assign(text);
}

void RunRecord::reset() {
    outcome_.heldBack.clear();
    take(Kind::Reset);
}

void RunRecord::commit() {
    for (const ScreenStep& held : outcome_.heldBack)
        take(Kind::SetText, held.element, held.text);
    outcome_.heldBack.clear();
}

void RunScreenView::setText(Element e, const std::string& text) {
    if (writes_ == Writes::HeldBack)
        record_.hold(e, text);
    else
        record_.take(ScreenStep::Kind::SetText, e, text);
}

const std::string* PointOutcome::firstMessage() const {
    for (const ScreenStep& step : steps)
        if (const std::string* message = messageOf(step))
            return message;
    return nullptr;
}

const std::string* PointOutcome::lastMessage() const {
    for (auto it = steps.rbegin(); it != steps.rend(); ++it)
        if (const std::string* message = messageOf(*it))
            return message;
    return nullptr;
}

const std::string* PointOutcome::textAfter(Element field) const {
    for (auto it = steps.rbegin(); it != steps.rend(); ++it) {
        if (it->kind == Kind::SetText && it->element == field)
            return &it->text;
        if (it->kind == Kind::Reset && isEmptiedByReset(field))
            return &emptyText();
    }
    return nullptr;
}

void carryOut(CalcScreen& screen, const PointOutcome& outcome) {
    for (const ScreenStep& step : outcome.steps) {
        switch (step.kind) {
        case Kind::SetText:
            screen.setText(step.element, step.text);
            break;
        case Kind::Focus:
            screen.setFocus(step.element);
            break;
        case Kind::SelectAll:
            screen.selectAll(step.element);
            break;
        case Kind::Enable:
            screen.setEnabled(step.element, true);
            break;
        case Kind::Disable:
            screen.setEnabled(step.element, false);
            break;
        case Kind::Show:
            screen.setVisible(step.element, true);
            break;
        case Kind::Hide:
            screen.setVisible(step.element, false);
            break;
        case Kind::Sound:
            screen.playSystemSound(step.text);
            break;
        case Kind::Message:
            screen.showMessage(step.icon, step.text);
            break;
        case Kind::Reset:
            screen.AusgabeReset();
            break;
        }
    }
}

// Through the run's output view, which drops what the run has held back.
void refuseOutput(DriverRun& run, const std::string& message) {
    refusal::refuseCritical(run.out, message);
}

std::string utmEllipsoidText(const std::string& ellipsoidName) {
    if (ellipsoidName == kGRS80)
        return kUtmTextGrs80;
    if (ellipsoidName == kHayford)
        return kUtmTextHayford;
    return std::string();
}

} // namespace lw
