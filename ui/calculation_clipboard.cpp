// The calculation screen and the clipboard: "Ergebnis kopieren" puts the
// shown result on it as one line, and a whole coordinate pasted into the
// first field of the input mask fills the mask as if typed.
#include "conversion/all_notations.h"
#include "conversion/pasted_coordinate.h"
#include "conversion/pasted_notation.h"
#include "conversion/result_line.h"
#include "model/notations.h"
#include "text/utf8.h"
#include "ui/all_notations_frame.h"
#include "ui/calculation_screen.h"
#include "ui/look.h"
#include "ui/widgets.h"
#include "validation/field_events.h"
#include "validation/field_rules.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QShortcut>

namespace lw::ui {
namespace {

constexpr const char* kCopyCaption = "Ergebnis kopieren";
constexpr const char* kCopiedCaption = "Kopiert";
constexpr const char* kLineCopiedCaption = "Zeile kopiert";

// Below "Berechnung", left of the output masks (which start at 7500), so
// that nothing of the screen moves or is covered, on 1024 x 768 too.
constexpr int kCopyLeft = 3900, kCopyTop = 4995, kCopyWidth = 3495, kCopyHeight = 450;

} // namespace

void CalculationScreen::buildCopyButton() {
    comKopieren_ = new ScreenButton(QString::fromUtf8(kCopyCaption), this);
    comKopieren_->setObjectName(QStringLiteral("comKopieren"));
    comKopieren_->setGeometry(look::twipRect(kCopyLeft, kCopyTop, kCopyWidth, kCopyHeight));
    look::setButtonColour(comKopieren_, QColor(look::kGrey));
    comKopieren_->setEnabled(false);
    connect(comKopieren_, &QPushButton::clicked, this, &CalculationScreen::copyResult);

    auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), this);
    connect(shortcut, &QShortcut::activated, this, [this] {
        if (comKopieren_->isEnabled())
            copyResult();
    });

    for (Element e : kOutputFields)
        if (auto* field = qobject_cast<QLineEdit*>(widget(e)))
            connect(field, &QLineEdit::textChanged, this, &CalculationScreen::outputChanged);
}

std::string CalculationScreen::shownResultLine() const {
    if (state_.job.FormatAUS == kAlleSchreibweisen)
        return widget(Element::fraAlleAUS)->isVisibleTo(this) ? allNotationsText(*this)
                                                              : std::string();
    const Notation* notation = notationOf(outputFormatOfTask(state_.job.Aufgabe));
    if (!notation || !widget(notation->outputFrame)->isVisibleTo(this))
        return std::string();
    const int format = notation->code;
    std::vector<std::string> texts;
    for (Element e : outputMaskFields(format))
        texts.push_back(text(e));
    return resultLine(format, state_.job.ZielEllipsoid, texts);
}

void CalculationScreen::copyResult() {
    std::string line = shownResultLine();
    if (line.empty())
        return;
    // The whole list says where its point lies; a single result's line
    // stays a coordinate that can be pasted again.
    if (state_.job.FormatAUS == kAlleSchreibweisen && !labLage_->text().isEmpty())
        line += "\n" + labLage_->text().toStdString();
    QGuiApplication::clipboard()->setText(QString::fromStdString(line));
    comKopieren_->setText(QString::fromUtf8(kCopiedCaption));
}

// One line of the list: its copy line alone, as "Ergebnis kopieren" copies a
// single result. A line that gives a reason is disabled and copies nothing.
void CalculationScreen::copyListLine(Element line) {
    const std::string value = text(line);
    if (value.empty() || list_->isGreyed(widget(line)))
        return;
    QGuiApplication::clipboard()->setText(QString::fromStdString(value));
    comKopieren_->setText(QString::fromUtf8(kLineCopiedCaption));
}

