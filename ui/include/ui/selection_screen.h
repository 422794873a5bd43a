// fo1Vorwahl, the selection screen: the user states the task (start
// ellipsoid and input format on the left, target ellipsoid and output format
// on the right) and opens the calculation screen. It also carries the two
// help panels and the quit button.
#pragma once

#include "model/job.h"
#include "ui/platform.h"

#include <QWidget>
#include <array>

class QCheckBox;
class QFrame;
class QGroupBox;
class QScrollArea;

namespace lw::ui {

class ScreenButton;
class ClickableLabel;

class SelectionScreen : public QWidget {
    Q_OBJECT
public:
    // Loads the screen: clears the job, builds every element, presses the
    // GRS80 start button. The caller places, shows and activates it.
    SelectionScreen(ConversionJob& job, Platform& platform);

    // Activation: the screen becomes the program's active screen (first
    // showing, return from the calculation screen). Presses the GRS80 target
    // button, then the GRS80 start button.
    void activate();

    // What the calculation screen's return does here before the activation:
    // "Weiter zur Zahleneingabe" disabled, ZielEllipsoideDisablen.
    void prepareReturn();

    // Disables the three target-ellipsoid buttons.
    void ZielEllipsoideDisablen();

signals:
    // "Weiter zur Zahleneingabe" pressed with both formats chosen; Aufgabe is set.
    void calculationRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    enum Side { Start, Target };
    static constexpr int kEllipsoidCount = 3;
    static constexpr int kFormatCount = 7;
    static constexpr int kGrs80 = 0;

    void build();
    void buildEllipsoidFrame(Side side);
    void buildFormatFrame(Side side);
    void buildButtons();
    void buildPanels();
    void buildOfficialChoice();
    void setTabOrder();

    void pressEllipsoid(Side side, int index);
    void pressStartEllipsoid(int index);
    void pressTargetEllipsoid(int index);
    void pressFormat(Side side, int code);
    void pressZahlenEingabe();
    void pressBeenden();

    void enableOfferedFormats(Side side, const std::string& ellipsoid);
    void AusgabeformateDisablen(); // all seven output-format buttons
    void PaarFormateDisablen();    // the formats the pair's ellipsoids do not offer
    void ZahlenEingabeEnablen();
    void clearStaleChoices();
    void offerOfficialChoice();
    void colourColumn(Side side, int chosenCode);

    // Show and hide the selection behind the help panels.
    void VorwahlZeigen();
    void VorwahlVerbergen();
    std::array<QWidget*, 10> selectionElements() const;
    void openGuide();
    void closeGuide();
    void openHint();
    void closeHint();
    void showPanel(QScrollArea* panel, ClickableLabel* label);
    void fitHintText();

    ConversionJob& job_;
    Platform& platform_;

    std::array<QGroupBox*, 2> ellipsoidFrames_{};
    std::array<QGroupBox*, 2> formatFrames_{};
    std::array<std::array<ScreenButton*, kEllipsoidCount>, 2> ellipsoidButtons_{};
    std::array<std::array<ScreenButton*, kFormatCount>, 2> formatButtons_{};
    ScreenButton* comZahlenEingabe_ = nullptr;
    ScreenButton* comBeenden_ = nullptr;
    ScreenButton* comSoGehts_ = nullptr;
    ClickableLabel* labStartoptionen_ = nullptr;
    ClickableLabel* labHinweis2_ = nullptr;
    ClickableLabel* labHinweis_ = nullptr;
    ClickableLabel* labSoGehts_ = nullptr;
    // The official DHDN <-> ETRS89 transformation instead of Molodensky.
    QCheckBox* chkAmtlich_ = nullptr;
    bool gridAsked_ = false; // PROJ is asked once, on the first Bessel <-> GRS80 pair
    bool gridAvailable_ = false;
    QScrollArea* hintPanel_ = nullptr;  // holds labHinweis
    QScrollArea* guidePanel_ = nullptr; // holds labSoGehts
    QFrame* line1_ = nullptr;
    QFrame* line2_ = nullptr;
};

} // namespace lw::ui
