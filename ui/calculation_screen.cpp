#include "ui/calculation_screen.h"

#include "conversion/driver.h"
#include "conversion/pasted_notation.h"
#include "conversion/result_position.h"
#include "model/all_notations.h"
#include "model/notations.h"
#include "places/describe.h"
#include "places/place_files.h"
#include "ui/all_notations_frame.h"
#include "ui/look.h"
#include "ui/place_map.h"
#include "ui/point_list.h"
#include "ui/texts.h"
#include "ui/widgets.h"
#include "ui/zoom.h"
#include "validation/field_events.h"
#include "validation/validators.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>

#include <algorithm>
#include <cmath>

namespace lw::ui {
namespace {

using look::twipRect;

constexpr const char* kTitle = "Beachten Sie bitte den Hinweis zur Zahleneingabe";
constexpr const char* kQuitCaption = "     Lagewandler beenden (Doppelklick)     ";

// Geometry in twips.
constexpr int kNormalWidth = 15360, kNormalHeight = 11520;
constexpr int kMargin = 75;
constexpr int kHintWidth = 4350, kHintHeight = 4200;
constexpr int kButtonWidth = 14850, kButtonHeight = 450;
constexpr int kRechnenTop = 4350, kStartoptionTop = 8250, kBeendenTop = 8775;
constexpr int kSampleLeft = 240, kSampleTop = 11040, kSampleWidth = 3495, kSampleHeight = 495;
// The accuracy line fills the gap between the output masks (top 4995, height
// 3000) and "Neue Startoptionen wählen", ending at the masks' right edge.
constexpr int kAccuracyTop = 7995, kAccuracyHeight = 255;
// The place line stands under "Ergebnis kopieren", left of the output masks
// and the list of every notation alike, down to the accuracy line.
constexpr int kPlaceLeft = 3900, kPlaceTop = 5550, kPlaceWidth = 3495, kPlaceHeight = 2400;
// The map beside the masks where the window has room right of them (from
// 1366 x 768 on), level with the input mask, at least this wide; else in the
// hint panel's place, which the input needs again only once the output goes.
// Its right margin leaves room for the screen's scroll bar (the list of
// every notation may need it) at every zoom.
constexpr int kMapLeft = 15000, kMapTop = 1050, kMapMinWidth = 3000, kMapMaxWidth = 9000;
constexpr int kMapRightMargin = 300;

// Tab order after the input fields: mask 1's groups come before
// "Berechnung", those of masks 2, 3 and 7 after it. "Ergebnis kopieren"
// follows "Berechnung" at once: the result just computed is one Tab away,
// and the sample button can no longer be pressed by mistake on the way.
constexpr Element kOptionsBeforeRechnen[] = {Element::optDezE, Element::optDezW, Element::optDezN,
                                             Element::optDezS};
constexpr Element kOptionsAfterRechnen[] = {
    Element::optGME,   Element::optGMW,   Element::optGMN,   Element::optGMS,  Element::optGradN,
    Element::optGradS, Element::optGradE, Element::optGradW, Element::optDrei, Element::optSechs,
};

std::string toStd(const QString& text) {
    return text.toStdString();
}
QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

// Only the selected option of a group is a tab stop.
void followSelection(QRadioButton* option) {
    option->setFocusPolicy(option->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
}

// The frame's readable name, and its options named with it ("Nord, Eingabe:
// Ellipsoid GRS80, Grad (dezimal)"), so that options of the same letter in
// different masks cannot be confused.
void nameForScreenReaders(QGroupBox* frame, bool input) {
    const QString name = texts::maskAccessibleName(input, frame->title());
    frame->setAccessibleName(name);
    // Containers inside the mask would otherwise be read with the mask's
    // caption: a sub-frame by its own caption, an option pair by its options.
    for (QWidget* container : frame->findChildren<QWidget*>()) {
        if (auto* sub = qobject_cast<QGroupBox*>(container)) {
            sub->setAccessibleName(sub->title());
        } else if (container->metaObject() == &QWidget::staticMetaObject) {
            QStringList options;
            for (QRadioButton* option : container->findChildren<QRadioButton*>())
                options << option->accessibleName();
            container->setAccessibleName(options.join(QStringLiteral(" oder ")));
        }
    }
    for (QRadioButton* option : frame->findChildren<QRadioButton*>())
        option->setAccessibleName(option->accessibleName() + QStringLiteral(", ") + name);
}

} // namespace

CalculationScreen::CalculationScreen(QWidget* owner, ProgramState& state, Platform& platform)
    : QWidget(owner, Qt::Window), state_(state), platform_(platform) {
    setObjectName(QStringLiteral("foBerechnungen"));
    setWindowTitle(QString::fromLatin1(kTitle));
    // The selection screen stays open behind this one but cannot be used
    // until the return: its activation would change the job's ellipsoids
    // under the open masks.
    setWindowModality(Qt::WindowModal);
    look::setScreenLook(this);
    setFont(look::screenFont());
    resize(look::px(kNormalWidth), look::px(kNormalHeight));
    move(0, 0);
    buildScreenElements();
    masks_ = buildMasks(this, [this](Element field, QWidget* parent) {
        auto* input = new InputField(field, *this, parent);
        inputFields_.push_back(input);
        return input;
    });
    list_ = new AllNotationsList(
        this, masks_, [this](Element line) { copyListLine(line); },
        [this](bool textsChanged) {
            placeBelowList();
            if (textsChanged)
                outputChanged();
        });
    for (auto e : {Element::labEingabe, Element::comRechnen, Element::comStartoption,
                   Element::comKrummboegleGrad, Element::labBeenden, Element::labGenauigkeit}) {
        QWidget* w = findChild<QWidget*>(QString::fromLatin1(
            elementName(e).data(), static_cast<qsizetype>(elementName(e).size())));
        masks_.byElement[static_cast<std::size_t>(e)] = w;
    }
    buildCopyButton();
    buildPointList();
    buildListFileButton();
    connectOptions();
    setTabOrder();
    MaskenEinrichten();
    installZoom(this);
}

void CalculationScreen::buildScreenElements() {
    labEingabe_ = new QLabel(this);
    labEingabe_->setObjectName(QStringLiteral("labEingabe"));
    labEingabe_->setGeometry(twipRect(kMargin, kMargin, kHintWidth, kHintHeight));
    labEingabe_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    labEingabe_->setWordWrap(true);
    look::setBackground(labEingabe_, QColor(look::kInputHint));

    auto button = [this](const char* name, const char* caption, QRect geometry) {
        auto* b = new ScreenButton(QString::fromUtf8(caption), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(geometry);
        return b;
    };
    comRechnen_ =
        button("comRechnen", "Berechnung", twipRect(0, kRechnenTop, kButtonWidth, kButtonHeight));
    look::setButtonColour(comRechnen_, QColor(look::kGrey));
    connect(comRechnen_, &QPushButton::clicked, this, [this] {
        leavePointList(); // the point typed is one point
        comRechnenClick(*this, state_);
        showPlace();
    });

    comStartoption_ = button("comStartoption", "Neue Startoptionen wählen",
                             twipRect(0, kStartoptionTop, kButtonWidth, kButtonHeight));
    look::setButtonColour(comStartoption_, QColor(look::kGrey));
    connect(comStartoption_, &QPushButton::clicked, this, [this] {
        leavePointList();
        emit returnRequested();
    });

    comKrummboegleGrad_ = button("comKrummboegleGrad", "Krummbögle in Grad",
                                 twipRect(kSampleLeft, kSampleTop, kSampleWidth, kSampleHeight));
    connect(comKrummboegleGrad_, &QPushButton::clicked, this, &CalculationScreen::fillSamplePoint);

    auto* labGenauigkeit = new QLabel(this);
    labGenauigkeit->setObjectName(QStringLiteral("labGenauigkeit"));
    labGenauigkeit->setFont(look::smallFont());
    labGenauigkeit->setGeometry(twipRect(0, kAccuracyTop, kButtonWidth, kAccuracyHeight));
    labGenauigkeit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    labLage_ = new QLabel(this);
    labLage_->setObjectName(QStringLiteral("labLage"));
    labLage_->setGeometry(twipRect(kPlaceLeft, kPlaceTop, kPlaceWidth, kPlaceHeight));
    labLage_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    labLage_->setWordWrap(true);

    picKarte_ = new PlaceMap(this);
    picKarte_->hide();

    labBeenden_ = new ClickableLabel(QString::fromLatin1(kQuitCaption), this);
    labBeenden_->setObjectName(QStringLiteral("labBeenden"));
    labBeenden_->setGeometry(twipRect(0, kBeendenTop, kButtonWidth, kButtonHeight));
    labBeenden_->setAlignment(Qt::AlignCenter);
    look::setBackground(labBeenden_, QColor(look::kQuit));
    labBeenden_->adjustSize();                 // sized to its caption
    labBeenden_->setFocusPolicy(Qt::TabFocus); // a click on it must not take the focus from a field
    connect(labBeenden_, &ClickableLabel::doubleClicked, this, [this] {
        platform_.quit(); // the process ends here; nothing may follow
    });
    // From the keyboard the label asks first, as "Lagewandler beenden" does:
    // a stray Enter must not end the program.
    connect(labBeenden_, &ClickableLabel::activated, this, [this] {
        if (platform_.messageBox(this, MessageIcon::Question, texts::quitQuestion()) == Answer::Yes)
            platform_.quit();
    });
}

void CalculationScreen::connectOptions() {
    // A click on a hemisphere option changes the input: the output goes.
    for (const Notation& notation : kNotations)
        for (Element e : notation.hemisphereOptions)
            connect(static_cast<QRadioButton*>(widget(e)), &QRadioButton::clicked, this,
                    [this] { AusgabeReset(); });
    // The easting limits depend on the strip width; the labels follow it.
    connect(static_cast<QRadioButton*>(widget(Element::optSechs)), &QRadioButton::toggled, this,
            [this] {
                if (inputFormatOfTask(state_.job.Aufgabe) == kGaussKrueger)
                    GKLimitsZeigen(*this, state_.calc);
            });
    for (QRadioButton* option : findChildren<QRadioButton*>()) {
        followSelection(option);
        connect(option, &QRadioButton::toggled, option, [option] { followSelection(option); });
    }
}

void CalculationScreen::setTabOrder() {
    std::vector<QWidget*> order(inputFields_.begin(), inputFields_.end());
    for (Element e : kOptionsBeforeRechnen)
        order.push_back(widget(e));
    order.push_back(comRechnen_);
    order.push_back(comKopieren_);    // disabled, and so skipped, while the output is empty
    order.push_back(points_->view()); // the list of points, only while it shows
    order.push_back(points_->copyButton());
    order.push_back(points_->saveButton());
    for (Element row : kAllNotationsRows) // one of them a Tab stop, and only with a list
        order.push_back(widget(row));
    for (Element e : kOptionsAfterRechnen)
        order.push_back(widget(e));
    order.push_back(comKrummboegleGrad_);
    order.push_back(comStartoption_);
    order.push_back(labBeenden_);
    // Last, so that the order users know from "Berechnung" on stays; Ctrl+O
    // opens a list from anywhere.
    order.push_back(comListeOeffnen_);
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

// Shows the input mask of Aufgabe's first digit with its hint text (and, for
// Gauss-Krueger, its limits) and the output mask of its last digit.
void CalculationScreen::MaskenEinrichten() {
    const ConversionJob& job = state_.job;
    if (const int in = inputFormatOfTask(job.Aufgabe)) {
        QGroupBox* frame = masks_.frame(notationOf(in)->inputFrame);
        frame->setTitle(texts::inputCaption(in, fromStd(job.StartEllipsoid)));
        nameForScreenReaders(frame, true);
        frame->show();
        labEingabe_->setText(texts::inputHint(in));
        labEingabe_->show();
        if (in == kGaussKrueger)
            GKLimitsZeigen(*this, state_.calc);
    }
    if (job.FormatAUS == kAlleSchreibweisen)
        masks_.frame(Element::fraAlleAUS)->show();
    else if (const int out = outputFormatOfTask(job.Aufgabe)) {
        QGroupBox* frame = masks_.frame(notationOf(out)->outputFrame);
        frame->setTitle(texts::outputCaption(out, fromStd(job.ZielEllipsoid)));
        nameForScreenReaders(frame, false);
        frame->show();
    }
}

// The masks of the job with the new input, as a screen opened for it shows
// them: the old input mask hidden, the new one empty, the focus in its first
// field (which empties the output).
// The field left is in the mask that goes: its checks on leaving (the zone's)
// would judge a text no longer asked for.
void CalculationScreen::switchInputNotation(int notation) {
    switchJob(jobWithInputNotation(state_.job, notation));
}

// The same for a job that also starts on another ellipsoid (a link read on
// GRS80): the mask's caption names the new start ellipsoid.
void CalculationScreen::switchJob(const ConversionJob& next) {
    const int notation = next.FormatEIN;
    switchingInput_ = true;
    if (const Notation* old = notationOf(inputFormatOfTask(state_.job.Aufgabe)))
        masks_.frame(old->inputFrame)->hide();
    state_.job = next;
    for (Element field : notationOf(notation)->inputFields)
        setText(field, std::string());
    MaskenEinrichten();
    if (!showsOutputMask(state_.job))
        AusgabeRahmenVerbergen(*this);
    focusFirstField();
    switchingInput_ = false;
    emit inputNotationSwitched(notation);
}

// Where the point of the result just shown lies, from its GRS80 position;
// the files are read with the first result, not at start-up.
void CalculationScreen::showPlace() {
    if (shownResultLine().empty())
        return setPlaceLine(QString());
    const std::optional<GeoPoint> p = grs80PositionOfInput(*this, state_);
    const std::string line =
        p ? places::describePlace(p->latDeg, p->lonDeg) : std::string(places::kPlaceUnavailable);
    setPlaceLine(fromStd(line));
    // The same position on the map; without outlines there is none.
    const places::PlaceFiles& files = places::programPlaceFiles();
    const places::Outlines* outlines = files.outlines ? &*files.outlines : nullptr;
    if (!p || !picKarte_->showPoint(outlines, p->latDeg, p->lonDeg, fromStd(line)))
        picKarte_->clear();
    placeMap();
}

// A label is not reached by Tab: the line is also the description of
// "Ergebnis kopieren", one Tab after "Berechnung", so that a screen reader
// reads it with the result.
void CalculationScreen::setPlaceLine(const QString& line) {
    labLage_->setText(line);
    labLage_->setAccessibleName(line);
    comKopieren_->setAccessibleDescription(line);
    if (line.isEmpty() && picKarte_->hasPoint()) {
        picKarte_->clear();
        placeMap();
    }
}

// The map goes right of the masks where the window leaves room for it, else
// into the hint panel's place while it shows a point: the hint is for typing,
// and typing empties the output and with it the map, which gives the hint
// back. Shaped as its frame, as large as its place allows.
void CalculationScreen::placeMap() {
    const bool shown = picKarte_->hasPoint();
    const QSize room = layoutRoom(this);
    const int rightWidth = std::min(room.width() - look::px(kMapLeft) - look::px(kMapRightMargin),
                                    look::px(kMapMaxWidth));
    const bool right = rightWidth >= look::px(kMapMinWidth);
    const QRect place = right ? QRect(look::px(kMapLeft), look::px(kMapTop), rightWidth,
                                      room.height() - look::px(kMapTop) - look::px(kMargin))
                              : twipRect(kMargin, kMargin, kHintWidth, kHintHeight);
    const double aspect = picKarte_->aspect();
    int width = place.width();
    int height = static_cast<int>(std::lround(width / aspect));
    if (height > place.height()) {
        height = place.height();
        width = static_cast<int>(std::lround(height * aspect));
    }
    // On the right the map keeps to the masks' side; in the hint's place it
    // stands in the middle of it.
    const int left = right ? place.left() : place.left() + (place.width() - width) / 2;
    picKarte_->setGeometry(left, place.top(), width, height);
    picKarte_->setVisible(shown);
    const bool hintWanted = inputFormatOfTask(state_.job.Aufgabe) != 0;
    labEingabe_->setVisible(hintWanted && !(shown && !right));
}

void CalculationScreen::focusFirstField() {
    for (InputField* field : inputFields_)
        if (field->isVisibleTo(this)) {
            field->setFocus(Qt::OtherFocusReason);
            return;
        }
}

void CalculationScreen::fillSamplePoint() {
    lw::fillSamplePoint(*this, state_.job);
}

void CalculationScreen::closeForGood() {
    closingForGood_ = true;
    leavePointList();
    close();
}

void CalculationScreen::closeEvent(QCloseEvent* event) {
    if (closingForGood_) {
        event->accept();
        return;
    }
    // The close box means the same as "Neue Startoptionen wählen".
    event->ignore();
    leavePointList();
    emit returnRequested();
}

void CalculationScreen::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeSampleButton();
    if (picKarte_->hasPoint())
        placeMap();
}

// With the list of every notation, the accuracy line, "Neue Startoptionen
// wählen" and the quit label stand below the list at the distances they keep
// below an output mask; the list is taller than a mask. The accuracy line
// ends at the list's right edge, as it ends at the masks' edge.
void CalculationScreen::placeBelowList() {
    if (state_.job.FormatAUS != kAlleSchreibweisen)
        return;
    const QRect list = layoutGeometry(list_->frame());
    // The place line under the list, where the list leaves it the width of
    // one line: beside "Ergebnis kopieren" the frame's caption stands.
    const int placeHeight = labLage_->fontMetrics().height() + 2;
    labLage_->setGeometry(list.left(), list.bottom() + 1, list.width(), placeHeight);
    const int top = list.bottom() + 1 + placeHeight;
    widget(Element::labGenauigkeit)
        ->setGeometry(0, top, list.right() + 1, look::px(kAccuracyHeight));
    comStartoption_->move(0, top + look::px(kStartoptionTop - kAccuracyTop));
    labBeenden_->move(0, top + look::px(kBeendenTop - kAccuracyTop));
    placeSampleButton();
}

// The sample button belongs at 11040 twips, below the end of a 1024 x 768
// display's maximized window. Where the window is shorter, it moves up to
// stay whole at the window's bottom edge, but never above the quit label
// (in layout pixels: the zoom shows it scaled).
void CalculationScreen::placeSampleButton() {
    const int wanted = look::px(kSampleTop);
    const int lowestWhole = layoutRoom(this).height() - look::px(kSampleHeight);
    const int highest = layoutGeometry(labBeenden_).bottom() + 1;
    comKrummboegleGrad_->move(look::px(kSampleLeft),
                              std::max(std::min(wanted, lowestWhole), highest));
}

QWidget* CalculationScreen::widget(Element e) const {
    return masks_.byElement[static_cast<std::size_t>(e)];
}

std::string CalculationScreen::text(Element e) const {
    QWidget* w = widget(e);
    if (auto* field = qobject_cast<QLineEdit*>(w))
        return toStd(field->text());
    if (auto* label = qobject_cast<QLabel*>(w))
        return toStd(label->text());
    if (auto* frame = qobject_cast<QGroupBox*>(w))
        return toStd(frame->title());
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        return toStd(button->text());
    return std::string();
}

void CalculationScreen::setText(Element e, const std::string& text) {
    QWidget* w = widget(e);
    if (list_->holds(w))
        list_->setRowText(w, fromStd(text));
    else if (auto* field = qobject_cast<QLineEdit*>(w)) {
        field->setText(fromStd(text));
        field->setCursorPosition(0); // a written text shows from its start
    } else if (auto* label = qobject_cast<QLabel*>(w))
        label->setText(fromStd(text));
    else if (auto* frame = qobject_cast<QGroupBox*>(w))
        frame->setTitle(fromStd(text));
    else if (auto* button = qobject_cast<QAbstractButton*>(w))
        button->setText(fromStd(text));
}

bool CalculationScreen::isChecked(Element option) const {
    auto* button = qobject_cast<QAbstractButton*>(widget(option));
    return button && button->isChecked();
}

void CalculationScreen::setFocus(Element e) {
    if (QWidget* w = widget(e))
        w->setFocus(Qt::OtherFocusReason);
}

void CalculationScreen::selectAll(Element field) {
    if (auto* edit = qobject_cast<QLineEdit*>(widget(field)))
        edit->selectAll();
}

// A list line that cannot be enabled shows greyed, still readable.
void CalculationScreen::setEnabled(Element e, bool enabled) {
    QWidget* w = widget(e);
    if (list_->holds(w))
        list_->setGreyed(w, !enabled);
    else if (w)
        w->setEnabled(enabled);
}

void CalculationScreen::setVisible(Element e, bool visible) {
    if (QWidget* w = widget(e))
        w->setVisible(visible);
}

void CalculationScreen::playSystemSound(const std::string& alias) {
    platform_.playSystemSound(alias);
}

std::string CalculationScreen::localeDecimalSeparator() const {
    return toStd(QLocale().decimalPoint());
}

void CalculationScreen::showMessage(MessageIcon icon, const std::string& text) {
    platform_.messageBox(this, icon, fromStd(text));
}

char32_t CalculationScreen::fieldKeyPress(Element field, char32_t code) {
    return onKeyPress(*this, state_, field, code);
}

void CalculationScreen::fieldGotFocus(Element field) {
    onGotFocus(*this, state_, field);
}

void CalculationScreen::fieldLostFocus(Element field) {
    if (!switchingInput_)
        onLostFocus(*this, state_, field);
}

} // namespace lw::ui
