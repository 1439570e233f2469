#pragma once
// The character sets RTF documents name: code pages from \ansicpg, \fcharset, \cpg, \mac
// and \pc, single-byte and double-byte, and the private characters of the symbol fonts.

#include <QByteArray>
#include <QString>

#include <memory>

class QStringDecoder;

// The code page that \fcharsetN stands for; 0 when the charset names none (symbol fonts,
// the default charset), so the document's code page applies.
int codePageOfCharset(int charset);

// Decodes the bytes of one run of text in one code page. Double-byte code pages keep a lead
// byte until its trail byte arrives, so a character split over two \'hh escapes is whole.
class CodePageDecoder {
public:
    explicit CodePageDecoder(int codePage);
    ~CodePageDecoder();
    // The characters the byte completes (none after a lead byte).
    QString decode(unsigned char byte);
    // Forgets a lead byte that no trail byte followed.
    void reset();
    int codePage() const { return page; }

private:
    int page;
    std::unique_ptr<QStringDecoder> decoder;
};

enum class SymbolFont { None, Symbol, Wingdings };
SymbolFont symbolFontOf(const QString& family);

// The character a symbol font shows for a byte (or for U+F000 + byte, as word processors
// write symbol characters in Unicode): Greek letters, bullets and signs; 0 for none.
char16_t symbolFontCharacter(SymbolFont font, unsigned char byte);
