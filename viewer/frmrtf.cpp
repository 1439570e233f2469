#include "viewer/frmrtf.h"

#include "common/cp1252.h"
#include "common/failure.h"
#include "common/module1.h"
#include "common/version.h"
#include "platform/accessiblenames.h"
#include "platform/spokenmenu.h"
#include "platform/statuspanels.h"
#include "platform/dateischreiber.h"
#include "platform/systemfehler.h"
#include "platform/twips.h"
#include "platform/ui.h"
#include "resources/resources.h"
#include "platform/dateilesen.h"
#include "viewer/rtf/rtfpicture.h"
#include "viewer/rtf/rtfreader.h"
#include "viewer/rtf/rtfwriter.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPrinter>
#include <QScreen>
#include <QStatusBar>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextFragment>
#include <QTextLayout>
#include <QTextEdit>
#include <QToolBar>
#include <QVBoxLayout>

#include <cmath>

namespace {

const QString filter = QStringLiteral("Text File (*.Txt)|*.txt|Rich Text File (*.Rtf)|*.rtf|All Files (*.*)|*.*");

QIcon icon(const char* theme, const char* fallback)
{
    return QIcon::fromTheme(QString::fromLatin1(theme), QIcon(QStringLiteral(":/icons/") + QString::fromLatin1(fallback)));
}

// Files larger than this are refused: laying them out would keep the viewer busy for minutes.
constexpr qint64 largestFile = 20 * 1024 * 1024;

// Plain text with a byte-order mark is read in its encoding; otherwise it is UTF-8 when it
// reads as such, else Windows-1252 as the report is written.
QString decodePlainText(const QByteArray& bytes)
{
    if (const auto encoding = QStringConverter::encodingForData(bytes)) {
        if (*encoding != QStringConverter::Utf8 || bytes.startsWith("\xEF\xBB\xBF")) {
            QStringDecoder decoder(*encoding);
            return decoder(bytes);
        }
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    return decodeCp1252(bytes);
}

// Inserts plain text piece by piece, so that progress can be shown and the load cancelled.
bool readPlainText(QString text, QTextDocument& document, ui::Progress& progress)
{
    // Line ends as one character, so that no piece ends between CR and LF.
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    document.setUndoRedoEnabled(false);
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    constexpr qsizetype piece = 256 * 1024;
    bool finished = true;
    for (qsizetype i = 0; i < text.size(); i += piece) {
        cursor.insertText(text.mid(i, piece));
        if (!progress.update(i + piece, text.size())) {
            finished = false;
            break;
        }
    }
    cursor.endEditBlock();
    document.setUndoRedoEnabled(true);
    return finished;
}

bool sameFile(const QString& a, const QString& b)
{
    const QFileInfo first(a), second(b);
    return first.exists() && second.exists() && first.canonicalFilePath() == second.canonicalFilePath();
}

// No name: no calculation has written its report yet in this working folder.
Failure noReportYet()
{
    return {53, QStringLiteral("Es liegt noch keine Ergebnistabelle vor.\r\n"
                               "Bitte zuerst unter \"2. Zentavik\" mit \"Rechnen\" berechnen.")};
}

} // namespace

frmRTF::frmRTF(FrameServices& frame, QWidget* parent) : QWidget(parent), frame(frame)
{
    loadResources();
    setObjectName(QStringLiteral("frmRTF"));
    setWindowTitle(QStringLiteral("Schnellansicht/Drucken"));
    createControls();
    createMenus();
    baseFont = RichTextBox1->document()->defaultFont();
    nameControls();
}

void frmRTF::nameControls()
{
    RichTextBox1->setAccessibleName(QStringLiteral("Dateiinhalt"));
    nameMenu(mnuHelp, QStringLiteral("Hilfe"));
    // The tool bar buttons show only pictures; a screen reader says what each does.
    const std::pair<const char*, const char16_t*> spoken[] = {
        {"Open", u"Öffnen"}, {"Save", u"Speichern"}, {"Print", u"Drucken"}, {"Font", u"Schrift"},
        {"Bold", u"Fett"}, {"Kursiv", u"Kursiv"}, {"Underline", u"Unterstrichen"}};
    for (QToolBar* bar : {Toolbar1, Toolbar2})
        for (QAction* action : bar->actions())
            for (const auto& [key, name] : spoken)
                if (action->objectName() == QLatin1String(key))
                    bar->widgetForAction(action)->setAccessibleName(QString::fromUtf16(name));
}

void frmRTF::createControls()
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    line1 = new QFrame(this);
    line1->setObjectName(QStringLiteral("line1"));
    line1->setFrameShape(QFrame::HLine);
    line1->setFrameShadow(QFrame::Sunken);
    markDecorationLine(line1);
    layout->addWidget(line1);

