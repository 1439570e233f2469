#pragma once
// Pictures in RTF: the reader gathers a \pict group's data and shows PNG and JPEG pictures
// in the document; the writer writes them back with their original bytes.

#include <QByteArray>
#include <QTextFormat>

class QTextCursor;
class QTextDocument;
class QTextImageFormat;

// The picture's bytes as the file held them, kept on the image format for writing back.
constexpr int pictureBytesProperty = QTextFormat::UserProperty + 1;

class RtfPicture {
public:
    void controlWord(const QByteArray& word, bool hasParameter, int parameter);
    void addHexDigit(char c);
    // Inserts the picture at the cursor; false when it is no PNG or JPEG picture that loads.
    bool insertInto(QTextDocument& document, QTextCursor& cursor, int number) const;

    QByteArray data;  // raw bytes after \binN

private:
    enum class Kind { Unknown, Png, Jpeg, Other };
    Kind kind = Kind::Unknown;
    QByteArray hex;
    int width = 0, height = 0;          // \picw, \pich: pixels
    int goalWidth = 0, goalHeight = 0;  // \picwgoal, \pichgoal: twips
    int scaleX = 100, scaleY = 100;     // percent
};

// The bytes of a picture in the document and the RTF word for its kind ("pngblip" or
// "jpegblip"); empty when the image format names no picture.
QByteArray pictureForWriting(const QTextImageFormat& format, const QTextDocument& document, QByteArray& kind);
