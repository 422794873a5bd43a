// The scenario runner against a small stand-in window: file format, output
// lines, counting, exit status and the errors a user could not commit.
#include "scenario/runner.h"
#include "scenario/script.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace lw::scenario {
namespace {

// A window with what the screens have in small: a filtered field whose
// refusals beep and show a box, a field with a focus guard, buttons (one
// disabled, one asking before it quits), a result label, options.
class StandIn : public ProgramUnderTest, public QObject {
public:
    explicit StandIn(ui::Platform& platform) : platform_(platform) {
        window_.setObjectName("winStandIn");
        window_.setWindowTitle("Stand-in  V 1");
        auto* layout = new QVBoxLayout(&window_);
        name_ = add<QLineEdit>(layout, "texName");
        QPalette palette = name_->palette();
        palette.setColor(QPalette::Base, QColor(0xC0, 0xFF, 0xC0));
        name_->setPalette(palette);
        name_->installEventFilter(this);
        guarded_ = add<QLineEdit>(layout, "texGuarded");
        guarded_->installEventFilter(this);
        auto* go = add<QPushButton>(layout, "comGo");
        go->setText("Los");
        result_ = add<QLabel>(layout, "labResult");
        add<QPushButton>(layout, "comOff")->setEnabled(false);
        auto* quit = add<QPushButton>(layout, "comQuit");
        auto* stray = add<QPushButton>(layout, "comStray");
        add<QLabel>(layout, "labHidden")->hide();
        add<QRadioButton>(layout, "optA")->setChecked(true);
        add<QRadioButton>(layout, "optB");
        // Work that ends a moment later, as a list converting off the
        // screen's thread does.
        auto* later = add<QPushButton>(layout, "comLater");
        QObject::connect(later, &QPushButton::clicked, [this] {
            QTimer::singleShot(100, &window_,
                               [this] { window_.findChild<QLabel*>("labHidden")->show(); });
        });
        QObject::connect(go, &QPushButton::clicked,
                         [this] { result_->setText("Ergebnis: " + name_->text()); });
        QObject::connect(quit, &QPushButton::clicked, [this] {
            if (platform_.messageBox(&window_, MessageIcon::Question, "Beenden?") ==
                ui::Answer::Yes)
                platform_.quit();
        });
        // A box shown behind the platform's back, as a wiring fault would.
        QObject::connect(stray, &QPushButton::clicked, [this] {
            QMessageBox box(QMessageBox::Warning, "Lagewandler", "Streuner", QMessageBox::Ok,
                            &window_);
            box.exec();
        });
        window_.show();
        window_.activateWindow();
        name_->setFocus();
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == name_ && event->type() == QEvent::KeyPress)
            return refusedKey(static_cast<QKeyEvent*>(event));
        if (watched == guarded_ && event->type() == QEvent::FocusIn && name_->text().isEmpty()) {
            platform_.playSystemSound("SystemHand");
            platform_.messageBox(&window_, MessageIcon::Critical, "Erst den Namen!");
            name_->setFocus();
        }
        return false;
    }

private:
    template <class W> W* add(QVBoxLayout* layout, const char* name) {
        auto* w = new W(&window_);
        w->setObjectName(name);
        layout->addWidget(w);
        return w;
    }

    // Digits are refused as the screens refuse characters; Enter moves on.
    bool refusedKey(QKeyEvent* key) {
        if (key->key() == Qt::Key_Return) {
            guarded_->setFocus();
            return true;
        }
        const QString text = key->text();
        if (text.size() != 1 || !text[0].isDigit())
            return false;
        platform_.playSystemSound("SystemHand");
        platform_.playSystemSound(""); // the silent entry of the sound table
        platform_.messageBox(&window_, MessageIcon::Critical,
                             "Die Eingabe von\r\n" + text + "\r\nist nicht zulässig!");
        return true;
    }

    ui::Platform& platform_;
    QWidget window_;
    QLineEdit* name_ = nullptr;
    QLineEdit* guarded_ = nullptr;
    QLabel* result_ = nullptr;
};

std::unique_ptr<ProgramUnderTest> startStandIn(ui::Platform& platform) {
    return std::make_unique<StandIn>(platform);
}

struct RunResult {
    std::string output;
    int status = 0;
    int passed = 0;
    int failed = 0;
};

RunResult runFiles(const std::vector<std::pair<std::string, std::string>>& files) {
    std::ostringstream out;
    Runner runner(startStandIn, out);
    for (const auto& [name, text] : files) {
        std::istringstream in(text);
        runner.runScript(name, in);
    }
    RunResult run;
    run.status = runner.finish();
    run.output = out.str();
    run.passed = runner.passed();
    run.failed = runner.failed();
    return run;
}

