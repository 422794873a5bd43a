// How the screens fare on today's desktops: a dark palette, Qt's German
// standard texts, the help panels at the usual display sizes and from the
// keyboard, the focus frame, and what a screen reader is told.
#include "ui_test_support.h"

#include "ui/desktop_platform.h"
#include "ui/focus_frame.h"
#include "ui/look.h"
#include "ui/standard_texts.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionButton>

using namespace lw;
using namespace lw::ui;
using namespace lw::ui::test;

namespace {

QPalette darkPalette() {
    QPalette dark;
    const QColor window(0x35, 0x35, 0x35), base(0x20, 0x20, 0x20);
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        dark.setColor(group, QPalette::Window, window);
        dark.setColor(group, QPalette::Button, window);
        dark.setColor(group, QPalette::Base, base);
        dark.setColor(group, QPalette::WindowText, Qt::white);
        dark.setColor(group, QPalette::ButtonText, Qt::white);
        dark.setColor(group, QPalette::Text, Qt::white);
    }
    dark.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x7f, 0x7f, 0x7f));
    return dark;
}

// Lightness of the darkest pixel inside `w`, away from its border and focus
// frame, and how many pixels there are near black.
struct Ink {
    int darkest = 255;
    int nearBlack = 0;
};

Ink inkOf(QWidget* w) {
    const QImage image = w->grab().toImage();
    const qreal dpr = image.devicePixelRatio();
    const QRect inner = QRect(QPoint(0, 0), image.size())
                            .adjusted(int(5 * dpr), int(4 * dpr), -int(5 * dpr), -int(4 * dpr));
    Ink ink;
    for (int y = inner.top(); y <= inner.bottom(); ++y)
        for (int x = inner.left(); x <= inner.right(); ++x) {
            const int l = QColor(image.pixel(x, y)).lightness();
            ink.darkest = std::min(ink.darkest, l);
            ink.nearBlack += l < 60;
        }
    return ink;
}

QString accessibleText(QWidget* w, QAccessible::Text what) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
    return iface ? iface->text(what) : QString();
}

void key(Qt::Key k, const QString& text = QString()) {
    QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), k, text, Qt::NoModifier);
    settle();
}

QScrollArea* panelOf(QWidget* label) {
    return qobject_cast<QScrollArea*>(label->parentWidget()->parentWidget());
}

// Answers the next real message box with `answer`, noting its button texts.
struct BoxReader : QObject {
    QStringList buttons;
    QTimer timer;
    BoxReader() {
        connect(&timer, &QTimer::timeout, this, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            for (QAbstractButton* b : box->buttons())
                buttons << b->text().remove(QLatin1Char('&')); // as shown
            buttons.sort();
            box->reject(); // Escape: the "No" button
        });
        timer.start(20);
    }
};

} // namespace

class DesktopLookTest : public QObject {
    Q_OBJECT
private slots:
    void darkPaletteKeepsTextDarkOnTheLightColours();
    void quitQuestionButtonsAreGermanWithoutTranslation();
    void fieldContextMenuIsGermanWithTranslation();
    void helpPanelsShowTheWholeTextAtEveryWidth_data();
    void helpPanelsShowTheWholeTextAtEveryWidth();
    void helpPanelsCloseFromTheKeyboard_data();
    void helpPanelsCloseFromTheKeyboard();
    void quitLabelAsksFromTheKeyboard();
    void focusFrameIsShownFromTheStart();
    void focusFrameStandsOutOnTheColours();
    void chosenButtonsSayTheyAreChosen();
    void masksCarryReadableNames_data();
    void masksCarryReadableNames();
    void buttonFacesLookLikeFusion_data();
    void buttonFacesLookLikeFusion();
};

