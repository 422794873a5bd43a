// The running program: owns the selection screen, creates the calculation
// screen on "Weiter zur Zahleneingabe" and closes it on the return. The
// program's main() and the scenario runner both build one Program over a
// fresh ProgramState and a Platform.
#pragma once

#include "model/job.h"
#include "ui/platform.h"

#include <QObject>
#include <memory>

class QWidget;

namespace lw::ui {

class SelectionScreen;
class CalculationScreen;

class Program : public QObject {
    Q_OBJECT
public:
    Program(ProgramState& state, Platform& platform);
    ~Program() override;

    // Loads the selection screen, shows it maximized and activates it.
    void start();

    // fo1Vorwahl; foBerechnungen or nullptr while no calculation screen is open.
    QWidget* selectionWindow() const;
    QWidget* calculationWindow() const;

    ProgramState& state() { return state_; }
    Platform& platform() { return platform_; }

private:
    // "Weiter zur Zahleneingabe": opens the calculation screen, or brings the
    // open one to the front.
    void openCalculation();
    // "Neue Startoptionen wählen" (or the calculation screen's close box).
    void returnToSelection();

    ProgramState& state_;
    Platform& platform_;
    struct Screens;
    std::unique_ptr<Screens> screens_;
};

} // namespace lw::ui
