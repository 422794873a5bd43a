// foBerechnungen, the calculation screen: one input mask and one output mask
// chosen by the job's task, "Berechnung", the sample point, the return to the
// selection screen and the quit label. It is the one place where widgets and
// conversions meet: the validators and the calculation driver see it only
// through CalcScreen.
#pragma once

#include "lists/file_encoding.h"
#include "lists/options.h"
#include "model/job.h"
#include "model/screen.h"
#include "ui/input_field.h"
#include "ui/masks.h"
#include "ui/platform.h"

#include <QWidget>
#include <vector>

class QLabel;

namespace lw::ui {

class ScreenButton;
class ClickableLabel;
class AllNotationsList;
class PlaceMap;
class PointList;

class CalculationScreen : public QWidget, public CalcScreen, private FieldEventSink {
    Q_OBJECT
public:
    // Loads the screen over the selection screen `owner` (window-modal to it)
    // and sets up the masks of state.job.Aufgabe.
    CalculationScreen(QWidget* owner, ProgramState& state, Platform& platform);

    // Puts the focus on the first input field of the visible mask.
    void focusFirstField();
    // Closes the window for good; the close box then no longer means return.
    void closeForGood();
    // Fills the input mask with a whole coordinate as a paste into its first
    // field does (the text accepted on the selection screen).
    void pasteIntoInputMask(const std::string& pasted);

    // A list file read as lagewandler-liste reads it: its bytes as the file
    // holds them, the options it would be called with, and the encoding to
    // save it in again.
    struct ListFile {
        std::string bytes;
        lists::Options options;
        lists::FileEncoding encoding = lists::FileEncoding::Utf8;
    };
    // Reads the file at `path`; a CSV file's coordinate columns are asked
    // for. nullopt when it cannot be read (a message told why) or the
    // question was cancelled (nothing changed).
    std::optional<ListFile> prepareListFile(const QString& path);
    // Reads the file and shows it as a list of points in place of the
    // output mask ("Liste öffnen …" and a file dropped on the window).
    void openListFile(const QString& path);

    // A list of points in place of the output mask: `bytes` as a list file
    // holds them (a pasted text: UTF-8), converted with `options` as
    // lagewandler-liste converts them, shown as the lines come. A task the
    // list converter refuses is told in a message box, and nothing shows.
    void showPointList(std::string bytes, const lw::lists::Options& options);
    // The options of the screen's task (ellipsoids, notations, "Amtliche
    // Umrechnung", the zone or strip chosen beside the output), plain lines.
    lw::lists::Options pointListOptions() const;
    // The whole list as lagewandler-liste writes it, in its character set;
    // "" without a list.
    std::string pointListText() const;
    bool showsPointList() const;
    // The list goes and the output mask comes back.
    void leavePointList();

    // CalcScreen
    std::string text(Element e) const override;
    void setText(Element e, const std::string& text) override;
    bool isChecked(Element option) const override;
    void setFocus(Element e) override;
    void selectAll(Element field) override;
    void setEnabled(Element e, bool enabled) override;
    void setVisible(Element e, bool visible) override;
    void playSystemSound(const std::string& alias) override;
    std::string localeDecimalSeparator() const override;
    void showMessage(MessageIcon icon, const std::string& text) override;

    using QWidget::setEnabled;
    using QWidget::setFocus;
    using QWidget::setVisible;

signals:
    // "Neue Startoptionen wählen" or the close box.
    void returnRequested();
    // The input was switched to the notation of a pasted coordinate.
    void inputNotationSwitched(int notation);

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    char32_t fieldKeyPress(Element field, char32_t code) override;
    void fieldGotFocus(Element field) override;
    void fieldLostFocus(Element field) override;
    bool fieldPaste(Element field, const std::string& text) override;
    std::optional<std::string> typedPaste(Element field, const std::string& text) override;

    void buildScreenElements();
    void connectOptions();
    void setTabOrder();
    void MaskenEinrichten();
    void placeSampleButton();
    void showPlace();
    void setPlaceLine(const QString& line);
    void placeMap();
    void placeBelowList();
    void fillSamplePoint();
    QWidget* widget(Element e) const;

    // "Ergebnis kopieren" and the whole-coordinate paste (calculation_clipboard.cpp).
    void buildCopyButton();
    std::string shownResultLine() const;
    void copyResult();
    void copyListLine(Element line);
    void outputChanged();
    void typeIntoField(Element field, const std::string& text);
    bool fillMask(int notation, const std::string& pasted);
    bool offerOtherNotation(int ownNotation, const std::string& pasted);
    bool offerGrs80Start(int ownNotation, const std::string& pasted);
    void switchInputNotation(int notation);
    void switchJob(const ConversionJob& next);

    // Tells that a list is not converted into every notation; false for
    // another output.
    bool refuseListForAllNotations();
    // List files (calculation_list_file.cpp).
    void buildListFileButton();
    void chooseListFile();
    bool takeDrop(QEvent* event);

    // The list of points (calculation_list.cpp).
    void buildPointList();
    bool offerPointList(Element field, int notation, const std::string& pasted);
    void pasteFirstLine(Element field, int notation, const std::string& line);
    void placeForPointList(bool shown);

    ProgramState& state_;
    Platform& platform_;
    MaskWidgets masks_;
    std::vector<InputField*> inputFields_; // in tab order
    QLabel* labEingabe_ = nullptr;
    QLabel* labLage_ = nullptr;    // where the result's point lies
    PlaceMap* picKarte_ = nullptr; // the same on a small map
    ScreenButton* comRechnen_ = nullptr;
    ScreenButton* comStartoption_ = nullptr;
    ScreenButton* comKrummboegleGrad_ = nullptr;
    ScreenButton* comKopieren_ = nullptr;
    ScreenButton* comListeOeffnen_ = nullptr;
    QString listSaveName_; // proposed to save an opened file's list; "" for a pasted one
    ClickableLabel* labBeenden_ = nullptr;
    AllNotationsList* list_ = nullptr;
    PointList* points_ = nullptr;
    bool closingForGood_ = false;
    bool switchingInput_ = false; // the input mask changes for a pasted coordinate
};

} // namespace lw::ui
