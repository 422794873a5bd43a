#include "ui/selection_screen.h"

#include "conversion/datum_stage.h"
#include "conversion/official_datum.h"
#include "model/notations.h"
#include "ui/look.h"
#include "ui/texts.h"
#include "ui/widgets.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QResizeEvent>
#include <QScrollArea>
#include <QScrollBar>

#include <algorithm>

namespace lw::ui {
namespace {

using look::twipRect;

struct EllipsoidInfo {
    const char* jobName; // as stored in StartEllipsoid / ZielEllipsoid
    char pairLetter;     // letter in EllipsoidPaar
    const char* startName;
    const char* startCaption;
    const char* targetName;
    const char* targetCaption;
};

constexpr std::array<EllipsoidInfo, 3> kEllipsoids = {{
    {kGRS80, 'A', "comGRSEin", "GRS80 (WGS 84; ETR89)", "comGRSAus", "GRS80"},
    {kBessel, 'B', "comBesselEIN", "BESSEL (DHDN; Potsdam; GK)", "comBesselAUS", "BESSEL"},
    {kHayford, 'C', "comHayfordEIN", "HAYFORD (ED50)", "comHayfordAUS", "HAYFORD"},
}};

struct FormatInfo {
    const char* inputName;
    const char* outputName;
    const char* caption;
};

// In code order 1 to 7.
constexpr std::array<FormatInfo, 7> kFormats = {{
    {"comGradDezEIN", "comGradDezAUS", "Grad (dezimal)"},
    {"comGradMinEIN", "comGradMinAUS", "Grad/Minuten"},
    {"comGradMinSekEIN", "comGradMinSekAUS", "Grad/Minuten/Sekunden"},
    {"comUTMzivilEIN", "comUTMzivilAUS", "UTM zivil"},
    {"comUTMmilEIN", "comUTMmilAUS", "UTM mil"},
    {"comUTMrefEIN", "comUTMrefAUS", "UTM ref"},
    {"comGKEIN", "comGKAUS", "Gauß - Krüger"},
}};

// Geometry in twips. Frames: ellipsoid frames on both sides, format frames
// 405 twips right of and 300 twips below them; buttons relative to the frame.
constexpr int kSideLeft[2] = {1500, 9300};
constexpr int kEllipsoidTop = 1200;
constexpr int kEllipsoidFrameWidth = 4410, kEllipsoidFrameHeight = 1980;
constexpr int kEllipsoidButtonLeft = 75, kEllipsoidButtonTop = 300;
constexpr int kEllipsoidButtonWidth = 4260, kEllipsoidButtonHeight = 525;
constexpr int kFormatFrameIndent = 405, kFormatFrameGap = 300;
constexpr int kFormatFrameWidth = 3600, kFormatFrameHeight = 3900;
constexpr int kFormatButtonLeft = 75, kFormatButtonTop = 300;
constexpr int kFormatButtonWidth = 3450, kFormatButtonHeight = 495;
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
constexpr int kPanelMargin = 8; // pixels

constexpr const char* kTitle = "Lagewandler  V 7.7       01.02.2014";

const QColor kChosen[2] = {QColor(look::kChosenStart), QColor(look::kChosenTarget)};

// The format buttons an ellipsoid leaves enabled, and the choices it keeps.
bool offers(const std::string& ellipsoid, int code) {
    if (ellipsoid.empty())
        return true; // none chosen yet: nothing to hold against a format
    return offersNotation(ellipsoid, static_cast<std::uint8_t>(code));
}

std::string ellipsoidOfLetter(char letter) {
    for (const EllipsoidInfo& e : kEllipsoids)
        if (e.pairLetter == letter)
            return e.jobName;
    return std::string();
}

ScreenButton* makeButton(QWidget* parent, const char* name, const char* caption, QRect geometry,
                         QColor colour) {
    auto* button = new ScreenButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
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

// A help panel: the label inside a borderless scrolling area of its colour,
// so that its whole text can be read on any display, and a click, Enter,
// Space or Escape on it closes it.
QScrollArea* makePanel(QWidget* parent, ClickableLabel* label, QColor colour) {
    auto* area = new QScrollArea(parent);
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setFocusPolicy(Qt::NoFocus);
    look::setBackground(area, colour);
    look::setBackground(area->viewport(), colour);
    label->setFocusPolicy(Qt::StrongFocus);
    // Keeps the text clear of the window's edge and of the focus frame.
    label->setContentsMargins(kPanelMargin, kPanelMargin, kPanelMargin, kPanelMargin);
    label->setAccessibleDescription(
        QStringLiteral("Schließen mit Klick, Eingabetaste, Leertaste oder Esc"));
    // The label goes into the area when the panel first opens: laying out
    // its text loads fonts that start-up need not wait for.
    label->hide();
    area->hide();
    return area;
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
    : job_(job), platform_(platform) {
    job_ = ConversionJob{};
    setObjectName(QStringLiteral("fo1Vorwahl"));
    setWindowTitle(QString::fromLatin1(kTitle));
    look::setScreenLook(this);
    setFont(look::screenFont());
    build();
    pressStartEllipsoid(kGrs80);
    ellipsoidButtons_[Start][kGrs80]->setFocus();
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
    for (int i = 0; i < kEllipsoidCount; ++i) {
        const EllipsoidInfo& info = kEllipsoids[static_cast<std::size_t>(i)];
        auto* button = makeButton(frame, side == Start ? info.startName : info.targetName,
                                  side == Start ? info.startCaption : info.targetCaption,
                                  twipRect(kEllipsoidButtonLeft,
                                           kEllipsoidButtonTop + i * kEllipsoidButtonHeight,
                                           kEllipsoidButtonWidth, kEllipsoidButtonHeight),
                                  look::buttonFace());
        connect(button, &QPushButton::clicked, this, [this, side, i] { pressEllipsoid(side, i); });
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
                                kFormatFrameWidth, kFormatFrameHeight));
    look::setFrameLook(frame);
    formatFrames_[side] = frame;
    for (int code = 1; code <= kFormatCount; ++code) {
        const FormatInfo& info = kFormats[static_cast<std::size_t>(code - 1)];
        auto* button = makeButton(
            frame, side == Start ? info.inputName : info.outputName, info.caption,
            twipRect(kFormatButtonLeft, kFormatButtonTop + (code - 1) * kFormatButtonHeight,
                     kFormatButtonWidth, kFormatButtonHeight),
            look::buttonFace());
        connect(button, &QPushButton::clicked, this,
                [this, side, code] { pressFormat(side, code); });
        formatButtons_[side][static_cast<std::size_t>(code - 1)] = button;
    }
}

void SelectionScreen::buildButtons() {
    const int top = kEllipsoidTop + kEllipsoidFrameHeight + kFormatFrameGap + kFormatFrameHeight +
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
}

void SelectionScreen::buildPanels() {
    labHinweis_ = makeLabel(this, "labHinweis", QString(), rect(), QColor(look::kHint),
                            look::courierFont(kHintPoints));
    hintPanel_ = makePanel(this, labHinweis_, QColor(look::kHint));
    for (auto signal :
         {&ClickableLabel::clicked, &ClickableLabel::activated, &ClickableLabel::cancelled})
        connect(labHinweis_, signal, this, &SelectionScreen::closeHint);
    labSoGehts_ = makeLabel(this, "labSoGehts", QString(), rect(), QColor(look::kGrey),
                            look::courierFont(kGuidePoints));
    guidePanel_ = makePanel(this, labSoGehts_, QColor(look::kGrey));
    for (auto signal :
         {&ClickableLabel::clicked, &ClickableLabel::activated, &ClickableLabel::cancelled})
        connect(labSoGehts_, signal, this, &SelectionScreen::closeGuide);
    line1_ = makeLine(this, "Line1");
    line2_ = makeLine(this, "Line2");
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
            [this](bool checked) { job_.Amtlich = checked; });
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
    }
    order.push_back(formatButtons_[Start][0]);
    order.push_back(comSoGehts_);
    order.push_back(comBeenden_);
    order.push_back(labHinweis2_); // so that the hint panel opens from the keyboard too
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void SelectionScreen::activate() {
    pressTargetEllipsoid(kGrs80);
    pressStartEllipsoid(kGrs80);
}

void SelectionScreen::prepareReturn() {
    comZahlenEingabe_->setEnabled(false);
    ZielEllipsoideDisablen();
}

void SelectionScreen::ZielEllipsoideDisablen() {
    for (ScreenButton* b : ellipsoidButtons_[Target])
        b->setEnabled(false);
}

void SelectionScreen::AusgabeformateDisablen() {
    for (ScreenButton* b : formatButtons_[Target])
        b->setEnabled(false);
}

void SelectionScreen::pressEllipsoid(Side side, int index) {
    if (side == Start)
        pressStartEllipsoid(index);
    else
        pressTargetEllipsoid(index);
}

void SelectionScreen::pressStartEllipsoid(int index) {
    for (int i = 0; i < kEllipsoidCount; ++i)
        showChoice(ellipsoidButtons_[Start][static_cast<std::size_t>(i)], i == index,
                   kChosen[Start]);
    job_.StartEllipsoid = kEllipsoids[static_cast<std::size_t>(index)].jobName;
    for (ScreenButton* b : ellipsoidButtons_[Target])
        b->setEnabled(true);
    enableOfferedFormats(Start, job_.StartEllipsoid);
    AusgabeformateDisablen();
    if (index == kGrs80)
        pressTargetEllipsoid(kGrs80);
    clearStaleChoices();
    offerOfficialChoice();
}

void SelectionScreen::pressTargetEllipsoid(int index) {
    const EllipsoidInfo& info = kEllipsoids[static_cast<std::size_t>(index)];
    for (int i = 0; i < kEllipsoidCount; ++i)
        showChoice(ellipsoidButtons_[Target][static_cast<std::size_t>(i)], i == index,
                   kChosen[Target]);
    job_.ZielEllipsoid = info.jobName;
    for (const EllipsoidInfo& start : kEllipsoids)
        if (job_.StartEllipsoid == start.jobName)
            job_.EllipsoidPaar = std::string{start.pairLetter, info.pairLetter};
    enableOfferedFormats(Target, job_.ZielEllipsoid);
    PaarFormateDisablen();
    clearStaleChoices();
    offerOfficialChoice();
}

// The official transformation joins DHDN and ETRS89 only: the box is enabled
// for a Bessel <-> GRS80 job where PROJ can open the grid, and unchecked and
// disabled otherwise. PROJ is first asked here, when such a pair is first
// chosen, so that starting the program never waits for it.
void SelectionScreen::offerOfficialChoice() {
    const bool offered = officialDatumOffered(job_.StartEllipsoid, job_.ZielEllipsoid);
    if (offered && !gridAsked_) {
        gridAsked_ = true;
        gridAvailable_ = officialDatum().gridAvailable();
        if (!gridAvailable_)
            chkAmtlich_->setToolTip(QString::fromUtf8(kGridMissingText));
    }
    const bool enabled = offered && gridAvailable_;
    if (!enabled)
        chkAmtlich_->setChecked(false);
    chkAmtlich_->setEnabled(enabled);
    job_.Amtlich = chkAmtlich_->isChecked();
}

void SelectionScreen::enableOfferedFormats(Side side, const std::string& ellipsoid) {
    for (int code = 1; code <= kFormatCount; ++code)
        formatButtons_[side][static_cast<std::size_t>(code - 1)]->setEnabled(
            offers(ellipsoid, code));
}

// Only disables, by the pair's letters. The first letter rules the input
// column, the second the output column.
void SelectionScreen::PaarFormateDisablen() {
    if (job_.EllipsoidPaar.size() != 2)
        return;
    for (Side side : {Start, Target}) {
        const std::string ellipsoid = ellipsoidOfLetter(job_.EllipsoidPaar[side == Start ? 0 : 1]);
        for (int code = 1; code <= kFormatCount; ++code)
            if (!offers(ellipsoid, code))
                formatButtons_[side][static_cast<std::size_t>(code - 1)]->setEnabled(false);
    }
}

// A format chosen earlier that the ellipsoid of its side no longer offers is
// cleared, so the calculation never meets a combination this screen does not
// offer (UTM on Bessel, Gauss-Krueger elsewhere).
void SelectionScreen::clearStaleChoices() {
    if (job_.FormatEIN != kKeinFormat && !offers(job_.StartEllipsoid, job_.FormatEIN)) {
        job_.FormatEIN = kKeinFormat;
        colourColumn(Start, kKeinFormat);
    }
    if (job_.FormatAUS != kKeinFormat && !offers(job_.ZielEllipsoid, job_.FormatAUS)) {
        job_.FormatAUS = kKeinFormat;
        colourColumn(Target, kKeinFormat);
    }
    if (job_.FormatEIN == kKeinFormat || job_.FormatAUS == kKeinFormat)
        comZahlenEingabe_->setEnabled(false);
}

void SelectionScreen::colourColumn(Side side, int chosenCode) {
    for (int code = 1; code <= kFormatCount; ++code)
        showChoice(formatButtons_[side][static_cast<std::size_t>(code - 1)], code == chosenCode,
                   kChosen[side]);
}

void SelectionScreen::pressFormat(Side side, int code) {
    colourColumn(side, code);
    (side == Start ? job_.FormatEIN : job_.FormatAUS) = static_cast<std::uint8_t>(code);
    ZahlenEingabeEnablen();
}

// Enables "Weiter zur Zahleneingabe" once both formats are chosen; it never
// disables it.
void SelectionScreen::ZahlenEingabeEnablen() {
    if (job_.FormatEIN != kKeinFormat && job_.FormatAUS != kKeinFormat)
        comZahlenEingabe_->setEnabled(true);
}

void SelectionScreen::pressZahlenEingabe() {
    if (job_.FormatEIN == kKeinFormat || job_.FormatAUS == kKeinFormat)
        return;
    job_.Aufgabe = std::to_string(job_.FormatEIN) + std::to_string(job_.FormatAUS);
    emit calculationRequested();
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
    labSoGehts_->setText(texts::guide());
    showPanel(guidePanel_, labSoGehts_);
}

void SelectionScreen::closeGuide() {
    guidePanel_->hide();
    VorwahlZeigen();
    comSoGehts_->setFocus(Qt::OtherFocusReason);
}

void SelectionScreen::openHint() {
    VorwahlVerbergen();
    labHinweis_->setText(texts::hint());
    fitHintText();
    showPanel(hintPanel_, labHinweis_);
}

void SelectionScreen::closeHint() {
    hintPanel_->hide();
    VorwahlZeigen();
    labHinweis2_->setFocus(Qt::OtherFocusReason);
}

void SelectionScreen::showPanel(QScrollArea* panel, ClickableLabel* label) {
    if (panel->widget() != label) {
        panel->setWidget(label);
        label->show();
    }
    panel->verticalScrollBar()->setValue(0);
    panel->show();
    panel->raise();
    line1_->raise();
    line2_->raise();
    label->setFocus(Qt::OtherFocusReason);
}

// The hint text has its own line breaks. Wrapped again by the label, a line a
// little too wide would leave its last word alone on a line; instead the font
// steps down until the widest line fits the window. Measured only here:
// laying out the text loads its font, which start-up need not wait for.
void SelectionScreen::fitHintText() {
    const int room = width() - hintPanel_->verticalScrollBar()->sizeHint().width() -
                     labHinweis_->contentsMargins().left() - labHinweis_->contentsMargins().right();
    const QStringList lines = texts::hint().split(QStringLiteral("\r\n"));
    QFont font = look::courierFont(kHintPoints);
    for (;;) {
        const QFontMetrics metrics(font);
        int widest = 0;
        for (const QString& line : lines)
            widest = std::max(widest, metrics.horizontalAdvance(line));
        if (widest <= room || font.pixelSize() <= kSmallestHintPixels) {
            labHinweis_->setWordWrap(widest > room);
            break;
        }
        font.setPixelSize(font.pixelSize() - 1);
    }
    labHinweis_->setFont(font);
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
    guidePanel_->setGeometry(0, 0, w, h);
    hintPanel_->setGeometry(0, 0, w, h);
    line1_->setGeometry(w - 1, 0, 1, h);
    line2_->setGeometry(0, h - 1, w, 1);
}

} // namespace lw::ui
