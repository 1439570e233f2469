// The viewer's file handling: the File menu, opening (RTF or plain text in its encoding) and
// saving as RTF, with the questions before edited text or what cannot be written is lost.
#include "viewer/frmrtf.h"

#include "common/cp1252.h"
#include "common/failure.h"
#include "platform/dateilesen.h"
#include "platform/dateischreiber.h"
#include "platform/ui.h"
#include "viewer/rtf/rtfpicture.h"
#include "viewer/rtf/rtfreader.h"
#include "viewer/rtf/rtfwriter.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <QStringDecoder>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

namespace {

const QString filter = QStringLiteral("Text File (*.Txt)|*.txt|Rich Text File (*.Rtf)|*.rtf|All Files (*.*)|*.*");

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

void frmRTF::createFileMenu()
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
    layOutInTheBackground();
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