    auto* bars = new QHBoxLayout;
    bars->setSpacing(0);
    Toolbar1 = new QToolBar(this);
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar2 = new QToolBar(this);
    Toolbar2->setObjectName(QStringLiteral("Toolbar2"));
    for (QToolBar* bar : {Toolbar1, Toolbar2})
        bar->setIconSize(QSize(20, 20));
    bars->addWidget(Toolbar1);
    bars->addWidget(Toolbar2);
    bars->addStretch();
    layout->addLayout(bars);

    RichTextBox1 = new QTextEdit(this);
    RichTextBox1->setObjectName(QStringLiteral("RichTextBox1"));
    RichTextBox1->setLineWrapMode(QTextEdit::NoWrap);
    RichTextBox1->setAcceptRichText(true);
    RichTextBox1->setTabChangesFocus(false);
    layout->addWidget(RichTextBox1, 1);
    RichTextBox1->installEventFilter(this);
    RichTextBox1->viewport()->installEventFilter(this);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    const StatusPanels panels = addStatusPanels(StatusBar1);
    statusText = panels.text;
    statusTime = panels.time;
    statusDate = panels.date;
    layout->addWidget(StatusBar1);
}

void frmRTF::createMenus()
{
    mnuFile = new QMenu(QStringLiteral("&Datei"), this);
    mnuOpen = mnuFile->addAction(QStringLiteral("&Öffnen"), this, &frmRTF::mnuOpen_Click);
    mnuOpen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuSave = mnuFile->addAction(QStringLiteral("&Speichern"), this, [this] { mnuSave_Click(); });
    mnuSave->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuFile->addSeparator();
    mnuSuchen = mnuFile->addAction(QStringLiteral("S&uchen"), this, [this] { TextSuchen(false); });
    mnuSuchWeiter = mnuFile->addAction(QStringLiteral("&weitersuchen"), this, [this] { TextSuchen(true); });
    mnuSuchWeiter->setShortcut(QKeySequence(Qt::Key_F3));
    mnuFile->addSeparator();
    mnuPrint = mnuFile->addAction(QStringLiteral("&Drucken"), this, &frmRTF::mnuPrint_Click);
    mnuPrint->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    mnuFile->addSeparator();
    mnuExit = mnuFile->addAction(QStringLiteral("&Beenden"), this, [this] {
        if (auto* w = frameWindow())
            w->close();
    });
    mnuExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));

    mnuFormat = new QMenu(QStringLiteral("&Format"), this);
    mnuFont = mnuFormat->addAction(QStringLiteral("&Schrift"), this, &frmRTF::mnuFont_Click);
    mnuFont->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    mnuVorlage = mnuFormat->addMenu(QStringLiteral("&Formatvorlage"));
    mnuStandard = mnuVorlage->addAction(QStringLiteral("&Standard"), this, [this] { applyTemplate(QStringLiteral("Courier New"), 10); });
    mnuListing = mnuVorlage->addAction(QStringLiteral("&Listing"), this, [this] { applyTemplate(QStringLiteral("Courier New"), 8); });
    mnuText = mnuVorlage->addAction(QStringLiteral("&Text"), this, [this] { applyTemplate(QStringLiteral("Arial"), 8); });

    // A disabled bar between the menus, as a divider.
    mnuhTrenn1 = new QAction(QStringLiteral("|"), this);
    mnuhTrenn1->setEnabled(false);
    markMenuBarDivider(mnuhTrenn1);

    mnuHelp = new QMenu(QStringLiteral("?"), this);
    mnuHilfe = mnuHelp->addAction(QStringLiteral("&Hilfe"), this, &frmRTF::mnuHilfe_Click);
    mnuHilfe->setShortcut(QKeySequence(Qt::Key_F1));
    mnuInfo = mnuHelp->addAction(QStringLiteral("&Info"), this, &frmRTF::mnuInfo_Click);
    mnuInfo->setShortcut(QKeySequence(Qt::Key_F2));

    // The tool bars: a click is dispatched by the button's key.
    struct Button {
        QToolBar* bar;
        const char* key;
        const char* tip;
        QIcon picture;
        std::function<void()> action;
    };
    const Button buttons[] = {
        {Toolbar1, "Open", "Öffnen *.RTF", icon("document-open", "open.svg"), [this] { mnuOpen_Click(); }},
        {Toolbar1, "Save", "Speichern als RTF", icon("document-save", "save.svg"), [this] { mnuSave_Click(); }},
        {Toolbar1, "Print", "Drucken", icon("document-print", "print.svg"), [this] { mnuPrint_Click(); }},
        {Toolbar2, "Font", "Format: Schrift", icon("preferences-desktop-font", "font.svg"), [this] { mnuFont_Click(); }},
        {Toolbar2, "Bold", "Format: Fett", icon("format-text-bold", "bold.svg"), [this] { setBold(); }},
        {Toolbar2, "Kursiv", "Format: Kursiv", icon("format-text-italic", "italic.svg"), [this] { setKursiv(); }},
        {Toolbar2, "Underline", "Format: Unterstreichen", icon("format-text-underline", "underline.svg"), [this] { setUnderline(); }},
    };
    for (const Button& b : buttons) {
        QAction* a = b.bar->addAction(b.picture, QString::fromUtf8(b.tip));
        a->setObjectName(QString::fromLatin1(b.key));
        a->setToolTip(QString::fromUtf8(b.tip));
        connect(a, &QAction::triggered, this, b.action);
    }
}

