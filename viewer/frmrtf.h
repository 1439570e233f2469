#pragma once
// The results viewer "Schnellansicht/Drucken": a small rich-text editor for the report and any
// text or RTF file, with search, formatting, saving (always RTF) and printing.

#include "platform/mdichild.h"
#include "platform/ui.h"
#include "viewer/rtf/rtfreader.h"

#include <QFont>
#include <QWidget>

class QLabel;
class QMenu;
class QStatusBar;
class QTextEdit;
class QTimer;
class QToolBar;
class QFrame;

class frmRTF : public QWidget, public MdiChild {
    Q_OBJECT
public:
    explicit frmRTF(FrameServices& frame, QWidget* parent = nullptr);

    QToolBar *Toolbar1, *Toolbar2;
    QFrame* line1;
    QTextEdit* RichTextBox1;
    QStatusBar* StatusBar1;
    QLabel *statusText, *statusTime, *statusDate;
    QMenu *mnuFile, *mnuFormat, *mnuVorlage, *mnuHelp;
    QAction *mnuOpen, *mnuSave, *mnuSuchen, *mnuSuchWeiter, *mnuPrint, *mnuExit, *mnuFont, *mnuStandard, *mnuListing,
        *mnuText, *mnuhTrenn1, *mnuHilfe, *mnuInfo;

    // The text may have been changed: any click into it, any typed character.
    bool Geaendert = false;
    // The width the viewer wants, in twips.
    int16_t FormBreite = 11670;
    // The name or path of the loaded file, as it was given.
    QString fileName;
    // What the loaded file held that the viewer shows only in part.
    RtfReadResult loadedContent;
    // The edit control's own font: plain text shows in it; the opener and the templates set it.
    QFont baseFont;

    void Form_Load();
    void mnuPrint_Click();
    void TextSuchen(bool Weiter);
    void mnuHilfe_Click();
    void mnuInfo_Click();
    // The text a print job gets: the selection, or the whole text.
    std::unique_ptr<class QTextDocument> printedDocument() const;

    // Opening and saving (frmrtfdatei.cpp).
    // Loads a file: RTF content formatted, anything else as plain text. Throws a Failure with
    // the system's description when the file cannot be read, or is too large to show. A load
    // that takes longer than a second shows its progress; cancelling it keeps the text.
    void loadFile(const QString& name);
    // Before another file replaces edited text: offers to save it; false keeps the text.
    bool mayReplaceText() { return !keepEditsBeforeReplacing(); }
    // Writes the whole text as RTF; false (after telling the user why) when it could not.
    bool saveTo(const QString& path);
    void mnuOpen_Click();
    bool mnuSave_Click();

    // Formatting (frmrtfformat.cpp).
    // Sets the edit control's font name; size and style stay.
    void setFontName(const QString& name);
    void mnuFont_Click();
    // The font dialog's preset: each attribute the selection holds alike.
    ui::FontChoice selectionFont() const;
    void setBold();
    void setKursiv();
    void setUnderline();
    void applyTemplate(const QString& family, double points);

    void childActivated() override;
    QList<QAction*> ownMenus() const override;

    // The area the viewer is placed in (the frame's client area), in twips.
    QSizeF areaTwips() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void createMenus();
    void nameControls();
    QWidget* frameWindow() const;
    void windowResized();
    // Lays the text out up to a position, with progress shown when that takes long; false
    // when the user cancelled.
    bool layOutTo(int position);
    // Lays a loaded document with tables out while the window waits for input, a piece at a time.
    void layOutInTheBackground();
    void layOutNextPiece();
    // The width for a measured line of that many characters, in twips.
    int16_t wantedWidth(qsizetype characters) const;

    // Opening and saving (frmrtfdatei.cpp).
    void createFileMenu();
    // Before a file that held content the writer cannot keep is overwritten: asks, naming
    // what will be lost; false keeps the file.
    bool mayOverwriteWhatCannotBeWritten(const QString& path);
    // Asks whether edited text is to be saved before something replaces it; false: keep it.
    bool keepEditsBeforeReplacing();
    // Tells, once for the loaded file, how many pictures a note stands in for.
    void tellPicturesNotShown(int count);

    // Formatting (frmrtfformat.cpp).
    void createFormatMenu();

    FrameServices& frame;
    bool placing = false;
    QTimer* backgroundLayout = nullptr;
};
