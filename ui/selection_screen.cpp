#include "ui/selection_screen.h"

#include "conversion/datum_stage.h"
#include "conversion/official_datum.h"
#include "model/notations.h"
#include "ui/help_panel.h"
#include "ui/look.h"
#include "ui/texts.h"
#include "ui/widgets.h"
#include "ui/zoom.h"

#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QGuiApplication>
#include <QResizeEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QSignalBlocker>

#include <algorithm>

namespace lw::ui {
namespace {

using look::twipRect;

// Names and captions of the ellipsoid buttons, in the order of
// kEllipsoidLetters (GRS80, Bessel, Hayford).
struct EllipsoidInfo {
    const char* startName;
    const char* startCaption;
    const char* targetName;
    const char* targetCaption;
};

constexpr std::array<EllipsoidInfo, 3> kEllipsoids = {{
    {"comGRSEin", "GRS80 (WGS 84; ETR89)", "comGRSAus", "GRS80"},
    {"comBesselEIN", "BESSEL (DHDN; Potsdam; GK)", "comBesselAUS", "BESSEL"},
    {"comHayfordEIN", "HAYFORD (ED50)", "comHayfordAUS", "HAYFORD"},
}};

// Geometry in twips. Frames: ellipsoid frames on both sides, format frames
// 405 twips right of and 300 twips below them; buttons relative to the frame.
constexpr int kSideLeft[2] = {1500, 9300};
constexpr int kEllipsoidTop = 1200;
constexpr int kEllipsoidFrameWidth = 4410, kEllipsoidFrameHeight = 1980;
constexpr int kEllipsoidButtonLeft = 75, kEllipsoidButtonTop = 300;
constexpr int kEllipsoidButtonWidth = 4260, kEllipsoidButtonHeight = 525;
constexpr int kFormatFrameIndent = 405, kFormatFrameGap = 300;
// The frames hold the seven buttons of the original layout and, one button
// lower, "UTM amtlich"; the buttons below the frames move down with them.
constexpr int kFormatFrameWidth = 3600, kFormatFrameHeight = 3900 + 495;
constexpr int kFormatButtonLeft = 75, kFormatButtonTop = 300;
constexpr int kFormatButtonWidth = 3450, kFormatButtonHeight = 495;
// The output frame holds one button more, "Alle Schreibweisen", below them.
constexpr int kOutputFrameHeight = kFormatFrameHeight + kFormatButtonHeight;
constexpr const char* kAllNotationsName = "comAlleAUS";
constexpr const char* kAllNotationsCaption = "Alle Schreibweisen";
constexpr int kBottomButtonsGap = 200;
constexpr int kBottomButtonWidth = 12210, kBottomButtonHeight = 400;
constexpr int kLabelTop = 150, kLabelHeight = 675;
constexpr int kInstructionWidth = 9180, kHintLabelWidth = 3000;
constexpr double kGuidePoints = 12.0, kHintPoints = 14.4;
// The official-transformation box fills the gap between the ellipsoid frames
// and the format frames, centred under the two columns.
constexpr int kOfficialWidth = 5400;

constexpr const char* kOfficialCaption = "Amtliche Umrechnung DHDN ↔ ETRS89 (BeTA2007)";
// The hint text keeps its own line breaks; where its widest line does not fit
// the window, its font steps down to at most this size before lines wrap.
constexpr int kSmallestHintPixels = 12;

constexpr const char* kTitle = "Lagewandler  V 7.7       01.02.2014";
// The window's normal size: the size of the layout at zoom factor 1.
constexpr int kNormalWidth = 15000, kNormalHeight = 10000;

const QColor kChosen[2] = {QColor(look::kChosenStart), QColor(look::kChosenTarget)};

ScreenButton* makeButton(QWidget* parent, std::string_view name, std::string_view caption,
                         QRect geometry, QColor colour) {
    auto* button = new ScreenButton(
        QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())), parent);
    button->setObjectName(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    button->setFont(look::screenFont());
    button->setGeometry(geometry);
    look::setButtonColour(button, colour);
    return button;
}

ClickableLabel* makeLabel(QWidget* parent, const char* name, const QString& caption, QRect geometry,
                          QColor colour, const QFont& font) {
    auto* label = new ClickableLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(font);
    label->setGeometry(geometry);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    look::setBackground(label, colour);
    return label;
}

// Colours a button chosen or not, and says so to assistive technology too:
// the colour alone tells a screen reader nothing.
void showChoice(ScreenButton* button, bool chosen, QColor chosenColour) {
    look::setButtonColour(button, chosen ? chosenColour : look::buttonFace());
    button->setAccessibleDescription(chosen ? QStringLiteral("gewählt") : QString());
}

QFrame* makeLine(QWidget* parent, const char* name) {
    auto* line = new QFrame(parent);
    line->setObjectName(QString::fromLatin1(name));
    look::setBackground(line, Qt::black);
    return line;
}

} // namespace

