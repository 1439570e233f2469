#include "viewer/rtf/rtfpicture.h"

#include "viewer/rtf/rtfunits.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QSizeF>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>

#include <algorithm>
#include <limits>

namespace {
constexpr double pixelsPerTwip = 1.0 / twipsPerPixel;

bool isHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

// Qt refuses by itself to decode a picture beyond its allocation limit, counting 4 bytes a
// pixel; such a picture is not shown either, though it fits the document's budget.
qint64 decodablePixels()
{
    const qint64 megabytes = QImageReader::allocationLimit();
    return megabytes > 0 ? megabytes * 1024 * 1024 / 4 : std::numeric_limits<qint64>::max();
}

// A framed note naming the picture's size, drawn in the document's font.
QImage placeholderPicture(const QString& text, const QFont& font)
{
    constexpr int margin = 6;
    const QFontMetrics metrics(font);
    QImage image(metrics.horizontalAdvance(text) + 2 * margin, metrics.height() + 2 * margin, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(Qt::darkGray);
    painter.drawRect(image.rect().adjusted(0, 0, -1, -1));
    painter.setFont(font);
    painter.drawText(image.rect(), Qt::AlignCenter, text);
    return image;
}

// The note in the picture's place; the picture's bytes and the size it is shown at stay
// on it, so that writing the document back keeps the picture as it was.
void insertPlaceholder(QTextDocument& document, QTextCursor& cursor, QSize own, QSizeF shown, const QByteArray& bytes)
{
    const QString text = QStringLiteral("Bild %1 × %2 Pixel nicht angezeigt").arg(own.width()).arg(own.height());
    // Notes of one size share their drawing.
    const QString name = QStringLiteral("rtfplatzhalter%1x%2").arg(own.width()).arg(own.height());
    const QImage note = placeholderPicture(text, document.defaultFont());
    document.addResource(QTextDocument::ImageResource, QUrl(name), note);
    QTextImageFormat format;
    format.setName(name);
    format.setWidth(note.width());
    format.setHeight(note.height());
    format.setToolTip(text);
    format.setProperty(pictureBytesProperty, bytes);
    format.setProperty(pictureSizeProperty, shown);
    cursor.insertImage(format);
}
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

bool RtfPicture::insertInto(QTextDocument& document, QTextCursor& cursor, int number, PictureBudget& budget) const
{
    if (kind != Kind::Png && kind != Kind::Jpeg)
        return false;
    const QByteArray bytes = data.isEmpty() ? QByteArray::fromHex(hex) : data;
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer, kind == Kind::Png ? "png" : "jpeg");
    // The size the picture's header states, read before anything is decoded.
    const QSize size = reader.size();
    if (!size.isValid())
        return false;
    // The size the document asks for; the picture's own size when it names none.
    const auto scaled = [](int goal, int scale, int own) {
        const double px = goal > 0 ? goal * pixelsPerTwip * std::clamp(scale, 1, 10000) / 100.0 : own;
        return std::clamp(px, 1.0, 20000.0);
    };
    const QSizeF shown(scaled(goalWidth, scaleX, size.width()), scaled(goalHeight, scaleY, size.height()));
    const qint64 pixels = qint64(size.width()) * size.height();
    if (pixels > budget.pixelsLeft || pixels > decodablePixels()) {
        ++budget.notShown;
        insertPlaceholder(document, cursor, size, shown, bytes);
        return true;
    }
    QImage image;
    if (!reader.read(&image) || image.isNull())
        return false;
    budget.pixelsLeft -= qint64(image.width()) * image.height();
    const QString name = QStringLiteral("rtfpict%1.%2").arg(number).arg(kind == Kind::Png ? QStringLiteral("png") : QStringLiteral("jpg"));
    document.addResource(QTextDocument::ImageResource, QUrl(name), image);
    QTextImageFormat format;
    format.setName(name);
    format.setWidth(shown.width());
    format.setHeight(shown.height());
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
