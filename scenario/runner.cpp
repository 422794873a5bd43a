#include "scenario/runner.h"

#include "scenario/recording_platform.h"
#include "scenario/script.h"
#include "scenario/widget_driver.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QRegularExpression>
#include <QThread>
#include <QTimer>
#include <QWidget>

#include <charconv>
#include <fstream>
#include <map>
#include <utility>

namespace lw::scenario {
namespace {

// How often the runner looks for a modal dialog that did not go through the
// recording platform (it would otherwise wait for a user who never comes).
constexpr int kStrayDialogCheckMs = 200;
// How long `wait-state` waits for work the program does off its screen's
// thread (a list of points converting) before it fails.
constexpr int kWaitStateMs = 20000;

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}
std::string str(const QString& s) {
    return s.toStdString();
}

bool isColorWord(const QString& word) {
    static const QRegularExpression pattern(QStringLiteral("^color=#[0-9A-Fa-f]{6}$"));
    return pattern.match(word).hasMatch();
}

bool stateWordMatches(const QString& expected, const QString& actual) {
    return expected.compare(actual, Qt::CaseInsensitive) == 0;
}

std::optional<MessageIcon> iconByWord(const std::string& word) {
    for (MessageIcon icon :
         {MessageIcon::Critical, MessageIcon::Information, MessageIcon::Question})
        if (iconWord(icon) == word)
            return icon;
    return std::nullopt;
}

// One file: its program, its recorder and the commands acting on them.
class FileSession {
public:
    FileSession(Runner& runner, std::string fileName, const ProgramFactory& factory)
        : runner_(runner), file_(std::move(fileName)),
          platform_([this](const std::string& line) { runner_.writeLine(line); }) {
        strayDialogWatch_.setInterval(kStrayDialogCheckMs);
        QObject::connect(&strayDialogWatch_, &QTimer::timeout, [this] { closeStrayDialog(); });
        strayDialogWatch_.start();
        program_ = factory(platform_);
        processPendingEvents();
    }

    ~FileSession() {
        strayDialogWatch_.stop();
        program_.reset();
        processPendingEvents();
        hideLeftoverWindows();
    }

    void run(const CommandLine& command) {
        line_ = command.number;
        runner_.writeLine(command.text);
        std::string_view rest = command.text;
        const std::string verb = takeWord(rest);
        const auto handler = handlers().find(verb);
        if (handler == handlers().end())
            return error("a command", verb);
        if (platform_.hasQuit() && handler->second.needsProgram)
            return error("no command that needs the program (it has ended)", verb);
        (this->*handler->second.run)(rest);
    }

private:
    using Handler = void (FileSession::*)(std::string_view);
    struct Command {
        Handler run;
        bool needsProgram;
    };

    static const std::map<std::string, Command, std::less<>>& handlers() {
        static const std::map<std::string, Command, std::less<>> table = {
            {"click", {&FileSession::click, true}},
            {"dblclick", {&FileSession::doubleClick, true}},
            {"type", {&FileSession::type, true}},
            {"key", {&FileSession::key, true}},
            {"paste", {&FileSession::paste, true}},
            {"paste-clipboard", {&FileSession::pasteClipboard, true}},
            {"answer", {&FileSession::answer, true}},
            {"expect", {&FileSession::expectText, true}},
            {"expect-state", {&FileSession::expectState, true}},
            {"wait-state", {&FileSession::waitState, true}},
            {"expect-message", {&FileSession::expectMessage, false}},
            {"expect-no-message", {&FileSession::expectNoMessage, false}},
            {"expect-sounds", {&FileSession::expectSounds, false}},
            {"expect-quit", {&FileSession::expectQuit, false}},
            {"expect-clipboard", {&FileSession::expectClipboard, false}},
        };
        return table;
    }

    void error(const std::string& expected, const std::string& found) {
        runner_.fail(file_, line_, expected, found);
    }

    void check(bool ok, const std::string& expected, const std::string& found) {
        if (ok)
            runner_.pass();
        else
            error(expected, found);
    }

    bool noMoreWords(std::string_view rest) {
        if (rest.empty())
            return true;
        error("end of line", std::string(rest));
        return false;
    }

    // The element named by the next word, or nullptr after reporting the error.
    QWidget* element(std::string_view& rest) {
        const std::string name = takeWord(rest);
        if (name.empty()) {
            error("an element name", "");
            return nullptr;
        }
        QWidget* w = findElement(qs(name));
        if (!w)
            error("an element named " + name, "none");
        return w;
    }

    // The element a user can reach with the mouse, or nullptr after the error.
    QWidget* reachableElement(std::string_view& rest) {
        QWidget* w = element(rest);
        if (!w)
            return nullptr;
        if (const auto reason = unreachableReason(w)) {
            error(str(w->objectName()) + " within the user's reach", str(*reason));
            return nullptr;
        }
        return w;
    }