QList<QAction*> frmRTF::ownMenus() const
{
    return {mnuFile->menuAction(), mnuFormat->menuAction(), mnuhTrenn1, mnuHelp->menuAction()};
}

QWidget* frmRTF::frameWindow() const
{
    return qobject_cast<QMdiSubWindow*>(parentWidget()) ? parentWidget() : const_cast<frmRTF*>(this);
}

QSizeF frmRTF::areaTwips() const
{
    QWidget* window = frameWindow();
    if (window != this && window->parentWidget())
        return QSizeF(toTwips(window->parentWidget()->width()), toTwips(window->parentWidget()->height()));
    const QScreen* screen = this->screen();
    const QSize size = screen ? screen->size() : QSize(1024, 768);
    return QSizeF(toTwips(size.width()), toTwips(size.height()));
}

void frmRTF::Form_Load()
{
    placing = true;
    FormBreite = wantedWidth(0);
    const QSizeF area = areaTwips();
    QWidget* window = frameWindow();
    window->setMinimumSize(tw(7080), tw(2510));
    window->setGeometry(tw((area.width() - FormBreite) / 2), tw(area.height() * 0.07), tw(FormBreite),
                        std::max(tw(area.height() * 0.85), tw(2510)));
    Geaendert = false;
    if (window != this)
        window->installEventFilter(this);
    placing = false;
}

void frmRTF::setFontName(const QString& name)
{
    baseFont.setFamilies({name});
    QFont font = RichTextBox1->document()->defaultFont();
    font.setFamilies({name});
    RichTextBox1->document()->setDefaultFont(font);
}

