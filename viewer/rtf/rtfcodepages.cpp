#include "viewer/rtf/rtfcodepages.h"

#include "common/cp1252.h"

#include <QHash>
#include <QStringDecoder>

int codePageOfCharset(int charset)
{
    switch (charset) {
    case 0: return 1252;
    case 77: return 10000;
    case 128: return 932;
    case 129: return 949;
    case 134: return 936;
    case 136: return 950;
    case 161: return 1253;
    case 162: return 1254;
    case 163: return 1258;
    case 177: return 1255;
    case 178: return 1256;
    case 186: return 1257;
    case 204: return 1251;
    case 222: return 874;
    case 238: return 1250;
    case 254: return 437;
    default: return 0;
    }
}

namespace {
// The names the converters know the code pages by; the first that works is taken.
std::unique_ptr<QStringDecoder> decoderFor(int codePage)
{
    QList<QByteArray> names;
    switch (codePage) {
    case 10000: names = {"macintosh", "x-mac-roman"}; break;
    case 437: names = {"IBM437", "cp437"}; break;
    case 850: names = {"IBM850", "cp850"}; break;
    case 932: names = {"windows-31j", "Shift_JIS"}; break;
    case 936: names = {"windows-936", "GBK"}; break;
    case 949: names = {"windows-949", "EUC-KR"}; break;
    case 950: names = {"windows-950", "Big5"}; break;
    default: names = {"windows-" + QByteArray::number(codePage), "cp" + QByteArray::number(codePage)}; break;
    }
    for (const QByteArray& name : names) {
        auto decoder = std::make_unique<QStringDecoder>(name.constData());
        if (decoder->isValid())
            return decoder;
    }
    return nullptr;
}
} // namespace

CodePageDecoder::CodePageDecoder(int codePage) : page(codePage)
{
    if (codePage != 1252 && codePage > 0)
        decoder = decoderFor(codePage);
}

CodePageDecoder::~CodePageDecoder() = default;

QString CodePageDecoder::decode(unsigned char byte)
{
    // Code page 1252 is built in; a code page no converter knows is read as 1252 too.
    if (!decoder)
        return QString(QChar(fromCp1252(byte)));
    const char c = char(byte);
    return (*decoder)(QByteArrayView(&c, 1));
}

void CodePageDecoder::reset()
{
    if (decoder)
        decoder->resetState();
}

SymbolFont symbolFontOf(const QString& family)
{
    if (family.compare(QLatin1String("Symbol"), Qt::CaseInsensitive) == 0)
        return SymbolFont::Symbol;
    if (family.startsWith(QLatin1String("Wingdings"), Qt::CaseInsensitive))
        return SymbolFont::Wingdings;
    return SymbolFont::None;
}

char16_t symbolFontCharacter(SymbolFont font, unsigned char byte)
{
    // The symbol font's letters are Greek; its upper half holds signs and arrows.
    static const QHash<unsigned char, char16_t> symbol = [] {
        QHash<unsigned char, char16_t> s;
        const char16_t upper[] = u"ΑΒΧΔΕΦΓΗΙϑΚΛΜΝΟΠΘΡΣΤΥςΩΞΨΖ";
        const char16_t lower[] = u"αβχδεφγηιϕκλμνοπθρστυϖωξψζ";
        for (int i = 0; i < 26; ++i) {
            s.insert(uchar('A' + i), upper[i]);
            s.insert(uchar('a' + i), lower[i]);
        }
        const std::pair<unsigned char, char16_t> signs[] = {
            {0x22, u'∀'}, {0x24, u'∃'}, {0x27, u'∋'}, {0x2A, u'∗'}, {0x2D, u'−'}, {0x40, u'≅'}, {0x5E, u'⊥'},
            {0xA2, u'′'}, {0xA3, u'≤'}, {0xA5, u'∞'}, {0xA7, u'♣'}, {0xA8, u'♦'}, {0xA9, u'♥'}, {0xAA, u'♠'},
            {0xAB, u'↔'}, {0xAC, u'←'}, {0xAD, u'↑'}, {0xAE, u'→'}, {0xAF, u'↓'}, {0xB0, u'°'}, {0xB1, u'±'},
            {0xB2, u'″'}, {0xB3, u'≥'}, {0xB4, u'×'}, {0xB5, u'∝'}, {0xB6, u'∂'}, {0xB7, u'•'}, {0xB8, u'÷'},
            {0xB9, u'≠'}, {0xBA, u'≡'}, {0xBB, u'≈'}, {0xBC, u'…'}, {0xC4, u'⊗'}, {0xC5, u'⊕'}, {0xC6, u'∅'},
            {0xC7, u'∩'}, {0xC8, u'∪'}, {0xCE, u'∈'}, {0xCF, u'∉'}, {0xD1, u'∇'}, {0xD6, u'√'}, {0xD7, u'⋅'},
            {0xD8, u'¬'}, {0xD9, u'∧'}, {0xDA, u'∨'}, {0xDB, u'⇔'}, {0xDE, u'⇒'}, {0xE0, u'◊'}, {0xE5, u'∑'},
            {0xF2, u'∫'}};
        for (const auto& [b, c] : signs)
            s.insert(b, c);
        return s;
    }();
    // The bullets that lists in the picture fonts use.
    static const QHash<unsigned char, char16_t> wingdings{
        {0x6C, u'●'}, {0x6E, u'■'}, {0x71, u'❑'}, {0x76, u'❖'}, {0xA7, u'▪'}, {0xD8, u'➢'}, {0xFC, u'✓'}, {0x9F, u'•'}};
    switch (font) {
    case SymbolFont::Symbol: return symbol.value(byte, 0);
    case SymbolFont::Wingdings: return wingdings.value(byte, 0);
    case SymbolFont::None: return 0;
    }
    return 0;
}