SelectionScreen::SelectionScreen(ConversionJob& job, Platform& platform)
    : job_(job), platform_(platform),
      rules_(job, *this, [] { return officialDatum().gridAvailable(); }) {
    setObjectName(QStringLiteral("fo1Vorwahl"));
    setWindowTitle(QString::fromLatin1(kTitle));
    look::setScreenLook(this);
    setFont(look::screenFont());
    resize(look::px(kNormalWidth), look::px(kNormalHeight));
    build();
    rules_.load();
    ellipsoidButtons_[Start][kGrs80Button]->setFocus();
    installZoom(this);
}

void SelectionScreen::build() {
    labStartoptionen_ = makeLabel(
        this, "labStartoptionen",
        QStringLiteral("Vorgabe: WGS84\r\nFormulieren Sie Ihren Rechenweg durch Anklicken der "
                       "Schaltflächen"),
        twipRect(kSideLeft[Start], kLabelTop, kInstructionWidth, kLabelHeight),
        QColor(look::kInstruction), look::screenFont());
    labHinweis2_ = makeLabel(
        this, "labHinweis2", QStringLiteral("Hinweise"),
        twipRect(kSideLeft[Start] + kInstructionWidth, kLabelTop, kHintLabelWidth, kLabelHeight),
        QColor(look::kHint), look::screenFont());
    labHinweis2_->setFocusPolicy(Qt::StrongFocus);
    connect(labHinweis2_, &ClickableLabel::clicked, this, &SelectionScreen::openHint);
    connect(labHinweis2_, &ClickableLabel::activated, this, &SelectionScreen::openHint);
    for (Side side : {Start, Target}) {
        buildEllipsoidFrame(side);
        buildFormatFrame(side);
    }
    buildButtons();
    buildOfficialChoice();
    buildPanels();
    setTabOrder();
}

void SelectionScreen::buildEllipsoidFrame(Side side) {
    auto* frame = new QGroupBox(side == Start ? QStringLiteral("Start - Ellipsoid")
                                              : QStringLiteral("Ziel - Ellipsoid"),
                                this);
    frame->setObjectName(side == Start ? QStringLiteral("fraEllipsoidEIN")
                                       : QStringLiteral("fraEllipsoidAUS"));
    frame->setGeometry(
        twipRect(kSideLeft[side], kEllipsoidTop, kEllipsoidFrameWidth, kEllipsoidFrameHeight));
    look::setFrameLook(frame);
    ellipsoidFrames_[side] = frame;
    for (int i = 0; i < kEllipsoidButtonCount; ++i) {
        const EllipsoidInfo& info = kEllipsoids[static_cast<std::size_t>(i)];
        auto* button = makeButton(frame, side == Start ? info.startName : info.targetName,
                                  side == Start ? info.startCaption : info.targetCaption,
                                  twipRect(kEllipsoidButtonLeft,
                                           kEllipsoidButtonTop + i * kEllipsoidButtonHeight,
                                           kEllipsoidButtonWidth, kEllipsoidButtonHeight),
                                  look::buttonFace());
        connect(button, &QPushButton::clicked, this,
                [this, side, i] { rules_.pressEllipsoid(selectionSide(side), i); });
        ellipsoidButtons_[side][static_cast<std::size_t>(i)] = button;
    }
}