RunResult runOne(const std::string& text) {
    return runFiles({{"s.scn", text}});
}

std::string lastLine(const std::string& output) {
    std::string trimmed = output;
    EXPECT_FALSE(trimmed.empty());
    EXPECT_EQ(trimmed.back(), '\n');
    trimmed.pop_back();
    return trimmed.substr(trimmed.rfind('\n') + 1);
}

bool contains(const std::string& haystack, const std::string& needle) {
    return haystack.find(needle) != std::string::npos;
}

TEST(ScenarioText, ReadsPlainAndQuotedTexts) {
    struct Case {
        std::string operand;
        std::string text;
    };
    const std::vector<Case> cases = {
        {"48.5", "48.5"},
        {"  32U  NU  76   ", "32U  NU  76"},
        {"", ""},
        {R"("")", ""},
        {R"(" N48 ")", " N48 "},
        {R"("a\"b\\c")", "a\"b\\c"},
        {R"("Die Eingabe von\r\nü\r\nist\tda\n")", "Die Eingabe von\r\nü\r\nist\tda\n"},
        {R"(  "x"   )", "x"},
        {R"(ab"c)", R"(ab"c)"},
    };
    for (const Case& c : cases) {
        const TextOperand operand = parseTextOperand(c.operand);
        ASSERT_TRUE(operand.text) << c.operand << ": " << operand.error;
        EXPECT_EQ(*operand.text, c.text) << c.operand;
        EXPECT_EQ(*parseTextOperand(quotedText(c.text)).text, c.text)
            << "round trip of " << c.operand;
    }
}

TEST(ScenarioText, RefusesBrokenQuotedTexts) {
    for (const char* broken : {R"("open)", R"("bad \x escape")", R"("a" b)", R"("ends in \)"})
        EXPECT_FALSE(parseTextOperand(broken).text) << broken;
}

TEST(ScenarioText, SkipsBlankAndCommentLinesAndCountsLineNumbers) {
    std::istringstream in(
        "# heading\r\n\r\n  click comGo  \r\n   # indented comment\n\texpect-quit\n");
    const std::vector<CommandLine> lines = readCommandLines(in);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].number, 3);
    EXPECT_EQ(lines[0].text, "click comGo");
    EXPECT_EQ(lines[1].number, 5);
    EXPECT_EQ(lines[1].text, "expect-quit");
}

TEST(ScenarioRunner, PassingFileEchoesCommandsAndExitsZero) {
    const RunResult run = runOne("# a comment\n"
                                 "type texName Anna\n"
                                 "click comGo\n"
                                 "expect labResult Ergebnis: Anna\n"
                                 "expect winStandIn \"Stand-in  V 1\"\n"
                                 "expect comGo Los\n");
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(run.output, "type texName Anna\nclick comGo\nexpect labResult Ergebnis: Anna\n"
                          "expect winStandIn \"Stand-in  V 1\"\nexpect comGo Los\n"
                          "3 passed, 0 failed\n");
}

TEST(ScenarioRunner, FailedCheckNamesFileAndLineAndExitsOne) {
    const RunResult run = runOne("type texName Anna\n\nexpect texName \"Bert\\r\\n\"\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(contains(run.output, "FAIL s.scn:3: expected \"Bert\\r\\n\" / found \"Anna\"\n"))
        << run.output;
    EXPECT_EQ(lastLine(run.output), "0 passed, 1 failed");
}

// Each of these is something a user could not do or a line the runner cannot
// read: one FAIL line naming the line, one failed check, and the file goes on.
TEST(ScenarioRunner, ErrorsCountAsOneFailureAndTheFileGoesOn) {
    struct Case {
        std::string command;
        std::string failLine;
    };
    const std::vector<Case> cases = {
        {"click texNowhere",
         "FAIL s.scn:1: expected \"an element named texNowhere\" / found \"none\""},
        {"klick comGo", "FAIL s.scn:1: expected \"a command\" / found \"klick\""},
        {"click comOff",
         "FAIL s.scn:1: expected \"comOff within the user's reach\" / found \"disabled\""},
        {"click labHidden",
         "FAIL s.scn:1: expected \"labHidden within the user's reach\" / found \"hidden\""},
        {"type labResult abc",
         "FAIL s.scn:1: expected \"labResult taking the focus\" / found \"no focus\""},
        {"key F5", "FAIL s.scn:1: expected \"Enter, Tab, Backspace or Escape\" / found \"F5\""},
        {"answer maybe", "FAIL s.scn:1: expected \"yes or no\" / found \"maybe\""},
        {"expect-state comGo shiny", "FAIL s.scn:1: expected \"a state word\" / found \"shiny\""},
        {"expect-state comGo color=#12345",
         "FAIL s.scn:1: expected \"a state word\" / found \"color=#12345\""},
        {"expect-sounds two", "FAIL s.scn:1: expected \"a number of sounds\" / found \"two\""},
        {"expect-message warning \"x\"",
         "FAIL s.scn:1: expected \"critical, information or question\" / found \"warning\""},
        {"expect texName \"open",
         "FAIL s.scn:1: expected \"a text\" / found \"missing closing quote\""},
        {"click comGo now", "FAIL s.scn:1: expected \"end of line\" / found \"now\""},
    };
    for (const Case& c : cases) {
        const RunResult run = runOne(c.command + "\nexpect-sounds 0\n");
        EXPECT_EQ(run.status, 1) << c.command;
        EXPECT_TRUE(contains(run.output, c.failLine + "\n")) << c.command << "\n" << run.output;
        EXPECT_EQ(lastLine(run.output), "1 passed, 1 failed") << c.command;
    }
}