void frmRTF::loadFile(const QString& name)
{
    if (name.isEmpty())
        throw noReportYet();
    const QByteArray bytes = dateiLesen(name, largestFile);

    // The file is read into a document of its own: a cancelled load keeps the text shown.
    const auto progress = ui::services().startProgress(this, QStringLiteral("\"%1\" wird geladen ...").arg(QFileInfo(name).fileName()));
    auto document = std::make_unique<QTextDocument>();
    // Plain text shows in the viewer's own font, whatever an RTF file before it used.
    document->setDefaultFont(baseFont);
    RtfReadResult content;
    bool finished = true;
    const bool rich = isRtf(bytes);
    if (rich) {
        content = readRtf(bytes, *document, [&](qint64 done, qint64 total) { return progress->update(done, total); });
        finished = !content.cancelled;
    } else {
        finished = readPlainText(decodePlainText(bytes), *document, *progress);
    }
    if (!finished)
        return;
    document->setModified(false);
    // The editor deletes its previous document when it was the editor's child.
    document->setParent(RichTextBox1);
    RichTextBox1->setDocument(document.release());
    // A document wraps at the window's width, as word processors show it. Plain text keeps its
    // lines as they are: the report is a table whose columns are lined up with blanks, and a
    // row broken in two would no longer read as one; other text files break their lines
    // where their writer wanted.
    RichTextBox1->setLineWrapMode(rich ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
    RichTextBox1->setCurrentCharFormat(QTextCharFormat());
    RichTextBox1->moveCursor(QTextCursor::Start);
    loadedContent = content;
    fileName = name;
    if (content.picturesNotShown > 0)
        tellPicturesNotShown(content.picturesNotShown);
}

void frmRTF::tellPicturesNotShown(int count)
{
    const QString file = QFileInfo(fileName).fileName();
    const QString budget = QStringLiteral("Die Schnellansicht sieht für die Bilder einer Datei zusammen %1 Millionen Bildpunkte vor.")
                               .arg(documentPicturePixels / 1'000'000);
    const QString text =
        count == 1 ? QStringLiteral("In \"%1\" wird 1 Bild nicht angezeigt, weil es zu viel Speicher bräuchte.\r\n%2\r\n"
                                    "An seiner Stelle steht ein Rahmen mit seiner Größe; beim Speichern bleibt das Bild erhalten.")
                         .arg(file, budget)
                   : QStringLiteral("In \"%1\" werden %2 Bilder nicht angezeigt, weil sie zu viel Speicher bräuchten.\r\n%3\r\n"
                                    "An ihrer Stelle steht je ein Rahmen mit ihrer Größe; beim Speichern bleiben die Bilder erhalten.")
                         .arg(file, QString::number(count), budget);
    ui::messageBox(text, QStringLiteral(" Bilder"), ui::Buttons::Ok, ui::Icon::Information);
}

bool frmRTF::saveTo(const QString& path)
{
    try {
        schreibeDatei(path, writeRtf(*RichTextBox1->document()));
    } catch (const Failure& failure) {
        // The text stays unsaved, and the user is told why.
        ui::messageBox(QStringLiteral("Der Text konnte nicht gespeichert werden.\r\n%1").arg(failure.description),
                       QStringLiteral(" Fehler "), ui::Buttons::Ok, ui::Icon::Exclamation);
        return false;
    }
    RichTextBox1->document()->setModified(false);
    return true;
}

bool frmRTF::keepEditsBeforeReplacing()
{
    if (!RichTextBox1->document()->isModified() || RichTextBox1->document()->isEmpty())
        return false;
    const auto answer = ui::messageBox(QStringLiteral("Soll der Text gespeichert werden ?"), QStringLiteral(" Text speichern ?"),
                                       ui::Buttons::YesNo, ui::Icon::Question);
    return answer == ui::Answer::Yes && !mnuSave_Click();
}

void frmRTF::mnuOpen_Click()
{
    if (keepEditsBeforeReplacing())
        return;
    const QString remembered = QDir::currentPath();
    QWidget* window = frameWindow();
    window->hide();
    const auto chosen = ui::services().openFileName(this, {QStringLiteral("Öffnen"), remembered, QString(), filter});
    if (chosen) {
        try {
            loadFile(*chosen);
        } catch (const Failure& failure) {
            ui::messageBox(failure.description, QStringLiteral(" Fehler  ") + QString::number(failure.number),
                           ui::Buttons::Ok, ui::Icon::Exclamation);
        }
    }
    QDir::setCurrent(remembered);
    statusText->setText(fileName);
    window->show();
    RichTextBox1->setFocus();
}

bool frmRTF::mnuSave_Click()
{
    const QString remembered = QDir::currentPath();
    const auto chosen = ui::services().saveFileName(this, {QStringLiteral("Speichern"), remembered, fileName, filter});
    bool saved = false;
    if (chosen && mayOverwriteWhatCannotBeWritten(*chosen)) {
        // Always RTF, whatever the name ends in.
        saved = saveTo(*chosen);
        if (saved) {
            Geaendert = false;
            if (sameFile(*chosen, fileName))
                loadedContent = RtfReadResult{};
        }
    }
    QDir::setCurrent(remembered);
    return saved;
}

bool frmRTF::mayOverwriteWhatCannotBeWritten(const QString& path)
{
    QStringList lost;
    if (loadedContent.lists)
        lost << QStringLiteral("Listen (Nummern und Aufzählungszeichen werden als Text gespeichert)");
    if (loadedContent.footnotes)
        lost << QStringLiteral("Fuß- und Endnoten (sie werden als Text am Ende gespeichert)");
    if (loadedContent.otherPictures)
        lost << QStringLiteral("Bilder, die keine PNG- oder JPEG-Bilder sind (sie gehen verloren)");
    if (loadedContent.objects)
        lost << QStringLiteral("eingebettete Objekte und Zeichnungen (sie gehen verloren)");
    if (lost.isEmpty() || !sameFile(path, fileName))
        return true;
    const QString text = QStringLiteral("Die Datei \"%1\" enthält, was die Schnellansicht nicht so speichern kann, "
                                        "wie es war:\r\n\r\n- %2\r\n\r\nDie Datei trotzdem überschreiben ?")
                             .arg(QFileInfo(path).fileName(), lost.join(QStringLiteral("\r\n- ")));
    return ui::messageBox(text, QStringLiteral(" Speichern"), ui::Buttons::YesNo, ui::Icon::Exclamation) == ui::Answer::Yes;
}

std::unique_ptr<QTextDocument> frmRTF::printedDocument() const
{
    const QTextCursor cursor = RichTextBox1->textCursor();
    if (cursor.hasSelection()) {
        auto document = std::make_unique<QTextDocument>();
        document->setDefaultFont(RichTextBox1->document()->defaultFont());
        QTextCursor(document.get()).insertFragment(cursor.selection());
        return document;
    }
    return std::unique_ptr<QTextDocument>(RichTextBox1->document()->clone());
}

void frmRTF::mnuPrint_Click()
{
    QPrinter printer;
    if (!ui::services().choosePrinter(this, printer, RichTextBox1->textCursor().hasSelection()))
        return;
    // What is printed depends only on the selection.
    printedDocument()->print(&printer);
}

void frmRTF::TextSuchen(bool Weiter)
{
    QString searched = RichTextBox1->textCursor().selectedText();
    if (!Weiter)
        searched = ui::services()
                       .inputBox(QStringLiteral("Bitte Suchtext eingeben."), QStringLiteral("Suchen"), searched)
                       .value_or(QString());
    if (searched.isEmpty())
        return;
    // From the character after the selection's first one; case is ignored as the locale does.
    const int from = RichTextBox1->textCursor().selectionStart() + 1;
    const QString text = RichTextBox1->document()->toPlainText();
    const qsizetype found = text.indexOf(searched, from, Qt::CaseInsensitive);
    QTextCursor cursor = RichTextBox1->textCursor();
    if (found >= 0 && !layOutTo(int(found))) {
        RichTextBox1->setFocus();
        return;
    }
    if (found >= 0) {
        cursor.setPosition(int(found));
        cursor.setPosition(int(found + searched.size()), QTextCursor::KeepAnchor);
        RichTextBox1->setTextCursor(cursor);
    } else {
        cursor.setPosition(0);
        RichTextBox1->setTextCursor(cursor);
        ui::messageBox(QStringLiteral("Leider keine (weitere) Fundstelle"), QStringLiteral(" Suchen"), ui::Buttons::Ok,
                       ui::Icon::Information);
    }
    RichTextBox1->setFocus();
}

ui::FontChoice frmRTF::selectionFont() const
{
    const QTextDocument* document = RichTextBox1->document();
    const QTextCursor cursor = RichTextBox1->textCursor();
    QList<QTextCharFormat> formats;
    if (!cursor.hasSelection()) {
        formats << RichTextBox1->currentCharFormat();
    } else {
        const int start = cursor.selectionStart(), end = cursor.selectionEnd();
        for (QTextBlock block = document->findBlock(start); block.isValid() && block.position() < end; block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextFragment fragment = it.fragment();
                if (fragment.position() < end && fragment.position() + fragment.length() > start)
                    formats << fragment.charFormat();
            }
        }
        if (formats.isEmpty())
            formats << cursor.charFormat();
    }
    // Each attribute has a value only when the whole selection holds it alike.
    const auto common = [&formats](auto valueOf) {
        using Value = decltype(valueOf(formats.first()));
        std::optional<Value> value;
        for (const QTextCharFormat& f : std::as_const(formats)) {
            const Value v = valueOf(f);
            if (value && *value != v)
                return std::optional<Value>();
            value = v;
        }
        return value;
    };
    const QFont base = document->defaultFont();
    ui::FontChoice preset;
    preset.family = common([&](const QTextCharFormat& f) {
        const QStringList families = f.fontFamilies().toStringList();
        return families.isEmpty() || families.first().isEmpty() ? base.family() : families.first();
    }).value_or(QString());
    preset.pointSize = common([&](const QTextCharFormat& f) {
        return f.fontPointSize() > 0 ? f.fontPointSize() : base.pointSizeF();
    }).value_or(0);
    preset.bold = common([](const QTextCharFormat& f) { return f.fontWeight() >= QFont::Bold; });
    preset.italic = common([](const QTextCharFormat& f) { return f.fontItalic(); });
    preset.strikeOut = common([](const QTextCharFormat& f) { return f.fontStrikeOut(); });
    preset.underline = common([](const QTextCharFormat& f) { return f.fontUnderline(); });
    preset.colour = common([](const QTextCharFormat& f) {
        return f.hasProperty(QTextFormat::ForegroundBrush) ? f.foreground().color() : QColor(Qt::black);
    });
    return preset;
}

