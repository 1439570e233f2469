#include "viewer/rtf/rtfpicture.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>

#include <algorithm>

namespace {
// Pictures larger than this are not decoded: a few bytes of a file must not ask for gigabytes.
constexpr qint64 mostPixels = 40'000'000;
// Twips to the document's pixels, at 96 pixels an inch.
constexpr double pixelsPerTwip = 96.0 / 1440.0;

bool isHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
} // namespace

void RtfPicture::controlWord(const QByteArray& word, bool hasParameter, int parameter)
{
    const int p = hasParameter ? parameter : 0;
    if (word == "pngblip")
        kind = Kind::Png;
    else if (word == "jpegblip")
        kind = Kind::Jpeg;
    else if (word == "emfblip" || word == "wmetafile" || word == "macpict" || word == "pmmetafile" || word == "dibitmap"
             || word == "wbitmap")
        kind = Kind::Other;
    else if (word == "picw")
        width = p;
    else if (word == "pich")
        height = p;
    else if (word == "picwgoal")
        goalWidth = p;
    else if (word == "pichgoal")
        goalHeight = p;
    else if (word == "picscalex")
        scaleX = p;
    else if (word == "picscaley")
        scaleY = p;
}

void RtfPicture::addHexDigit(char c)
{
    if (isHexDigit(c))
        hex += c;
}

bool RtfPicture::insertInto(QTextDocument& document, QTextCursor& cursor, int number) const
{
    if (kind != Kind::Png && kind != Kind::Jpeg)
        return false;
    const QByteArray bytes = data.isEmpty() ? QByteArray::fromHex(hex) : data;
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer, kind == Kind::Png ? "png" : "jpeg");
    const QSize size = reader.size();
    if (!size.isValid() || qint64(size.width()) * size.height() > mostPixels)
        return false;
    QImage image;
    if (!reader.read(&image) || image.isNull())
        return false;
    const QString name = QStringLiteral("rtfpict%1.%2").arg(number).arg(kind == Kind::Png ? QStringLiteral("png") : QStringLiteral("jpg"));
    document.addResource(QTextDocument::ImageResource, QUrl(name), image);
    QTextImageFormat format;
    format.setName(name);
    // The size the document asks for; the picture's own size when it names none.
    const auto scaled = [](int goal, int scale, int own) {
        const double px = goal > 0 ? goal * pixelsPerTwip * std::clamp(scale, 1, 10000) / 100.0 : own;
        return std::clamp(px, 1.0, 20000.0);
    };
    format.setWidth(scaled(goalWidth, scaleX, image.width()));
    format.setHeight(scaled(goalHeight, scaleY, image.height()));
    format.setProperty(pictureBytesProperty, bytes);
    cursor.insertImage(format);
    return true;
}

QByteArray pictureForWriting(const QTextImageFormat& format, const QTextDocument& document, QByteArray& kind)
{
    QByteArray bytes = format.property(pictureBytesProperty).toByteArray();
    if (bytes.startsWith("\x89PNG")) {
        kind = "pngblip";
        return bytes;
    }
    if (bytes.startsWith("\xFF\xD8")) {
        kind = "jpegblip";
        return bytes;
    }
    // A picture without its original bytes (pasted in): written as PNG.
    const QVariant resource = document.resource(QTextDocument::ImageResource, QUrl(format.name()));
    QImage image = resource.value<QImage>();
    if (image.isNull() && resource.canConvert<QByteArray>())
        image.loadFromData(resource.toByteArray());
    if (image.isNull())
        return {};
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    kind = "pngblip";
    return bytes;
}