// A new, changed or cleared result: "Kopiert" no longer holds, and the
// place line goes with the result it belongs to.
void CalculationScreen::outputChanged() {
    comKopieren_->setText(QString::fromUtf8(kCopyCaption));
    const bool shown = !shownResultLine().empty();
    comKopieren_->setEnabled(shown);
    if (!shown && labLage_)
        setPlaceLine(QString());
}

bool CalculationScreen::fieldPaste(Element field, const std::string& pasted) {
    // A new paste leaves a list shown; several lines may make a new one.
    leavePointList();
    const Notation* notation = notationOfInputField(field);
    if (!notation || !takesWholeCoordinate(field))
        return false;
    if (offerPointList(field, notation->code, pasted))
        return true;
    // A link in a Bessel or Hayford mask, then another notation's coordinate
    // are offered first: the mask's own reader takes numbers that are no
    // coordinate of it too (and its filters then refuse them, as they do
    // after No).
    return offerGrs80Start(notation->code, pasted) || offerOtherNotation(notation->code, pasted) ||
           fillMask(notation->code, pasted);
}

// A text no reader takes goes in as typed, through the field's key filter.
std::optional<std::string> CalculationScreen::typedPaste(Element field, const std::string& pasted) {
    return lw::typeIntoField(*this, state_, field, pasted);
}

bool CalculationScreen::fillMask(int notation, const std::string& pasted) {
    const std::optional<PastedCoordinate> coordinate =
        recognisePastedCoordinate(notation, pasted, state_.job.StartEllipsoid);
    if (!coordinate)
        return false;
    for (Element option : coordinate->options)
        if (auto* button = qobject_cast<QAbstractButton*>(widget(option)))
            button->setChecked(true);
    AusgabeReset(); // as a click on a hemisphere option, or entering a field, does
    for (const auto& [target, part] : coordinate->fields)
        typeIntoField(target, part);
    return true;
}

// A link or geo URI in a Bessel or Hayford mask: its position is WGS 84, so
// the start ellipsoid is asked to become GRS80 (and the input decimal
// degrees). Ja fills the mask of the switched job; Nein pastes nothing.
bool CalculationScreen::offerGrs80Start(int ownNotation, const std::string& pasted) {
    if (!asksForGrs80Start(pasted, state_.job.StartEllipsoid))
        return false;
    const QString question = QString::fromStdString(grs80StartQuestion(ownNotation, pasted));
    if (platform_.messageBox(this, MessageIcon::Question, question) != Answer::Yes)
        return true;
    switchJob(jobOnGrs80Start(state_.job));
    fillMask(kGradDezimal, pasted);
    return true;
}

// A whole coordinate of another notation: asked whether the input is to
// switch to it. Nein pastes nothing: the text is that notation's, and typed
// into this mask it would only meet the filter's refusal.
bool CalculationScreen::offerOtherNotation(int ownNotation, const std::string& pasted) {
    const std::optional<int> other =
        otherNotationOfPaste(pasted, state_.job.StartEllipsoid, ownNotation);
    if (!other)
        return false;
    const QString question = QString::fromStdString(notationSwitchQuestion(*other, pasted));
    if (platform_.messageBox(this, MessageIcon::Question, question) != Answer::Yes)
        return true;
    switchInputNotation(*other);
    fillMask(*other, pasted);
    return true;
}

void CalculationScreen::pasteIntoInputMask(const std::string& pasted) {
    if (const int input = inputFormatOfTask(state_.job.Aufgabe))
        fillMask(input, pasted);
}

// Each character goes through the field's key handler as a typed one does
// (upper case, filter with its refusal message, comma to point); the part
// replaces the field's text as typing over the selected text would.
void CalculationScreen::typeIntoField(Element field, const std::string& part) {
    std::u32string typed;
    for (char32_t c : utf8::decode(part))
        if (const char32_t kept = fieldKeyPress(field, c))
            typed += kept;
    setText(field, utf8::encode(typed));
}

} // namespace lw::ui
