#include "viewer/rtf/rtfparagraph.h"

#include "viewer/rtf/rtfunits.h"

#include <QList>
#include <QTextOption>

#include <algorithm>
#include <cmath>

namespace {

// Indents and spacing beyond the largest are cut to it, so that no paragraph is laid out
// narrower than nothing.
constexpr int largestTwips = rtfLargestTwips;
// \sl240\slmult1: one line, as without any \sl.
constexpr int oneLine = 240;

int limited(int twips) { return std::clamp(twips, -largestTwips, largestTwips); }

int twipsOf(double pixels) { return limited(int(std::lround(std::clamp(pixels * twipsPerPixel, -1e6, 1e6)))); }

} // namespace

void RtfParagraph::apply(std::string_view word, bool hasParameter, int parameter)
{
    const int twips = hasParameter ? limited(parameter) : 0;
    if (word == "ql")
        alignment = Alignment::Left;
    else if (word == "qc")
        alignment = Alignment::Centred;
    else if (word == "qr")
        alignment = Alignment::Right;
    else if (word == "qj" || word == "qd")  // distributed: justified, as far as the viewer goes
        alignment = Alignment::Justified;
    else if (word == "li" || word == "lin")
        leftIndent = twips;
    else if (word == "ri" || word == "rin")
        rightIndent = twips;
    else if (word == "fi")
        firstLineIndent = twips;
    else if (word == "sb")
        spaceBefore = std::min(twips, rtfTallestTwips);
    else if (word == "sa")
        spaceAfter = std::min(twips, rtfTallestTwips);
    else if (word == "sl")
        lineSpacing = std::clamp(twips, -rtfTallestTwips, rtfTallestTwips);
    else if (word == "slmult")
        lineMultiple = !hasParameter || parameter != 0;
    else if (word == "tqr")
        nextTabKind = TabKind::Right;
    else if (word == "tqc")
        nextTabKind = TabKind::Centred;
    else if (word == "tqdec")
        nextTabKind = TabKind::Decimal;
    else if (word == "tb")  // a bar, not a stop: the viewer draws none
        nextTabKind = TabKind::Left;
    else if (word == "tx") {
        // A document's tab stops are few; a stream of them adds nothing a line could use.
        constexpr qsizetype mostTabs = 64;
        if (twips > 0 && tabs.size() < mostTabs)
            tabs.append({twips, nextTabKind});
        nextTabKind = TabKind::Left;
    }
}

QTextBlockFormat RtfParagraph::blockFormat() const
{
    QTextBlockFormat format;
    switch (alignment) {
    case Alignment::Left: break;
    case Alignment::Centred: format.setAlignment(Qt::AlignHCenter); break;
    case Alignment::Right: format.setAlignment(Qt::AlignRight); break;
    case Alignment::Justified: format.setAlignment(Qt::AlignJustify); break;
    }
    // Indents into the page's margin have no margin to go into here: they stop at the edge.
    const int left = std::max(leftIndent, 0);
    if (left > 0)
        format.setLeftMargin(left / twipsPerPixel);
    if (rightIndent > 0)
        format.setRightMargin(rightIndent / twipsPerPixel);
    const int firstLine = std::max(firstLineIndent, -left);
    if (firstLine != 0)
        format.setTextIndent(firstLine / twipsPerPixel);
    // The viewer counts tab positions from the first line's start, word processors from the
    // margin. A hanging first line (a list's bullet or number, then a tab) continues where the
    // following lines begin, as in word processors.
    const int lineStart = left + firstLine;
    QList<QTextOption::Tab> stops;
    const auto stop = [&stops](int twips, QTextOption::TabType type, QChar delimiter = {}) {
        const qreal at = twips / twipsPerPixel;
        for (const QTextOption::Tab& other : std::as_const(stops)) {
            if (other.position == at)
                return;
        }
        stops.append(QTextOption::Tab(at, type, delimiter));
    };
    for (const TabStop& tab : tabs) {
        if (tab.position <= lineStart)
            continue;
        switch (tab.kind) {
        case TabKind::Left: stop(tab.position - lineStart, QTextOption::LeftTab); break;
        case TabKind::Right: stop(tab.position - lineStart, QTextOption::RightTab); break;
        case TabKind::Centred: stop(tab.position - lineStart, QTextOption::CenterTab); break;
        // German documents write the decimal comma.
        case TabKind::Decimal: stop(tab.position - lineStart, QTextOption::DelimiterTab, u','); break;
        }
    }
    if (firstLine < 0)
        stop(-firstLine, QTextOption::LeftTab);
    std::sort(stops.begin(), stops.end(), [](const QTextOption::Tab& a, const QTextOption::Tab& b) { return a.position < b.position; });
    if (!stops.isEmpty())
        format.setTabPositions(stops);
    if (spaceBefore > 0)
        format.setTopMargin(spaceBefore / twipsPerPixel);
    if (spaceAfter > 0)
        format.setBottomMargin(spaceAfter / twipsPerPixel);
    if (lineSpacing < 0)
        format.setLineHeight(-lineSpacing / twipsPerPixel, QTextBlockFormat::FixedHeight);
    else if (lineSpacing > 0 && lineMultiple && lineSpacing != oneLine)
        format.setLineHeight(lineSpacing * 100.0 / oneLine, QTextBlockFormat::ProportionalHeight);
    else if (lineSpacing > 0 && !lineMultiple)
        format.setLineHeight(lineSpacing / twipsPerPixel, QTextBlockFormat::MinimumHeight);
    return format;
}

