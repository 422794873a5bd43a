#include "ui/program.h"

#include "ui/calculation_screen.h"
#include "ui/focus_frame.h"
#include "ui/look.h"
#include "ui/selection_screen.h"

#include <QPixmapCache>
#include <QPointer>

namespace lw::ui {
namespace {

// Fusion keeps a picture of every button face it paints: the selection
// screen's two dozen large coloured buttons alone would hold about 1 MiB.
// Painting a face again takes well under a millisecond, so only the small
// pictures (indicators, arrows, frame corners) are worth keeping.
constexpr int kPixmapCacheKiB = 64;

// A closed calculation screen lives on until the event loop deletes it. Its
// names are taken away at once, so that nothing looking a screen element up
// by name can find the closed one instead of its successor.
void forgetNames(QWidget* window) {
    window->setObjectName(QString());
    for (QObject* child : window->findChildren<QObject*>())
        child->setObjectName(QString());
}

} // namespace

struct Program::Screens {
    std::unique_ptr<SelectionScreen> selection;
    QPointer<CalculationScreen> calculation;
};

Program::Program(ProgramState& state, Platform& platform)
    : state_(state), platform_(platform), screens_(std::make_unique<Screens>()) {}

Program::~Program() = default;

void Program::start() {
    QPixmapCache::setCacheLimit(kPixmapCacheKiB);
    installFocusFrame();
    auto& selection = screens_->selection;
    selection = std::make_unique<SelectionScreen>(state_.job, platform_);
    connect(selection.get(), &SelectionScreen::calculationRequested, this,
            &Program::openCalculation);
    selection->move(0, 0);
    selection->showMaximized();
    selection->activateWindow();
    selection->activate();
}

QWidget* Program::selectionWindow() const {
    return screens_->selection.get();
}

QWidget* Program::calculationWindow() const {
    return screens_->calculation.data();
}

void Program::openCalculation() {
    if (CalculationScreen* open = screens_->calculation) {
        // Its masks stay those of the task it was opened for.
        open->activateWindow();
        return;
    }
    auto* calculation = new CalculationScreen(screens_->selection.get(), state_, platform_);
    screens_->calculation = calculation;
    connect(calculation, &CalculationScreen::returnRequested, this, &Program::returnToSelection);
    connect(calculation, &CalculationScreen::inputNotationSwitched, screens_->selection.get(),
            &SelectionScreen::showInputSwitched);
    calculation->showMaximized();
    calculation->activateWindow();
    calculation->focusFirstField();
    if (const std::optional<std::string> pasted = screens_->selection->takePendingPaste())
        calculation->pasteIntoInputMask(*pasted);
}

void Program::returnToSelection() {
    CalculationScreen* calculation = screens_->calculation;
    if (!calculation)
        return;
    SelectionScreen& selection = *screens_->selection;
    selection.prepareReturn();
    screens_->calculation = nullptr;
    calculation->disconnect(this);
    forgetNames(calculation);
    calculation->closeForGood();
    calculation->deleteLater();
    selection.show();
    selection.activateWindow();
    selection.activate();
}

} // namespace lw::ui
