// A recording stand-in for the calculation screen: holds texts, option states,
// visibility and focus, and logs every call in order, so that tests can assert
// the order of sound, message, output clearing and focus.
#pragma once

#include "model/screen.h"

#include <algorithm>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace lw::test {

struct ShownMessage {
    MessageIcon icon;
    std::string text;
};

class FakeScreen : public CalcScreen {
public:
    FakeScreen() {
        // Options as the screen opens: N, E and 3 degrees selected.
        for (Element e : {Element::optDezN, Element::optDezE, Element::optGMN, Element::optGME,
                          Element::optGradN, Element::optGradE, Element::optDrei})
            checked_[e] = true;
    }

    std::string text(Element e) const override {
        auto it = texts_.find(e);
        return it == texts_.end() ? std::string() : it->second;
    }
    void setText(Element e, const std::string& t) override {
        texts_[e] = t;
        if (logSetText)
            log.push_back("set " + std::string(elementName(e)) + "=" + t);
    }
    bool isChecked(Element option) const override {
        auto it = checked_.find(option);
        return it != checked_.end() && it->second;
    }
    void setFocus(Element e) override {
        focus = e;
        log.push_back("focus " + std::string(elementName(e)));
    }
    void selectAll(Element e) override { log.push_back("select " + std::string(elementName(e))); }
    void setEnabled(Element e, bool on) override {
        enabled_[e] = on;
        log.push_back(std::string(on ? "enable " : "disable ") + std::string(elementName(e)));
    }
    void setVisible(Element e, bool on) override {
        visible_[e] = on;
        log.push_back(std::string(on ? "show " : "hide ") + std::string(elementName(e)));
    }
    void playSystemSound(const std::string& alias) override {
        sounds.push_back(alias);
        log.push_back("sound " + alias);
    }
    std::string localeDecimalSeparator() const override { return decimalSeparator; }
    void showMessage(MessageIcon icon, const std::string& t) override {
        messages.push_back({icon, t});
        log.push_back(std::string(icon == MessageIcon::Critical      ? "critical: "
                                  : icon == MessageIcon::Information ? "information: "
                                                                     : "question: ") +
                      t);
    }
    void AusgabeReset() override {
        log.push_back("AusgabeReset");
        bool keep = logSetText;
        logSetText = false;
        CalcScreen::AusgabeReset();
        logSetText = keep;
    }

    // Test set-up helpers.
    void type(Element e, std::string t) { texts_[e] = std::move(t); }
    void check(Element option, Element partner) {
        checked_[option] = true;
        checked_[partner] = false;
    }
    bool isVisible(Element e, bool byDefault = true) const {
        auto it = visible_.find(e);
        return it == visible_.end() ? byDefault : it->second;
    }
    bool isEnabled(Element e, bool byDefault = true) const {
        auto it = enabled_.find(e);
        return it == enabled_.end() ? byDefault : it->second;
    }
    // The log lines that are not plain text writes.
    std::vector<std::string> events() const {
        std::vector<std::string> out;
        std::copy_if(log.begin(), log.end(), std::back_inserter(out),
                     [](const std::string& s) { return s.rfind("set ", 0) != 0; });
        return out;
    }
    // True when every output field is empty.
    bool outputEmpty() const {
        return std::all_of(kOutputFields.begin(), kOutputFields.end(),
                           [this](Element e) { return text(e).empty(); });
    }
    void clearLog() {
        log.clear();
        messages.clear();
        sounds.clear();
    }

    std::vector<std::string> log;
    std::vector<ShownMessage> messages;
    std::vector<std::string> sounds;
    Element focus = Element::Count_;
    std::string decimalSeparator = ".";
    bool logSetText = true;

private:
    std::map<Element, std::string> texts_;
    std::map<Element, bool> checked_;
    std::map<Element, bool> visible_;
    std::map<Element, bool> enabled_;
};

// A message sink that only records.
class RecordingMessages : public MessageSink {
public:
    void showMessage(MessageIcon icon, const std::string& t) override {
        messages.push_back({icon, t});
    }
    std::vector<ShownMessage> messages;
};

} // namespace lw::test