double rtfSpacingPixels(const QTextBlockFormat& format)
{
    // A line of the document's 12 points is up to 20 pixels high.
    constexpr double linePixels = 20;
    double pixels = std::max(format.topMargin(), 0.0) + std::max(format.bottomMargin(), 0.0);
    switch (format.lineHeightType()) {
    case QTextBlockFormat::FixedHeight:
    case QTextBlockFormat::MinimumHeight: pixels += std::max(format.lineHeight(), 0.0); break;
    case QTextBlockFormat::ProportionalHeight: pixels += std::max(format.lineHeight(), 0.0) / 100 * linePixels; break;
    default: break;
    }
    return pixels;
}

QTextBlockFormat rtfWithoutSpacing(QTextBlockFormat format)
{
    format.clearProperty(QTextFormat::BlockTopMargin);
    format.clearProperty(QTextFormat::BlockBottomMargin);
    format.clearProperty(QTextFormat::LineHeight);
    format.clearProperty(QTextFormat::LineHeightType);
    return format;
}

QByteArray rtfParagraphWords(const QTextBlockFormat& format)
{
    QByteArray words;
    const auto word = [&words](const char* name, int value) {
        if (value != 0)
            words += '\\' + QByteArray(name) + QByteArray::number(value);
    };
    const Qt::Alignment alignment = format.alignment();
    if (alignment & Qt::AlignHCenter)
        words += "\\qc";
    else if (alignment & Qt::AlignJustify)
        words += "\\qj";
    else if ((alignment & Qt::AlignRight) && !(alignment & Qt::AlignLeft))
        words += "\\qr";
    word("li", twipsOf(format.leftMargin()));
    word("ri", twipsOf(format.rightMargin()));
    word("fi", twipsOf(format.textIndent()));
    word("sb", twipsOf(format.topMargin()));
    word("sa", twipsOf(format.bottomMargin()));
    const double height = format.lineHeight();
    // A line height that makes a table's row high is written with the row.
    switch (format.boolProperty(rtfLineHeightOfRowProperty) ? QTextBlockFormat::SingleHeight : format.lineHeightType()) {
    case QTextBlockFormat::FixedHeight:
        if (const int twips = twipsOf(height); twips > 0)
            words += "\\sl-" + QByteArray::number(twips) + "\\slmult0";
        break;
    case QTextBlockFormat::MinimumHeight:
        if (const int twips = twipsOf(height); twips > 0)
            words += "\\sl" + QByteArray::number(twips) + "\\slmult0";
        break;
    case QTextBlockFormat::ProportionalHeight:
        if (const int twips = int(std::lround(std::clamp(height, 0.0, 13200.0) * oneLine / 100)); twips > 0 && twips != oneLine)
            words += "\\sl" + QByteArray::number(twips) + "\\slmult1";
        break;
    default: break;  // single, or a distance between lines that RTF has no word for
    }
    const int lineStart = twipsOf(format.leftMargin() + format.textIndent());
    for (const QTextOption::Tab& tab : format.tabPositions()) {
        switch (tab.type) {
        case QTextOption::LeftTab: break;
        case QTextOption::RightTab: words += "\\tqr"; break;
        case QTextOption::CenterTab: words += "\\tqc"; break;
        case QTextOption::DelimiterTab: words += "\\tqdec"; break;
        }
        words += "\\tx" + QByteArray::number(limited(lineStart + twipsOf(tab.position)));
    }
    return words;
}