void SelectionScreen::buildFormatFrame(Side side) {
    auto* frame = new QGroupBox(
        side == Start ? QStringLiteral("Eingabeformat") : QStringLiteral("Ausgabeformat"), this);
    frame->setObjectName(side == Start ? QStringLiteral("fraFormatEIN")
                                       : QStringLiteral("fraFormatAUS"));
    frame->setGeometry(twipRect(kSideLeft[side] + kFormatFrameIndent,
                                kEllipsoidTop + kEllipsoidFrameHeight + kFormatFrameGap,
                                kFormatFrameWidth,
                                side == Start ? kFormatFrameHeight : kOutputFrameHeight));
    look::setFrameLook(frame);
    formatFrames_[side] = frame;
    for (int code = 1; code <= kFormatCount; ++code) {
        const NotationNames& names = notationOf(code)->names;
        auto* button = makeButton(
            frame, side == Start ? names.inputButton : names.outputButton, names.buttonCaption,
            twipRect(kFormatButtonLeft, kFormatButtonTop + (code - 1) * kFormatButtonHeight,
                     kFormatButtonWidth, kFormatButtonHeight),
            look::buttonFace());
        connect(button, &QPushButton::clicked, this,
                [this, side, code] { rules_.pressFormat(selectionSide(side), code); });
        formatButtons_[side][static_cast<std::size_t>(code - 1)] = button;
    }
    if (side == Target) {
        auto* all = makeButton(frame, kAllNotationsName, kAllNotationsCaption,
                               twipRect(kFormatButtonLeft,
                                        kFormatButtonTop + kFormatCount * kFormatButtonHeight,
                                        kFormatButtonWidth, kFormatButtonHeight),
                               look::buttonFace());
        connect(all, &QPushButton::clicked, this,
                [this] { rules_.pressFormat(SelectionSide::Target, kAlleSchreibweisen); });
        formatButtons_[side][kFormatCount] = all;
    }
}

void SelectionScreen::buildButtons() {
    const int top = kEllipsoidTop + kEllipsoidFrameHeight + kFormatFrameGap + kOutputFrameHeight +
                    kBottomButtonsGap;
    auto row = [&](int n) {
        return twipRect(kSideLeft[Start], top + n * kBottomButtonHeight, kBottomButtonWidth,
                        kBottomButtonHeight);
    };
    comZahlenEingabe_ = makeButton(this, "comZahlenEingabe", "Weiter zur Zahleneingabe", row(0),
                                   QColor(look::kContinue));
    comZahlenEingabe_->setEnabled(false);
    comBeenden_ =
        makeButton(this, "comBeenden", "Lagewandler beenden", row(1), QColor(look::kQuit));
    comSoGehts_ = makeButton(this, "comSoGehts", "So geht's", row(2), QColor(look::kGrey));
    connect(comZahlenEingabe_, &QPushButton::clicked, this, &SelectionScreen::pressZahlenEingabe);
    connect(comBeenden_, &QPushButton::clicked, this, &SelectionScreen::pressBeenden);
    connect(comSoGehts_, &QPushButton::clicked, this, &SelectionScreen::openGuide);
    auto* paste = new QShortcut(QKeySequence::Paste, this);
    connect(paste, &QShortcut::activated, this, &SelectionScreen::pasteCoordinate);
}

void SelectionScreen::buildPanels() {
    hintPanel_ =
        new HelpPanel(this, "labHinweis", QColor(look::kHint), look::courierFont(kHintPoints));
    connect(hintPanel_, &HelpPanel::closed, this, &SelectionScreen::closeHint);
    guidePanel_ =
        new HelpPanel(this, "labSoGehts", QColor(look::kGrey), look::courierFont(kGuidePoints));
    connect(guidePanel_, &HelpPanel::closed, this, &SelectionScreen::closeGuide);
    line1_ = makeLine(this, "Line1");
    line2_ = makeLine(this, "Line2");
    for (QWidget* edge : {line1_, line2_})
        keepOwnGeometry(edge); // they follow the window, see resizeEvent
}