void frmRTF::mnuFont_Click()
{
    ui::setBusyCursor(true);
    ui::processEvents();
    const ui::FontChoice preset = selectionFont();
    ui::setBusyCursor(false);
    const auto chosen = ui::services().chooseFont(this, preset);
    ui::processEvents();
    if (!chosen)
        return;
    // Only what the user changed is applied: OK without a change changes nothing, and what
    // the selection holds in several forms stays so unless it is set.
    QTextCharFormat format;
    if (!chosen->family.isEmpty() && chosen->family != preset.family)
        format.setFontFamilies(QStringList{chosen->family});
    if (chosen->pointSize > 0 && chosen->pointSize != preset.pointSize)
        format.setFontPointSize(chosen->pointSize);
    if (chosen->bold && chosen->bold != preset.bold)
        format.setFontWeight(*chosen->bold ? QFont::Bold : QFont::Normal);
    if (chosen->italic && chosen->italic != preset.italic)
        format.setFontItalic(*chosen->italic);
    if (chosen->strikeOut && chosen->strikeOut != preset.strikeOut)
        format.setFontStrikeOut(*chosen->strikeOut);
    if (chosen->underline && chosen->underline != preset.underline)
        format.setFontUnderline(*chosen->underline);
    if (chosen->colour && chosen->colour != preset.colour)
        format.setForeground(*chosen->colour);
    if (!format.properties().isEmpty())
        RichTextBox1->mergeCurrentCharFormat(format);
}