void DesktopLookTest::darkPaletteKeepsTextDarkOnTheLightColours() {
    const QPalette before = QApplication::palette();
    QApplication::setPalette(darkPalette());
    {
        RunningProgram p;
        p.click("comGradDezEIN");
        // Enabled buttons and labels on their light colours: black text.
        for (const char* name : {"comBeenden", "comSoGehts", "comGRSAus", "comBesselEIN",
                                 "comGradDezEIN", "labStartoptionen", "labHinweis2"}) {
            const Ink ink = inkOf(p.find(name));
            QVERIFY2(ink.nearBlack > 20, name);
        }
        // Disabled "Weiter zur Zahleneingabe": a readable grey, not white, not black.
        const Ink disabled = inkOf(p.find("comZahlenEingabe"));
        QVERIFY2(disabled.darkest > 40 && disabled.darkest < 140,
                 qPrintable(QString::number(disabled.darkest)));
        p.click("comUTMzivilAUS");
        p.click("comZahlenEingabe");
        QVERIFY(p.calc());
        p.find<QLineEdit>("texBreite")->setText(QStringLiteral("48.888888"));
        for (const char* name : {"texBreite", "comRechnen", "labEingabe", "labBeenden"}) {
            const Ink ink = inkOf(p.find(name));
            QVERIFY2(ink.nearBlack > 20, name);
        }
    }
    QApplication::setPalette(before);
}

void DesktopLookTest::quitQuestionButtonsAreGermanWithoutTranslation() {
    DesktopPlatform platform;
    BoxReader reader;
    QCOMPARE(platform.messageBox(nullptr, MessageIcon::Question, QStringLiteral("Frage")),
             Answer::No);
    QCOMPARE(reader.buttons, (QStringList{QStringLiteral("Ja"), QStringLiteral("Nein")}));
}

void DesktopLookTest::fieldContextMenuIsGermanWithTranslation() {
    const QString file =
        QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_de.qm");
    if (!QFile::exists(file))
        QSKIP("Qt's German translation is not installed (qt6-translations-l10n)");
    QVERIFY(loadGermanStandardTexts(*qApp));
    QLineEdit field;
    std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
    QStringList captions;
    for (QAction* action : menu->actions())
        captions << action->text().remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0);
    QVERIFY2(captions.contains(QStringLiteral("Kopieren")), qPrintable(captions.join('|')));
    QVERIFY2(captions.contains(QStringLiteral("Alles auswählen")), qPrintable(captions.join('|')));
}

void DesktopLookTest::helpPanelsShowTheWholeTextAtEveryWidth_data() {
    QTest::addColumn<QSize>("size");
    for (QSize size : {QSize(1024, 768), QSize(1280, 1024), QSize(1366, 768), QSize(1920, 1080)})
        QTest::newRow(qPrintable(QStringLiteral("%1x%2").arg(size.width()).arg(size.height())))
            << size;
}

void DesktopLookTest::helpPanelsShowTheWholeTextAtEveryWidth() {
    QFETCH(QSize, size);
    RunningProgram p;
    QWidget* window = p.program->selectionWindow();
    window->setGeometry(QRect(QPoint(0, 0), size));
    settle();
    for (const char* opener : {"comSoGehts", "labHinweis2"}) {
        p.click(opener);
        auto* label =
            p.find<QLabel>(opener == QLatin1String("comSoGehts") ? "labSoGehts" : "labHinweis");
        QScrollArea* panel = panelOf(label);
        QVERIFY(panel && panel->isVisible());
        // The panel covers the window; its text fills the panel's width, so
        // no strip of the window shows beside it.
        QCOMPARE(panel->geometry(), window->rect());
        QCOMPARE(label->width(), panel->viewport()->width());
        // The label is tall enough for its whole text; what the window cannot
        // show is reached by scrolling.
        const int needed =
            label->wordWrap() ? label->heightForWidth(label->width()) : label->sizeHint().height();
        QVERIFY2(label->height() >= needed, opener);
        QCOMPARE(panel->verticalScrollBar()->maximum(),
                 std::max(0, label->height() - panel->viewport()->height()));
        if (label->objectName() == QLatin1String("labHinweis")) {
            // Its own line breaks only: no line is wrapped again, so no word
            // is left alone on a line.
            QVERIFY(!label->wordWrap());
            QVERIFY(label->sizeHint().width() <= panel->viewport()->width());
            QVERIFY(label->font().pixelSize() >= 12);
        }
        QTest::mouseClick(label, Qt::LeftButton);
        settle();
        QVERIFY(!panel->isVisible());
    }
}