TEST(ScenarioRunner, ClosingLineCountsChecksOverSeveralFiles) {
    const RunResult run = runFiles({
        {"a.scn", "expect comGo Los\nexpect comGo Nein\n"},
        {"b.scn", "expect-no-message\nexpect-sounds 0\nexpect-quit\n"},
        {"c.scn", "expect texName \"\"\n"},
    });
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(contains(run.output, "FAIL a.scn:2:")) << run.output;
    EXPECT_TRUE(contains(run.output, "FAIL b.scn:3: expected \"quit\" / found \"running\""))
        << run.output;
    EXPECT_EQ(lastLine(run.output), "4 passed, 2 failed");
}

TEST(ScenarioRunner, EachFileStartsAFreshProgram) {
    const RunResult run =
        runFiles({{"a.scn", "type texName Anna\n"}, {"b.scn", "expect texName \"\"\n"}});
    EXPECT_EQ(run.status, 0) << run.output;
}

TEST(ScenarioRunner, RefusedKeyIsRecordedAsMessageAndSound) {
    const RunResult run =
        runOne("type texName A1b\n"
               "expect texName Ab\n"
               "expect-sounds 1\n"
               "expect-message critical \"Die Eingabe von\\r\\n1\\r\\nist nicht zulässig!\"\n"
               "expect-no-message\n"
               "expect-sounds 0\n");
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_TRUE(contains(run.output,
                         "type texName A1b\nsound\n"
                         "message critical \"Die Eingabe von\\r\\n1\\r\\nist nicht zulässig!\"\n"))
        << run.output;
}

TEST(ScenarioRunner, TypingReplacesTheWholeTextAndKeysGoToTheFocus) {
    const RunResult run = runOne("type texName Anna\n"
                                 "type texName Bert\n"
                                 "expect texName Bert\n"
                                 "key Backspace\n"
                                 "expect texName Ber\n"
                                 "type texName \"x\\ry\"\n"
                                 "expect texName x\n"
                                 "expect texGuarded y\n"
                                 "expect-state texGuarded focused\n");
    EXPECT_EQ(run.status, 0) << run.output;
}

TEST(ScenarioRunner, PasteReplacesTheTextWithoutKeyHandling) {
    const RunResult run = runOne("paste texName \"12 Uhr\"\n"
                                 "expect texName \"12 Uhr\"\n"
                                 "expect-no-message\n");
    EXPECT_EQ(run.status, 0) << run.output;
}

TEST(ScenarioRunner, ClipboardPasteGoesThroughTheFieldsPasteKeys) {
    const RunResult run = runOne("paste-clipboard texName Zettel\n"
                                 "expect texName Zettel\n"
                                 "expect-state texName focused\n"
                                 "expect-clipboard Zettel\n"
                                 "expect-clipboard anders\n"
                                 "paste-clipboard comOff x\n");
    EXPECT_EQ(run.status, 1) << run.output;
    EXPECT_EQ(run.passed, 3) << run.output;
    EXPECT_EQ(run.failed, 2) << run.output;
    EXPECT_TRUE(contains(run.output, "FAIL s.scn:5: expected \"anders\" / found \"Zettel\""))
        << run.output;
    EXPECT_TRUE(contains(run.output, "FAIL s.scn:6: expected \"comOff within the user's reach\""))
        << run.output;
}

