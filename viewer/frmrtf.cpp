#include "viewer/frmrtf.h"

#include "common/module1.h"
#include "common/version.h"
#include "platform/accessiblenames.h"
#include "platform/spokenmenu.h"
#include "platform/statuspanels.h"
#include "platform/twips.h"
#include "platform/ui.h"
#include "resources/resources.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPrinter>
#include <QScreen>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include <cmath>

namespace {

QIcon icon(const char* theme, const char* fallback)
{
    return QIcon::fromTheme(QString::fromLatin1(theme), QIcon(QStringLiteral(":/icons/") + QString::fromLatin1(fallback)));
}

bool laidOut(const QTextBlock& block)
{
    return !block.isValid() || (block.layout() && block.layout()->lineCount() > 0);
}

// The first block not laid out yet up to the given one: blocks are laid out in order.
int firstNotLaidOut(const QTextDocument& document, int last)
{
    int low = 0, high = last;
    while (low < high) {
        const int middle = (low + high) / 2;
        if (laidOut(document.findBlockByNumber(middle)))
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}

bool hasTables(const QTextDocument& document) { return !document.rootFrame()->childFrames().isEmpty(); }

// Lays the text out up to the block. The editor's own steps grow to 200,000 characters, which
// in the cells of a table take seconds; a change marked where the layout stands starts them
// small again, so that it goes on a piece of a table at a time.
void layOutUpTo(QTextDocument& document, const QTextBlock& block)
{
    if (hasTables(document))
        document.markContentsDirty(block.position(), 0);
    document.documentLayout()->blockBoundingRect(block);
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

    backgroundLayout = new QTimer(this);
    backgroundLayout->setInterval(0);
    connect(backgroundLayout, &QTimer::timeout, this, &frmRTF::layOutNextPiece);
}

void frmRTF::createMenus()
{
    createFileMenu();
    createFormatMenu();

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
    if (laidOut(target))
        return true;
    const int low = firstNotLaidOut(*document, target.blockNumber());
    constexpr int blocksAtOnce = 2000;
    const int last = target.blockNumber();
    // Only a long way ahead is worth a progress window.
    if (last - low < blocksAtOnce)
        return true;
    const auto progress = ui::services().startProgress(this, QStringLiteral("Der Text wird aufgebaut ..."));
    for (int number = low; number < last;) {
        number = std::min(number + blocksAtOnce, last);
        layOutUpTo(*document, document->findBlockByNumber(number));
        if (!progress->update(number - low, last - low))
            return false;
    }
    return true;
}

void frmRTF::layOutInTheBackground()
{
    QTextDocument* document = RichTextBox1->document();
    // Only tables take long enough to lay out that the editor's own steps would freeze the
    // window; their pieces are laid out one or two at a time while the window waits for input,
    // and again after anything changed the layout (a new width, an edit).
    if (!hasTables(*document))
        return;
    connect(document->documentLayout(), &QAbstractTextDocumentLayout::update, backgroundLayout, qOverload<>(&QTimer::start));
    backgroundLayout->start();
}

void frmRTF::layOutNextPiece()
{
    QTextDocument* document = RichTextBox1->document();
    const QTextBlock next = document->findBlockByNumber(firstNotLaidOut(*document, document->blockCount() - 1));
    if (laidOut(next))
        backgroundLayout->stop();
    else
        layOutUpTo(*document, next);
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