void DesktopLookTest::helpPanelsCloseFromTheKeyboard_data() {
    QTest::addColumn<QString>("opener");
    QTest::addColumn<int>("closingKey");
    for (const char* opener : {"comSoGehts", "labHinweis2"})
        for (auto [name, k] :
             {std::pair{"Escape", Qt::Key_Escape}, std::pair{"Enter", Qt::Key_Return},
              std::pair{"Space", Qt::Key_Space}})
            QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(opener, name)))
                << QString::fromLatin1(opener) << int(k);
}

void DesktopLookTest::helpPanelsCloseFromTheKeyboard() {
    QFETCH(QString, opener);
    QFETCH(int, closingKey);
    RunningProgram p;
    // Opened from the keyboard as well: Enter on the focused opener.
    QWidget* openerWidget = p.find(opener.toLatin1().constData());
    openerWidget->setFocus(Qt::TabFocusReason);
    key(Qt::Key_Return, QStringLiteral("\r"));
    auto* label =
        p.find<QLabel>(opener == QLatin1String("comSoGehts") ? "labSoGehts" : "labHinweis");
    QVERIFY(label->isVisible());
    QCOMPARE(QApplication::focusWidget(), label);
    key(Qt::Key(closingKey), closingKey == Qt::Key_Space ? QStringLiteral(" ") : QString());
    QVERIFY(!label->isVisible());
    QVERIFY(p.find("comBeenden")->isVisible());
    QCOMPARE(QApplication::focusWidget(), openerWidget); // back where the user was
    QVERIFY(p.platform.boxes.empty());
}

void DesktopLookTest::quitLabelAsksFromTheKeyboard() {
    RunningProgram p;
    p.openTask("comGRSEin", "comGRSAus", "comGradDezEIN", "comUTMzivilAUS");
    QVERIFY(p.calc());
    p.find("comStartoption")->setFocus(Qt::TabFocusReason);
    key(Qt::Key_Tab);
    QVERIFY(p.hasFocus("labBeenden"));
    key(Qt::Key_Return, QStringLiteral("\r"));
    QCOMPARE(p.platform.boxes.size(), std::size_t(1));
    QCOMPARE(p.platform.boxes[0].icon, MessageIcon::Question);
    QCOMPARE(p.platform.boxes[0].text, QStringLiteral("Wollen Sie Lagewandler wirklich beenden?"));
    QCOMPARE(p.platform.quits, 0); // answered No
    p.platform.questionAnswer = Answer::Yes;
    key(Qt::Key_Space, QStringLiteral(" "));
    QCOMPARE(p.platform.boxes.size(), std::size_t(2));
    QCOMPARE(p.platform.quits, 1);
    // A click does not take the focus from the field the user is typing in.
    p.find("texBreite")->setFocus(Qt::MouseFocusReason);
    QTest::mouseClick(p.find("labBeenden"), Qt::LeftButton);
    QVERIFY(p.hasFocus("texBreite"));
}

void DesktopLookTest::focusFrameIsShownFromTheStart() {
    RunningProgram p;
    // No key has been pressed yet: the frame is there all the same.
    QVERIFY(p.hasFocus("comGRSEin"));
    QWidget* frame = focusFrame();
    QVERIFY(frame);
    QCOMPARE(frame->parentWidget(), p.find("comGRSEin"));
    QCOMPARE(frame->geometry(), p.find("comGRSEin")->rect());
    // Every element the keyboard reaches shows it while it has the focus.
    p.click("comGradDezEIN");
    p.click("comGradDezAUS");
    for (QWidget* w : p.program->selectionWindow()->findChildren<QWidget*>()) {
        if (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisible() || !w->isEnabled())
            continue;
        w->setFocus(Qt::TabFocusReason);
        QVERIFY2(focusFrame() && focusFrame()->parentWidget() == w, qPrintable(w->objectName()));
    }
    p.click("comZahlenEingabe");
    QVERIFY(p.calc());
    QVERIFY(p.hasFocus("texBreite"));
    QVERIFY(focusFrame() && focusFrame()->parentWidget() == p.find("texBreite"));
}