    std::optional<std::string> text(std::string_view rest) {
        TextOperand operand = parseTextOperand(rest);
        if (!operand.text)
            error("a text", operand.error);
        return operand.text;
    }

    // Moves the focus as the press of a click does; true when no message box
    // appeared meanwhile (a real modal box would take the rest of the click).
    bool focusWithoutMessage(QWidget* w) {
        const int boxesBefore = platform_.boxCount();
        focusLikeClick(w);
        return platform_.boxCount() == boxesBefore;
    }

    // The element of a `click` or `dblclick` line after the focus moved to it
    // as a mouse press moves it; null where the user could not click it, where
    // a box appeared meanwhile, or where a focus handler removed it.
    QPointer<QWidget> pressedElement(std::string_view rest) {
        QWidget* w = reachableElement(rest);
        if (!w || !noMoreWords(rest))
            return nullptr;
        QPointer<QWidget> target(w);
        if (!focusWithoutMessage(w))
            return nullptr;
        return target;
    }

    void click(std::string_view rest) {
        if (QPointer<QWidget> target = pressedElement(rest))
            clickOn(target);
    }

    void doubleClick(std::string_view rest) {
        QPointer<QWidget> target = pressedElement(rest);
        if (!target)
            return;
        const int boxesBefore = platform_.boxCount();
        pressForDoubleClick(target);
        if (target && target->isVisible() && platform_.boxCount() == boxesBefore)
            finishDoubleClick(target);
    }

    // Reads the element and text of a `type` or `paste` line and gives the
    // element the focus as a click gives it. False (the error reported) where
    // a user could not do it. `target` clears itself if a focus handler
    // removes the element.
    bool focusForText(std::string_view rest, std::string& textOut, QPointer<QWidget>& target) {
        QWidget* w = reachableElement(rest);
        if (!w)
            return false;
        const std::optional<std::string> t = text(rest);
        if (!t)
            return false;
        if (!takesClickFocus(w)) {
            error(str(w->objectName()) + " taking the focus", "no focus");
            return false;
        }
        textOut = *t;
        target = w;
        focusLikeClick(w);
        return true;
    }

    void type(std::string_view rest) {
        std::string typed;
        QPointer<QWidget> target;
        if (!focusForText(rest, typed, target))
            return;
        if (target && target->hasFocus())
            selectAllText(target);
        for (QChar c : qs(typed))
            if (!typeCharacter(c))
                return error("a focused element for the key", "none");
    }

    void key(std::string_view rest) {
        const std::string name = takeWord(rest);
        if (!noMoreWords(rest))
            return;
        if (!isKeyName(qs(name)))
            return error("Enter, Tab, Backspace or Escape", name);
        if (!pressNamedKey(qs(name)))
            error("a focused element for the key", "none");
    }

    void paste(std::string_view rest) {
        std::string pasted;
        QPointer<QWidget> target;
        if (focusForText(rest, pasted, target))
            pasteIntoFocused(qs(pasted));
    }

    // Puts the text on the clipboard, clicks into the element and presses
    // Ctrl+V: the field pastes as it does for a user.
    void pasteClipboard(std::string_view rest) {
        std::string pasted;
        QPointer<QWidget> target;
        if (!focusForText(rest, pasted, target))
            return;
        setClipboardText(qs(pasted));
        if (!pressPasteKeys())
            error("a focused element for the key", "none");
    }

    void answer(std::string_view rest) {
        const std::string word = takeWord(rest);
        if (!noMoreWords(rest))
            return;
        if (word == "yes")
            platform_.setNextAnswer(ui::Answer::Yes);
        else if (word == "no")
            platform_.setNextAnswer(ui::Answer::No);
        else
            error("yes or no", word);
    }

    void expectText(std::string_view rest) {
        QWidget* w = element(rest);
        if (!w)
            return;
        const std::optional<std::string> expected = text(rest);
        if (!expected)
            return;
        const std::optional<QString> actual = elementText(w);
        if (!actual)
            return error(*expected, "an element without text");
        check(str(*actual) == *expected, *expected, str(*actual));
    }

    void expectState(std::string_view rest) { checkState(rest, 0); }

    // As expect-state, once the state has come or `waitMs` have passed,
    // events running meanwhile.
    void waitState(std::string_view rest) { checkState(rest, kWaitStateMs); }