// Unchecked and disabled after loading: no choice outlives a program run.
void SelectionScreen::buildOfficialChoice() {
    chkAmtlich_ = new QCheckBox(QString::fromUtf8(kOfficialCaption), this);
    chkAmtlich_->setObjectName(QStringLiteral("chkAmtlich"));
    chkAmtlich_->setFont(look::smallFont());
    const int columnsMiddle = kSideLeft[Start] + kBottomButtonWidth / 2;
    chkAmtlich_->setGeometry(twipRect(columnsMiddle - kOfficialWidth / 2,
                                      kEllipsoidTop + kEllipsoidFrameHeight, kOfficialWidth,
                                      kFormatFrameGap));
    chkAmtlich_->setEnabled(false);
    connect(chkAmtlich_, &QCheckBox::toggled, this,
            [this](bool checked) { rules_.chooseOfficial(checked); });
}

void SelectionScreen::setTabOrder() {
    std::vector<QWidget*> order{comZahlenEingabe_};
    for (Side side : {Start, Target}) {
        for (ScreenButton* b : ellipsoidButtons_[side])
            order.push_back(b);
        if (side == Target)
            order.push_back(chkAmtlich_);
        // The first input button comes after the output column.
        for (int code = side == Start ? 2 : 1; code <= kFormatCount; ++code)
            order.push_back(formatButtons_[side][static_cast<std::size_t>(code - 1)]);
        if (side == Target)
            order.push_back(formatButtons_[side][kFormatCount]);
    }
    order.push_back(formatButtons_[Start][0]);
    order.push_back(comSoGehts_);
    order.push_back(comBeenden_);
    order.push_back(labHinweis2_); // so that the hint panel opens from the keyboard too
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void SelectionScreen::activate() {
    rules_.activate();
}

void SelectionScreen::prepareReturn() {
    rules_.prepareReturn();
}

void SelectionScreen::ZielEllipsoideDisablen() {
    rules_.ZielEllipsoideDisablen();
}

void SelectionScreen::pressZahlenEingabe() {
    if (rules_.pressZahlenEingabe())
        emit calculationRequested();
}

// Ctrl+V with a whole coordinate on the clipboard: the start side it needs,
// asked for where it is not chosen yet. Any other text does nothing.
void SelectionScreen::pasteCoordinate() {
    if (!formatFrames_[Start]->isVisible())
        return; // a help panel covers the selection
    const std::string pasted = QGuiApplication::clipboard()->text().toStdString();
    const std::optional<PastedStart> start =
        startSideOfPaste(pasted, job_, rules_.startEllipsoidChosen());
    if (!start)
        return;
    if (start->ask) {
        const QString question = QString::fromStdString(pastedStartQuestion(*start, job_, pasted));
        if (platform_.messageBox(this, MessageIcon::Question, question) != Answer::Yes)
            return;
        choosePastedStart(rules_, job_, *start);
    }
    pendingPaste_.keep(job_, pasted);
    if (comZahlenEingabe_->isEnabled())
        comZahlenEingabe_->setFocus(Qt::OtherFocusReason);
}

void SelectionScreen::showInputSwitched(int code) {
    rules_.pressFormat(SelectionSide::Start, code);
}

std::optional<std::string> SelectionScreen::takePendingPaste() {
    return pendingPaste_.takeFor(job_);
}

ScreenButton* SelectionScreen::ellipsoidButton(SelectionSide side, int index) const {
    return ellipsoidButtons_[static_cast<std::size_t>(side)][static_cast<std::size_t>(index)];
}

// "Alle Schreibweisen" sits after the notations' buttons, on the output side
// only; nullptr for a code without a button.
ScreenButton* SelectionScreen::formatButton(SelectionSide side, int code) const {
    const int index = code == kAlleSchreibweisen ? kFormatCount : code - 1;
    if (index < 0 || index > kFormatCount)
        return nullptr;
    return formatButtons_[static_cast<std::size_t>(side)][static_cast<std::size_t>(index)];
}

void SelectionScreen::showEllipsoidChosen(SelectionSide side, int index, bool chosen) {
    showChoice(ellipsoidButton(side, index), chosen, kChosen[static_cast<std::size_t>(side)]);
}

void SelectionScreen::setEllipsoidEnabled(SelectionSide side, int index, bool enabled) {
    ellipsoidButton(side, index)->setEnabled(enabled);
}

void SelectionScreen::showFormatChosen(SelectionSide side, int code, bool chosen) {
    if (ScreenButton* button = formatButton(side, code))
        showChoice(button, chosen, kChosen[static_cast<std::size_t>(side)]);
}

void SelectionScreen::setFormatEnabled(SelectionSide side, int code, bool enabled) {
    if (ScreenButton* button = formatButton(side, code))
        button->setEnabled(enabled);
}

void SelectionScreen::setContinueEnabled(bool enabled) {
    comZahlenEingabe_->setEnabled(enabled);
}

// Shown without reporting back: only the user's own clicks are choices.
void SelectionScreen::showOfficialChoice(bool enabled, bool checked, std::string_view tooltip) {
    const QSignalBlocker quiet(chkAmtlich_);
    chkAmtlich_->setChecked(checked);
    chkAmtlich_->setEnabled(enabled);
    chkAmtlich_->setToolTip(
        QString::fromUtf8(tooltip.data(), static_cast<qsizetype>(tooltip.size())));
}

void SelectionScreen::pressBeenden() {
    if (platform_.messageBox(this, MessageIcon::Question, texts::quitQuestion()) == Answer::Yes)
        platform_.quit(); // the process ends here; nothing may follow
}

// Everything a help panel covers, in the order it is shown and hidden.
std::array<QWidget*, 10> SelectionScreen::selectionElements() const {
    return {ellipsoidFrames_[Start],
            ellipsoidFrames_[Target],
            chkAmtlich_,
            formatFrames_[Start],
            formatFrames_[Target],
            labStartoptionen_,
            labHinweis2_,
            comBeenden_,
            comZahlenEingabe_,
            comSoGehts_};
}

void SelectionScreen::VorwahlZeigen() {
    for (QWidget* w : selectionElements())
        w->show();
}

void SelectionScreen::VorwahlVerbergen() {
    hintPanel_->hide();
    for (QWidget* w : selectionElements())
        w->hide();
}

void SelectionScreen::openGuide() {
    VorwahlVerbergen();
    guidePanel_->open(texts::guide());
    raiseLines();
}

void SelectionScreen::closeGuide() {
    guidePanel_->hide();
    VorwahlZeigen();
    comSoGehts_->setFocus(Qt::OtherFocusReason);
}

void SelectionScreen::openHint() {
    VorwahlVerbergen();
    hintPanel_->fitLines(texts::hint(), QStringLiteral("\r\n"), kSmallestHintPixels);
    hintPanel_->open(texts::hint());
    raiseLines();
}

void SelectionScreen::closeHint() {
    hintPanel_->hide();
    VorwahlZeigen();
    labHinweis2_->setFocus(Qt::OtherFocusReason);
}

void SelectionScreen::raiseLines() {
    line1_->raise();
    line2_->raise();
}

void SelectionScreen::closeEvent(QCloseEvent* event) {
    // The close box ends the program, like the quit button without question.
    event->ignore();
    platform_.quit();
}

// The guide covers the whole window; the two lines mark its right and bottom
// edge. Both follow the window's size, which is known only once it is shown
// maximized.
void SelectionScreen::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int w = width(), h = height();
    guidePanel_->setGeometry(w, h);
    hintPanel_->setGeometry(w, h);
    line1_->setGeometry(w - 1, 0, 1, h);
    line2_->setGeometry(0, h - 1, w, 1);
}

} // namespace lw::ui