// The buttons only switch on; the font dialog switches off.
void frmRTF::setBold()
{
    QTextCharFormat f;
    f.setFontWeight(QFont::Bold);
    RichTextBox1->mergeCurrentCharFormat(f);
}

void frmRTF::setKursiv()
{
    QTextCharFormat f;
    f.setFontItalic(true);
    RichTextBox1->mergeCurrentCharFormat(f);
}

void frmRTF::setUnderline()
{
    QTextCharFormat f;
    f.setFontUnderline(true);
    RichTextBox1->mergeCurrentCharFormat(f);
}

void frmRTF::applyTemplate(const QString& family, double points)
{
    baseFont.setFamilies({family});
    baseFont.setPointSizeF(points);
    // The base font of the whole text: name and size change, bold, italic and colour stay.
    QFont base = RichTextBox1->document()->defaultFont();
    base.setFamilies({family});
    base.setPointSizeF(points);
    RichTextBox1->document()->setDefaultFont(base);
    QTextCharFormat f;
    f.setFontFamilies({family});
    f.setFontPointSize(points);
    QTextCursor all(RichTextBox1->document());
    all.select(QTextCursor::Document);
    all.mergeCharFormat(f);
    QTextCharFormat typing = RichTextBox1->currentCharFormat();
    typing.merge(f);
    RichTextBox1->setCurrentCharFormat(typing);
}