    void checkState(std::string_view rest, int waitMs) {
        QPointer<QWidget> w = element(rest);
        if (!w)
            return;
        std::vector<std::string> words;
        for (std::string word = takeWord(rest); !word.empty(); word = takeWord(rest)) {
            const QString asked = qs(word);
            if (!actualStateWord(w, asked) || (asked.startsWith(u"color=") && !isColorWord(asked)))
                return error("a state word", word);
            words.push_back(word);
        }
        if (words.empty())
            return error("a state word", "");
        std::string expectedWords, foundWords;
        auto matches = [&] {
            expectedWords.clear();
            foundWords.clear();
            bool ok = w != nullptr;
            for (const std::string& word : words) {
                const std::optional<QString> actual =
                    w ? actualStateWord(w, qs(word)) : std::optional<QString>();
                ok = ok && actual && stateWordMatches(qs(word), *actual);
                expectedWords += (expectedWords.empty() ? "" : " ") + word;
                foundWords += (foundWords.empty() ? "" : " ") + (actual ? str(*actual) : "gone");
            }
            return ok;
        };
        QElapsedTimer waited;
        waited.start();
        while (!matches() && w && waited.elapsed() < waitMs) {
            QThread::msleep(10);
            processPendingEvents();
        }
        check(matches(), expectedWords, foundWords);
    }

    void expectMessage(std::string_view rest) {
        const std::string word = takeWord(rest);
        const std::optional<MessageIcon> icon = iconByWord(word);
        if (!icon)
            return error("critical, information or question", word);
        const std::optional<std::string> expected = text(rest);
        if (!expected)
            return;
        const std::string expectedBox = word + " " + *expected;
        auto& boxes = platform_.uncheckedBoxes();
        if (boxes.empty())
            return error(expectedBox, "no message box");
        const RecordedBox box = boxes.front();
        boxes.pop_front();
        const std::string foundBox = iconWord(box.icon) + " " + box.text;
        check(box.icon == *icon && box.text == *expected, expectedBox, foundBox);
    }

    void expectNoMessage(std::string_view rest) {
        if (!noMoreWords(rest))
            return;
        auto& boxes = platform_.uncheckedBoxes();
        if (boxes.empty())
            return runner_.pass();
        const RecordedBox first = boxes.front();
        const std::string found = std::to_string(boxes.size()) + " unchecked, the first " +
                                  iconWord(first.icon) + " " + first.text;
        boxes.clear();
        error("no message box", found);
    }

    void expectSounds(std::string_view rest) {
        const std::string word = takeWord(rest);
        if (!noMoreWords(rest))
            return;
        int expected = -1;
        const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), expected);
        if (word.empty() || ec != std::errc() || end != word.data() + word.size() || expected < 0)
            return error("a number of sounds", word);
        const int heard = platform_.takeSoundCount();
        check(heard == expected, std::to_string(expected), std::to_string(heard));
    }

    void expectClipboard(std::string_view rest) {
        const std::optional<std::string> expected = text(rest);
        if (!expected)
            return;
        const std::string found = str(clipboardText());
        check(found == *expected, *expected, found);
    }

    void expectQuit(std::string_view rest) {
        if (!noMoreWords(rest))
            return;
        check(platform_.hasQuit(), "quit", "running");
    }

    // A dialog that bypassed the recording platform would wait for a user;
    // report it and close it so that the file goes on.
    void closeStrayDialog() {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || dialog->objectName().startsWith(u"fo"))
            return;
        QString shown = dialog->windowTitle();
        if (auto* box = qobject_cast<QMessageBox*>(dialog))
            shown += QStringLiteral(": ") + box->text();
        error("no unrecorded dialog", str(shown));
        dialog->done(QDialog::Rejected);
    }

    // Windows the program left behind must not answer later files' look-ups.
    static void hideLeftoverWindows() {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->isVisible())
                window->hide();
        processPendingEvents();
    }

    Runner& runner_;
    std::string file_;
    int line_ = 0;
    RecordingPlatform platform_;
    QTimer strayDialogWatch_;
    std::unique_ptr<ProgramUnderTest> program_;
};

} // namespace

Runner::Runner(ProgramFactory factory, std::ostream& out)
    : factory_(std::move(factory)), out_(out) {}

Runner::~Runner() = default;

void Runner::writeLine(const std::string& line) {
    out_ << line << '\n' << std::flush;
}

void Runner::fail(const std::string& file, int line, const std::string& expected,
                  const std::string& found) {
    ++failed_;
    writeLine("FAIL " + file + ":" + std::to_string(line) + ": expected " + quotedText(expected) +
              " / found " + quotedText(found));
}

void Runner::runFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return fail(path, 0, "a readable scenario file", "cannot open");
    runScript(path, in);
}

void Runner::runScript(const std::string& fileName, std::istream& in) {
    const std::vector<CommandLine> commands = readCommandLines(in);
    FileSession session(*this, fileName, factory_);
    for (const CommandLine& command : commands)
        session.run(command);
}

int Runner::finish() {
    writeLine(std::to_string(passed_) + " passed, " + std::to_string(failed_) + " failed");
    return failed_ == 0 ? 0 : 1;
}

} // namespace lw::scenario
