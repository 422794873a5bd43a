#include "ui/selection_screen.h"

#include "conversion/datum_stage.h"
#include "conversion/official_datum.h"
#include "ui/look.h"
#include "ui/texts.h"
#include "ui/widgets.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QResizeEvent>

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
constexpr int kHintPanelWidth = 15000, kHintPanelHeight = 10500;
constexpr double kGuidePoints = 12.0, kHintPoints = 14.4;
// The official-transformation box fills the gap between the ellipsoid frames
// and the format frames, centred under the two columns.
constexpr int kOfficialWidth = 5400;

constexpr const char* kOfficialCaption = "Amtliche Umrechnung DHDN ↔ ETRS89 (BeTA2007)";

constexpr const char* kTitle = "Lagewandler  V 7.7       01.02.2014";
constexpr const char* kQuitQuestion = "Wollen Sie Lagewandler wirklich beenden?";

const QColor kChosen[2] = {QColor(look::kChosenStart), QColor(look::kChosenTarget)};

// Formats an ellipsoid offers: Gauss-Krueger only on Bessel, UTM never on it.
bool offers(const std::string& ellipsoid, int code) {
    if (ellipsoid == kBessel)
        return code <= kGradMinSek || code == kGaussKrueger;
    if (ellipsoid == kGRS80 || ellipsoid == kHayford)
        return code >= kGradDezimal && code <= kUTMref;
    return true; // none chosen yet: nothing to hold against a format
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
    connect(labHinweis2_, &ClickableLabel::clicked, this, &SelectionScreen::openHint);
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
    labHinweis_ = makeLabel(this, "labHinweis", texts::hint(),
                            twipRect(0, 0, kHintPanelWidth, kHintPanelHeight), QColor(look::kHint),
                            look::courierFont(kHintPoints));
    labHinweis_->hide();
    connect(labHinweis_, &ClickableLabel::clicked, this, &SelectionScreen::closeHint);
    labSoGehts_ = makeLabel(this, "labSoGehts", QString(), rect(), QColor(look::kGrey),
                            look::courierFont(kGuidePoints));
    labSoGehts_->hide();
    connect(labSoGehts_, &ClickableLabel::clicked, this, &SelectionScreen::closeGuide);
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
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void SelectionScreen::activate() {
    pressTargetEllipsoid(kGrs80);
    pressStartEllipsoid(kGrs80);
}

void SelectionScreen::prepareReturn() {
    comZahlenEingabe_->setEnabled(false);
    for (ScreenButton* b : ellipsoidButtons_[Target]) // ZielEllipsoideDisablen
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
        look::setButtonColour(ellipsoidButtons_[Start][static_cast<std::size_t>(i)],
                              i == index ? kChosen[Start] : look::buttonFace());
    job_.StartEllipsoid = kEllipsoids[static_cast<std::size_t>(index)].jobName;
    for (ScreenButton* b : ellipsoidButtons_[Target])
        b->setEnabled(true);
    enableOfferedFormats(Start, job_.StartEllipsoid);
    for (ScreenButton* b : formatButtons_[Target]) // AusgabeformateDisablen
        b->setEnabled(false);
    if (index == kGrs80)
        pressTargetEllipsoid(kGrs80);
    clearStaleChoices();
    offerOfficialChoice();
}

void SelectionScreen::pressTargetEllipsoid(int index) {
    const EllipsoidInfo& info = kEllipsoids[static_cast<std::size_t>(index)];
    for (int i = 0; i < kEllipsoidCount; ++i)
        look::setButtonColour(ellipsoidButtons_[Target][static_cast<std::size_t>(i)],
                              i == index ? kChosen[Target] : look::buttonFace());
    job_.ZielEllipsoid = info.jobName;
    for (const EllipsoidInfo& start : kEllipsoids)
        if (job_.StartEllipsoid == start.jobName)
            job_.EllipsoidPaar = std::string{start.pairLetter, info.pairLetter};
    enableOfferedFormats(Target, job_.ZielEllipsoid);
    disableFormatsOfPair();
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

// PaarFormateDisablen: only disables, by the pair's letters. The first letter
// rules the input column, the second the output column.
void SelectionScreen::disableFormatsOfPair() {
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
        look::setButtonColour(formatButtons_[side][static_cast<std::size_t>(code - 1)],
                              code == chosenCode ? kChosen[side] : look::buttonFace());
}

void SelectionScreen::pressFormat(Side side, int code) {
    colourColumn(side, code);
    (side == Start ? job_.FormatEIN : job_.FormatAUS) = static_cast<std::uint8_t>(code);
    if (job_.FormatEIN != kKeinFormat && job_.FormatAUS != kKeinFormat) // ZahlenEingabeEnablen
        comZahlenEingabe_->setEnabled(true);
}

void SelectionScreen::pressZahlenEingabe() {
    if (job_.FormatEIN == kKeinFormat || job_.FormatAUS == kKeinFormat)
        return;
    job_.Aufgabe = std::to_string(job_.FormatEIN) + std::to_string(job_.FormatAUS);
    emit calculationRequested();
}

void SelectionScreen::pressBeenden() {
    if (platform_.messageBox(this, MessageIcon::Question, QString::fromLatin1(kQuitQuestion)) ==
        Answer::Yes)
        platform_.quit(); // the process ends here; nothing may follow
}

// VorwahlZeigen / VorwahlVerbergen.
void SelectionScreen::showSelection(bool visible) {
    QWidget* elements[] = {ellipsoidFrames_[Start],
                           ellipsoidFrames_[Target],
                           chkAmtlich_,
                           formatFrames_[Start],
                           formatFrames_[Target],
                           labStartoptionen_,
                           labHinweis2_,
                           comBeenden_,
                           comZahlenEingabe_,
                           comSoGehts_};
    if (!visible)
        labHinweis_->hide();
    for (QWidget* w : elements)
        w->setVisible(visible);
}

void SelectionScreen::openGuide() {
    showSelection(false);
    labSoGehts_->setText(texts::guide());
    labSoGehts_->show();
    labSoGehts_->raise();
}

void SelectionScreen::closeGuide() {
    labSoGehts_->hide();
    showSelection(true);
}

void SelectionScreen::openHint() {
    showSelection(false);
    // The panel grows where its text needs more room than its normal size,
    // so that the closing sentence at its end is never cut off. Measured only
    // here: laying out the text loads its font, which start-up need not wait for.
    labHinweis_->resize(
        labHinweis_->width(),
        std::max(look::px(kHintPanelHeight), labHinweis_->heightForWidth(labHinweis_->width())));
    labHinweis_->show();
    labHinweis_->raise();
}

void SelectionScreen::closeHint() {
    labHinweis_->hide();
    showSelection(true);
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
    labSoGehts_->setGeometry(0, 0, w, h);
    line1_->setGeometry(w - 1, 0, 1, h);
    line2_->setGeometry(0, h - 1, w, 1);
}

} // namespace lw::ui