void frmRTF::mnuHilfe_Click()
{
    const QStringList lines{
        QStringLiteral("Mit den Tasten Pos 1, Ende,Bild hoch, Bild runter, den Cursor-Tasten   "),
        QStringLiteral("oder mit der Maus  läßt sich der Text verschieben und betrachten. "),
        QString(),
        QStringLiteral("Der Text kann wie in einem Textverarbeitungs-Programm formatiert und   "),
        QStringLiteral("bearbeitet werden. Danach kann der Text auch in der bearbeiteten Form   "),
        QStringLiteral("gespeichert und gedruckt werden."),
        QStringLiteral("Eine Suchfunktion ermöglicht es bestimmte Textstellen schnell zu finden."),
        QStringLiteral("Letzteres ist alles im Menü 'Datei' zu finden."),
    };
    ui::messageBox(lines.join(module1().CrLf), QStringLiteral(" Kurzhilfe"), ui::Buttons::Ok, ui::Icon::Information);
}

void frmRTF::mnuInfo_Click()
{
    const QString& CrLf = module1().CrLf;
    const QString text = QStringLiteral(" ") + CrLf + version::beschreibung + CrLf + CrLf + QStringLiteral("Version ")
                         + QStringLiteral("%1.%2.%3").arg(version::major).arg(version::minor).arg(version::revision) + CrLf
                         + version::copyright + CrLf + CrLf + version::nutzungsHinweis + CrLf + QStringLiteral(" ");
    ui::messageBox(text, QStringLiteral(" Info"), ui::Buttons::Ok, ui::Icon::Information);
}

void frmRTF::childActivated()
{
    statusText->setText(fileName);
    QWidget* window = frameWindow();
    if (window->isMinimized() || window->isMaximized())
        return;
    // The viewer is as wide as the line after the first line break from the third character
    // on, at 126 twips a character; never narrower than 11670 twips.
    const QString text = RichTextBox1->document()->toPlainText().replace(u'\n', QStringLiteral("\r\n"));
    const qsizetype p = text.indexOf(QStringLiteral("\r\n"), 2) + 1;
    const qsizetype q = text.indexOf(QStringLiteral("\r\n"), std::max<qsizetype>(p + 1, 0)) + 1;
    const qsizetype n = q - (p + 2);
    FormBreite = wantedWidth(n);
    placing = true;
    window->resize(tw(FormBreite), window->height());
    placing = false;
    windowResized();
}