void DesktopLookTest::focusFrameStandsOutOnTheColours() {
    RunningProgram p;
    p.click("comGradDezEIN");
    p.click("comUTMzivilAUS");
    struct Case {
        const char* name;
        int width; // at least
    };
    for (const Case c : {Case{"comZahlenEingabe", 3}, Case{"comBeenden", 3}, Case{"comSoGehts", 3},
                         Case{"comGRSEin", 3}, Case{"labHinweis2", 3}}) {
        QWidget* w = p.find(c.name);
        w->setFocus(Qt::TabFocusReason);
        settle();
        const QImage image = w->grab().toImage();
        const QColor background =
            w->palette().color(qobject_cast<QPushButton*>(w) ? QPalette::Button : QPalette::Window);
        for (int i = 0; i < c.width; ++i)
            for (QPoint spot : {QPoint(i, image.height() / 2), QPoint(image.width() / 2, i),
                                QPoint(image.width() - 1 - i, image.height() / 2)}) {
                const QColor seen(image.pixel(spot));
                QVERIFY2(background.lightness() - seen.lightness() > 80,
                         qPrintable(QStringLiteral("%1 at %2,%3: %4")
                                        .arg(c.name)
                                        .arg(spot.x())
                                        .arg(spot.y())
                                        .arg(seen.name())));
            }
    }
}

void DesktopLookTest::chosenButtonsSayTheyAreChosen() {
    RunningProgram p;
    auto described = [&](const char* name) {
        return accessibleText(p.find(name), QAccessible::Description) == QStringLiteral("gewählt");
    };
    QVERIFY(described("comGRSEin"));
    QVERIFY(described("comGRSAus"));
    QVERIFY(!described("comBesselEIN"));
    QVERIFY(!described("comGradMinEIN"));
    p.click("comGradMinEIN");
    p.click("comHayfordAUS");
    QVERIFY(described("comGradMinEIN"));
    QVERIFY(described("comHayfordAUS"));
    QVERIFY(!described("comGRSAus"));
    p.click("comUTMrefEIN");
    QVERIFY(described("comUTMrefEIN"));
    QVERIFY(!described("comGradMinEIN"));
}

void DesktopLookTest::masksCarryReadableNames_data() {
    QTest::addColumn<QStringList>("task");
    QTest::addColumn<QStringList>("expected"); // element=name pairs
    QTest::newRow("decimal to decimal")
        << QStringList{"comGRSEin", "comGRSAus", "comGradDezEIN", "comGradDezAUS"}
        << QStringList{"fraGrad=Eingabe: Ellipsoid GRS80, Grad (dezimal)",
                       "fraGradAUS=Ausgabe: Ellipsoid GRS80, Grad (dezimal)",
                       "optDezN=Nord, Eingabe: Ellipsoid GRS80, Grad (dezimal)",
                       "optDezS=Süd, Eingabe: Ellipsoid GRS80, Grad (dezimal)",
                       "optDezE=Ost, Eingabe: Ellipsoid GRS80, Grad (dezimal)",
                       "optDezW=West, Eingabe: Ellipsoid GRS80, Grad (dezimal)",
                       "texBreite=Breite",
                       "texBreiteAUS=Breite, Ergebnis",
                       "texLaenge=Länge",
                       "texLaengeAUS=Länge, Ergebnis"};
    QTest::newRow("degrees/minutes to UTM civil")
        << QStringList{"comGRSEin", "comGRSAus", "comGradMinEIN", "comUTMzivilAUS"}
        << QStringList{"fraGradMin=Eingabe: Ellipsoid GRS80, Grad / Minuten (Mercator)",
                       "fraZIVAUS=Ausgabe: Ellipsoid GRS80, UTM zivil",
                       "optGMS=Süd, Eingabe: Ellipsoid GRS80, Grad / Minuten (Mercator)",
                       "texZone2=Zone, Ergebnis", "texRechts2=Rechtswert, Ergebnis"};
    QTest::newRow("Gauss-Krueger to UTM military is not offered; GK to GK")
        << QStringList{"comBesselEIN", "comBesselAUS", "comGKEIN", "comGKAUS"}
        << QStringList{"fraGK=Eingabe: Ellipsoid Bessel, Gauß-Krüger",
                       "fraGKAUS=Ausgabe: Ellipsoid Bessel, Gauß - Krüger",
                       "optDrei=3 Grad, Eingabe: Ellipsoid Bessel, Gauß-Krüger",
                       "texGKRechts=Rechtswert",
                       "texGKRechtsAUS=Rechtswert, Ergebnis",
                       "texMeridianAUS=Bezugsmeridian, Ergebnis"};
}

