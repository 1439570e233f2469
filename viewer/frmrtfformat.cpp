// The viewer's formatting: the Format menu, the font dialog, the templates and the bold,
// italic and underline buttons.
#include "viewer/frmrtf.h"

#include "platform/ui.h"

#include <QAction>
#include <QMenu>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextFragment>

void frmRTF::createFormatMenu()
{
    mnuFormat = new QMenu(QStringLiteral("&Format"), this);
    mnuFont = mnuFormat->addAction(QStringLiteral("&Schrift"), this, &frmRTF::mnuFont_Click);
    mnuFont->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    mnuVorlage = mnuFormat->addMenu(QStringLiteral("&Formatvorlage"));
    mnuStandard = mnuVorlage->addAction(QStringLiteral("&Standard"), this, [this] { applyTemplate(QStringLiteral("Courier New"), 10); });
    mnuListing = mnuVorlage->addAction(QStringLiteral("&Listing"), this, [this] { applyTemplate(QStringLiteral("Courier New"), 8); });
    mnuText = mnuVorlage->addAction(QStringLiteral("&Text"), this, [this] { applyTemplate(QStringLiteral("Arial"), 8); });
}

void frmRTF::setFontName(const QString& name)
{
    baseFont.setFamilies({name});
    QFont font = RichTextBox1->document()->defaultFont();
    font.setFamilies({name});
    RichTextBox1->document()->setDefaultFont(font);
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