bool frmRTF::layOutTo(int position)
{
    // The editor lays a long text out bit by bit while it waits for input; jumping far ahead
    // would lay out everything before the target at once and freeze the window meanwhile.
    QTextDocument* document = RichTextBox1->document();
    const QTextBlock target = document->findBlock(std::max(position, 0));
    const auto laidOut = [](const QTextBlock& block) { return !block.isValid() || (block.layout() && block.layout()->lineCount() > 0); };
    if (laidOut(target))
        return true;
    // The first block not laid out yet: blocks are laid out in order.
    int low = 0, high = target.blockNumber();
    while (low < high) {
        const int middle = (low + high) / 2;
        if (laidOut(document->findBlockByNumber(middle)))
            low = middle + 1;
        else
            high = middle;
    }
    constexpr int blocksAtOnce = 2000;
    const int last = target.blockNumber();
    // Only a long way ahead is worth a progress window.
    if (last - low < blocksAtOnce)
        return true;
    const auto progress = ui::services().startProgress(this, QStringLiteral("Der Text wird aufgebaut ..."));
    QAbstractTextDocumentLayout* layout = document->documentLayout();
    for (int number = low; number < last;) {
        number = std::min(number + blocksAtOnce, last);
        layout->blockBoundingRect(document->findBlockByNumber(number));
        if (!progress->update(number - low, last - low))
            return false;
    }
    return true;
}

int16_t frmRTF::wantedWidth(qsizetype characters) const
{
    const double wanted = std::max(126.0 * double(characters), 11670.0);
    // Never wider than the frame's client area, so that the title buttons stay in reach;
    // never beyond the 16-bit width either.
    const double area = std::max(areaTwips().width(), 7080.0);
    return int16_t(std::min({wanted, area, 32767.0}));
}

void frmRTF::windowResized()
{
    QWidget* window = frameWindow();
    if (window->isMinimized() || window == this)
        return;
    // Not further right than centred for the wanted width.
    const int lmax = std::max(1, tw(std::nearbyint((areaTwips().width() - FormBreite) / 2)));
    if (window->x() > lmax)
        window->move(lmax, window->y());
}

void frmRTF::closeEvent(QCloseEvent* event)
{
    const auto answer = ui::messageBox(QStringLiteral("Schnellansicht wirklich schliessen ?"), QStringLiteral(" Beenden"),
                                       ui::Buttons::YesNo, ui::Icon::Question);
    if (answer != ui::Answer::Yes) {
        event->ignore();
        return;
    }
    if (!RichTextBox1->document()->isEmpty() && Geaendert) {
        const auto save = ui::messageBox(QStringLiteral("Soll der Text gespeichert werden ?"),
                                         QStringLiteral(" Text speichern ?"), ui::Buttons::YesNo, ui::Icon::Question);
        if (save == ui::Answer::Yes) {
            ui::processEvents();
            // A save that did not happen keeps the viewer open: the text is not lost.
            if (!mnuSave_Click()) {
                event->ignore();
                return;
            }
        }
        Geaendert = false;
    }
    event->accept();
}

bool frmRTF::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == RichTextBox1->viewport() && event->type() == QEvent::MouseButtonPress)
        Geaendert = true;
    if (watched == RichTextBox1 && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // A key that writes a character (Enter and Backspace too) may change the text.
        if (!key->text().isEmpty())
            Geaendert = true;
        // The end of a long text is reached with progress shown, or not at all when cancelled.
        if (key->key() == Qt::Key_End && (key->modifiers() & Qt::ControlModifier)
            && !layOutTo(RichTextBox1->document()->characterCount() - 1))
            return true;
    }
    if (watched == frameWindow() && watched != this && event->type() == QEvent::Resize && !placing)
        windowResized();
    return QWidget::eventFilter(watched, event);
}
