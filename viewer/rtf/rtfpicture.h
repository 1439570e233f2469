#pragma once
// Pictures in RTF: the reader gathers a \pict group's data and shows PNG and JPEG pictures
// in the document; the writer writes them back with their original bytes. A picture beyond
// the document's budget of decoded pixels is not decoded: a framed note with its size stands
// in for it, and its bytes are kept all the same.

#include <QByteArray>
#include <QTextFormat>

class QTextCursor;
class QTextDocument;
class QTextImageFormat;

// The picture's bytes as the file held them, kept on the image format for writing back.
constexpr int pictureBytesProperty = QTextFormat::UserProperty + 1;
// Where a note stands in for the picture: the size the picture is shown at elsewhere, in the
// document's pixels (a QSizeF), written back instead of the note's own.
constexpr int pictureSizeProperty = QTextFormat::UserProperty + 2;

// The decoded pixels all pictures of one document may take together. Drawn on the screen a
// pixel takes 4 bytes, so this is 256 MB: room for a dozen photos of 5 megapixels, while a
// file of a few kilobytes that asks for gigabytes (a picture compresses to almost nothing
// when it is all one colour) stops there.
constexpr qint64 documentPicturePixels = 64'000'000;

// What is left of a document's budget for pictures, and how many did not fit.
struct PictureBudget {
    qint64 pixelsLeft = documentPicturePixels;
    int notShown = 0;
};

class RtfPicture {
public:
    void controlWord(const QByteArray& word, bool hasParameter, int parameter);
    void addHexDigit(char c);
    // Inserts the picture at the cursor, or the note standing in for it when its pixels
    // exceed what is left of the budget; false when it is no PNG or JPEG picture that loads.
    bool insertInto(QTextDocument& document, QTextCursor& cursor, int number, PictureBudget& budget) const;

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