// The focus guard raises a box while the press moves the focus: a real modal
// box would take the rest of the click, so the button must not act.
TEST(ScenarioRunner, MessageWhileTheFocusMovesSwallowsTheClick) {
    const RunResult run = runOne("click texGuarded\n"
                                 "expect-message critical \"Erst den Namen!\"\n"
                                 "expect-state texName focused\n"
                                 "type texName Anna\n"
                                 "click comGo\n"
                                 "expect labResult Ergebnis: Anna\n");
    EXPECT_EQ(run.status, 0) << run.output;
}

TEST(ScenarioRunner, StatesAndColours) {
    const RunResult run = runOne("expect-state texName visible enabled focused color=#c0ffc0\n"
                                 "expect-state comOff visible disabled\n"
                                 "expect-state labHidden hidden\n"
                                 "expect labHidden \"\"\n"
                                 "expect-state optA checked\n"
                                 "click optB\n"
                                 "expect-state optA unchecked\n"
                                 "expect-state optB checked focused\n"
                                 "expect-state texName readonly\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(
        contains(run.output, "FAIL s.scn:9: expected \"readonly\" / found \"not readonly\""))
        << run.output;
    EXPECT_EQ(lastLine(run.output), "7 passed, 1 failed");
}

TEST(ScenarioRunner, WaitStateLetsEventsRunUntilTheStateCame) {
    const RunResult run = runOne("click comLater\n"
                                 "expect-state labHidden hidden\n"
                                 "wait-state labHidden visible\n"
                                 "wait-state labHidden visible enabled\n"
                                 "wait-state labHidden shiny\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(contains(run.output, "FAIL s.scn:5: expected \"a state word\" / found \"shiny\""))
        << run.output;
    EXPECT_EQ(lastLine(run.output), "3 passed, 1 failed");
}

TEST(ScenarioRunner, MessageChecksTakeTheOldestBoxEvenWhenTheyFail) {
    const RunResult run =
        runOne("type texName 12\n"
               "expect-message information \"Die Eingabe von\\r\\n1\\r\\nist nicht zulässig!\"\n"
               "expect-message critical \"Die Eingabe von\\r\\n2\\r\\nist nicht zulässig!\"\n"
               "expect-message critical \"x\"\n"
               "type texName 3\n"
               "expect-no-message\n"
               "expect-no-message\n");
    EXPECT_TRUE(contains(run.output, "FAIL s.scn:2: expected \"information Die Eingabe von"))
        << run.output;
    EXPECT_TRUE(
        contains(run.output, "FAIL s.scn:4: expected \"critical x\" / found \"no message box\""))
        << run.output;
    EXPECT_TRUE(
        contains(run.output, "FAIL s.scn:6: expected \"no message box\" / found \"1 unchecked"))
        << run.output;
    EXPECT_EQ(lastLine(run.output), "2 passed, 3 failed");
}

TEST(ScenarioRunner, QuestionsTakeTheDefaultNoUnlessAnswered) {
    const RunResult run = runOne("click comQuit\n"
                                 "expect-message question Beenden?\n"
                                 "expect-state winStandIn visible\n"
                                 "answer yes\n"
                                 "click comQuit\n"
                                 "expect-quit\n");
    EXPECT_EQ(run.status, 0) << run.output;
}

TEST(ScenarioRunner, AfterTheQuitOnlyRecorderChecksWork) {
    const RunResult run = runOne("answer yes\n"
                                 "click comQuit\n"
                                 "expect-quit\n"
                                 "expect-message question Beenden?\n"
                                 "expect-no-message\n"
                                 "expect-sounds 0\n"
                                 "click comGo\n"
                                 "expect comGo Los\n");
    EXPECT_TRUE(contains(run.output, "FAIL s.scn:7:")) << run.output;
    EXPECT_TRUE(contains(run.output, "FAIL s.scn:8:")) << run.output;
    EXPECT_EQ(lastLine(run.output), "4 passed, 2 failed");
}

TEST(ScenarioRunner, StrayModalDialogFailsInsteadOfHanging) {
    const RunResult run = runOne("click comStray\nexpect-state comGo enabled\n");
    EXPECT_TRUE(contains(run.output, "FAIL s.scn:1: expected \"no unrecorded dialog\" / found "
                                     "\"Lagewandler: Streuner\""))
        << run.output;
    EXPECT_EQ(lastLine(run.output), "1 passed, 1 failed");
}

TEST(ScenarioRunner, UnreadableFileIsOneFailure) {
    std::ostringstream out;
    Runner runner(startStandIn, out);
    runner.runFile("/nonexistent/x.scn");
    EXPECT_EQ(runner.finish(), 1);
    EXPECT_TRUE(contains(out.str(), "FAIL /nonexistent/x.scn:0:")) << out.str();
}

} // namespace
} // namespace lw::scenario

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
