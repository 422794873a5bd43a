// The calculation screen and its list of points: a text of several lines
// pasted into the first field of the input mask is offered as a list, and
// the list shows in place of the output mask until the user leaves it.
#include "conversion/pasted_notation.h"
#include "lists/engine.h"
#include "lists/job_task.h"
#include "lists/pasted_list.h"
#include "lists/table.h"
#include "model/notations.h"
#include "ui/calculation_screen.h"
#include "ui/look.h"
#include "ui/point_list.h"
#include "ui/texts.h"
#include "ui/widgets.h"
#include "ui/zoom.h"

#include <QLabel>
#include <QLineEdit>

namespace lw::ui {
namespace {

// Below the list, in twips: the accuracy line, "Neue Startoptionen wählen"
// and the quit label keep the distances they keep below an output mask.
constexpr int kListBottom = 4995 + 4800;
constexpr int kAccuracyTop = 7995, kStartoptionTop = 8250, kBeendenTop = 8775;

constexpr const char* kNoListForAllNotations =
    "Eine Punktliste wird in ein Ausgabeformat umgerechnet. Wählen Sie mit \"Neue "
    "Startoptionen wählen\" ein Ausgabeformat statt \"Alle Schreibweisen\".";

QString listQuestion(std::size_t lines) {
    return QStringLiteral("Der eingefügte Text hat %1 Zeilen. Als Punktliste umrechnen?")
        .arg(lines);
}

} // namespace

void CalculationScreen::buildPointList() {
    points_ = new PointList(
        this,
        [this] {
            return platform_.saveFileName(
                this, listSaveName_.isEmpty() ? QStringLiteral("Punktliste.txt") : listSaveName_);
        },
        [this](const QString& error) { platform_.messageBox(this, MessageIcon::Critical, error); });
}

lists::Options CalculationScreen::pointListOptions() const {
    lists::Options options;
    if (const auto task = lists::taskOfJob(state_.job, text(Element::texZoneWahl),
                                           text(Element::texStreifenWahl)))
        options.task = *task;
    return options;
}

// Every notation of a point is a list already; a list of points is
// converted into one.
bool CalculationScreen::refuseListForAllNotations() {
    if (state_.job.FormatAUS != kAlleSchreibweisen)
        return false;
    platform_.messageBox(this, MessageIcon::Information, QString::fromUtf8(kNoListForAllNotations));
    return true;
}

void CalculationScreen::showPointList(std::string bytes, const lists::Options& options) {
    listSaveName_.clear();
    if (refuseListForAllNotations())
        return;
    if (const std::optional<std::string> fault = lists::checkTask(options.task)) {
        platform_.messageBox(this, MessageIcon::Critical, QString::fromStdString(*fault));
        return;
    }
    AusgabeReset();
    if (const Notation* out = notationOf(outputFormatOfTask(state_.job.Aufgabe)))
        widget(out->outputFrame)->hide();
    widget(Element::fraAlleAUS)->hide();
    const int out = outputFormatOfTask(state_.job.Aufgabe);
    const QString caption =
        out ? texts::outputCaption(out, QString::fromStdString(state_.job.ZielEllipsoid))
            : QString();
    points_->start(std::move(bytes), options, localeDecimalSeparator(), caption);
    placeForPointList(true);
    points_->view()->setFocus(Qt::OtherFocusReason);
}

std::string CalculationScreen::pointListText() const {
    return points_->shown() ? points_->text() : std::string();
}

bool CalculationScreen::showsPointList() const {
    return points_->shown();
}

void CalculationScreen::leavePointList() {
    if (!points_->shown())
        return;
    points_->leave();
    placeForPointList(false);
    if (state_.job.FormatAUS != kAlleSchreibweisen && showsOutputMask(state_.job))
        if (const Notation* out = notationOf(outputFormatOfTask(state_.job.Aufgabe)))
            widget(out->outputFrame)->show();
}

// With the list, "Ergebnis kopieren" and the place line have nothing to
// show (the list has both a line), and what stands below the output mask
// moves below the list; without it, all is as the screen was built.
void CalculationScreen::placeForPointList(bool shown) {
    comKopieren_->setVisible(!shown);
    labLage_->setVisible(!shown);
    const int accuracyTop = shown ? kListBottom : kAccuracyTop;
    QWidget* accuracy = widget(Element::labGenauigkeit);
    const QRect was = layoutGeometry(accuracy);
    accuracy->setGeometry(was.left(), look::px(accuracyTop), was.width(), was.height());
    comStartoption_->move(0, look::px(accuracyTop + kStartoptionTop - kAccuracyTop));
    labBeenden_->move(labBeenden_->x(), look::px(accuracyTop + kBeendenTop - kAccuracyTop));
    placeSampleButton();
}

// Two lines or more that are no one coordinate (latitude and longitude on
// two lines are one) ask whether to convert them as a list.
// Nein pastes the first line as a paste of one line goes in.
bool CalculationScreen::offerPointList(Element field, int notation, const std::string& pasted) {
    if (state_.job.FormatAUS == kAlleSchreibweisen)
        return false;
    if (!lists::isPastedList(pasted, notation, state_.job.StartEllipsoid))
        return false;
    const lists::PastedLines lines = lists::pastedLines(pasted);
    if (platform_.messageBox(this, MessageIcon::Question, listQuestion(lines.count)) !=
        Answer::Yes) {
        pasteFirstLine(field, notation, std::string(lines.first));
        return true;
    }
    showPointList(std::string(lines.text), pointListOptions());
    return true;
}

void CalculationScreen::pasteFirstLine(Element field, int notation, const std::string& line) {
    if (offerGrs80Start(notation, line) || offerOtherNotation(notation, line) ||
        fillMask(notation, line))
        return;
    auto* edit = qobject_cast<QLineEdit*>(widget(field));
    if (const std::optional<std::string> typed = typedPaste(field, line); typed && edit)
        edit->insert(QString::fromStdString(*typed));
}

} // namespace lw::ui