void DesktopLookTest::masksCarryReadableNames() {
    QFETCH(QStringList, task);
    QFETCH(QStringList, expected);
    RunningProgram p;
    p.openTask(qPrintable(task[0]), qPrintable(task[1]), qPrintable(task[2]), qPrintable(task[3]));
    QVERIFY(p.calc());
    for (const QString& pair : expected) {
        const QString name = pair.section(QLatin1Char('='), 0, 0);
        QWidget* w = p.find(qPrintable(name));
        QVERIFY2(w, qPrintable(name));
        QCOMPARE(accessibleText(w, QAccessible::Name), pair.section(QLatin1Char('='), 1));
    }
    // Over the whole visible tree: no name read with the caption's dots, and
    // no two fields or options of the same name.
    QStringList seen;
    for (QWidget* w : p.calc()->findChildren<QWidget*>()) {
        if (!w->isVisible())
            continue;
        const QString name = accessibleText(w, QAccessible::Name);
        QVERIFY2(!name.contains(QStringLiteral("..")),
                 qPrintable(name + QLatin1Char(' ') + w->metaObject()->className()));
        if (qobject_cast<QLineEdit*>(w) || qobject_cast<QRadioButton*>(w)) {
            QVERIFY2(!name.isEmpty(), qPrintable(w->objectName()));
            QVERIFY2(!seen.contains(name), qPrintable(name));
            seen << name;
        }
    }
}

void DesktopLookTest::buttonFacesLookLikeFusion_data() {
    QTest::addColumn<QRgb>("colour");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("down");
    QTest::addColumn<bool>("focused");
    QTest::addColumn<QSize>("size");
    QTest::newRow("chosen start") << look::kChosenStart << true << false << false << QSize(284, 34);
    QTest::newRow("continue") << look::kContinue << true << false << false << QSize(814, 26);
    QTest::newRow("disabled grey") << look::kGrey << false << false << false << QSize(230, 33);
    QTest::newRow("pressed quit") << look::kQuit << true << true << false << QSize(120, 40);
    QTest::newRow("focused face") << look::kGrey << true << false << true << QSize(230, 33);
}

// The coloured buttons paint their face with straight lines instead of
// Fusion's antialiased rounded paths; apart from the corners the face must be
// Fusion's own, in every state the screens show.
void DesktopLookTest::buttonFacesLookLikeFusion() {
    QFETCH(QRgb, colour);
    QFETCH(bool, enabled);
    QFETCH(bool, down);
    QFETCH(bool, focused);
    QFETCH(QSize, size);
    std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    auto paint = [&](QStyle* style) {
        QPushButton button;
        button.resize(size);
        look::setButtonColour(&button, QColor(colour));
        QStyleOptionButton option;
        option.initFrom(&button);
        if (!enabled)
            option.state &= ~QStyle::State_Enabled;
        if (down)
            option.state |= QStyle::State_Sunken;
        if (focused)
            option.state |= QStyle::State_HasFocus | QStyle::State_KeyboardFocusChange;
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        QPainter painter(&image);
        (style ? style : button.style())
            ->drawPrimitive(QStyle::PE_PanelButtonCommand, &option, &painter, &button);
        return image;
    };
    const QImage ours = paint(nullptr);
    const QImage theirs = paint(fusion.get());
    constexpr int kCorner = 3, kTolerance = 2;
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) {
            const bool corner = (x < kCorner || x >= size.width() - kCorner) &&
                                (y < kCorner || y >= size.height() - kCorner);
            if (corner)
                continue;
            const QColor a(ours.pixel(x, y)), b(theirs.pixel(x, y));
            const int difference =
                std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                          std::abs(a.blue() - b.blue())});
            QVERIFY2(
                difference <= kTolerance,
                qPrintable(
                    QStringLiteral("%1,%2: %3 against %4").arg(x).arg(y).arg(a.name(), b.name())));
        }
}

QTEST_MAIN(DesktopLookTest)
#include "desktop_look_test.moc"
