// fo1Vorwahl, the selection screen: the user states the task (start
// ellipsoid and input format on the left, target ellipsoid and output format
// on the right) and opens the calculation screen. It also carries the two
// help panels and the quit button.
#pragma once

#include "conversion/pasted_notation.h"
#include "conversion/selection_rules.h"
#include "model/job.h"
#include "model/notations.h"
#include "ui/platform.h"

#include <QWidget>
#include <array>
#include <optional>
#include <string>

class QCheckBox;
class QFrame;
class QGroupBox;

namespace lw::ui {

class ScreenButton;
class ClickableLabel;
class HelpPanel;

// The widgets of the selection screen. What is offered and chosen when, and
// what goes into the job, is decided by SelectionRules; this class builds the
// elements, forwards the presses and shows what the rules say.
class SelectionScreen : public QWidget, private SelectionView {
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

    // The calculation screen switched the job's input to `code` (a pasted
    // coordinate of that notation): the input column shows it chosen.
    void showInputSwitched(int code);
    // The coordinate accepted here by Ctrl+V, for the input mask of the
    // job it was accepted for; nullopt for none or another job.
    std::optional<std::string> takePendingPaste();

signals:
    // "Weiter zur Zahleneingabe" pressed with both formats chosen; Aufgabe is set.
    void calculationRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    enum Side { Start, Target };
    static constexpr int kFormatCount = static_cast<int>(kNotations.size());

    static SelectionSide selectionSide(Side side) {
        return side == Start ? SelectionSide::Start : SelectionSide::Target;
    }

    void build();
    void buildEllipsoidFrame(Side side);
    void buildFormatFrame(Side side);
    void buildButtons();
    void buildPanels();
    void buildOfficialChoice();
    void setTabOrder();

    void pressZahlenEingabe();
    void pressBeenden();
    void pasteCoordinate();

    ScreenButton* ellipsoidButton(SelectionSide side, int index) const;
    ScreenButton* formatButton(SelectionSide side, int code) const;
    // SelectionView
    void showEllipsoidChosen(SelectionSide side, int index, bool chosen) override;
    void setEllipsoidEnabled(SelectionSide side, int index, bool enabled) override;
    void showFormatChosen(SelectionSide side, int code, bool chosen) override;
    void setFormatEnabled(SelectionSide side, int code, bool enabled) override;
    void setContinueEnabled(bool enabled) override;
    void showOfficialChoice(bool enabled, bool checked, std::string_view tooltip) override;

    // Show and hide the selection behind the help panels.
    void VorwahlZeigen();
    void VorwahlVerbergen();
    std::array<QWidget*, 10> selectionElements() const;
    void openGuide();
    void closeGuide();
    void openHint();
    void closeHint();
    void raiseLines();

    ConversionJob& job_;
    Platform& platform_;
    SelectionRules rules_;
    PendingPaste pendingPaste_;

    std::array<QGroupBox*, 2> ellipsoidFrames_{};
    std::array<QGroupBox*, 2> formatFrames_{};
    std::array<std::array<ScreenButton*, kEllipsoidButtonCount>, 2> ellipsoidButtons_{};
    // Each notation's button in code order; the output side's last one is
    // "Alle Schreibweisen".
    std::array<std::array<ScreenButton*, kFormatCount + 1>, 2> formatButtons_{};
    ScreenButton* comZahlenEingabe_ = nullptr;
    ScreenButton* comBeenden_ = nullptr;
    ScreenButton* comSoGehts_ = nullptr;
    ClickableLabel* labStartoptionen_ = nullptr;
    ClickableLabel* labHinweis2_ = nullptr;
    // The official DHDN <-> ETRS89 transformation instead of Molodensky.
    QCheckBox* chkAmtlich_ = nullptr;
    HelpPanel* hintPanel_ = nullptr;  // labHinweis
    HelpPanel* guidePanel_ = nullptr; // labSoGehts
    QFrame* line1_ = nullptr;
    QFrame* line2_ = nullptr;
};

} // namespace lw::ui
