#pragma once
// Pictures that are small to store but large once decoded, for tests of what the viewer decodes.

#include <QByteArray>
#include <QDataStream>
#include <QIODevice>
#include <QString>

// A one-bit grey PNG of the given size, all black, as RTF picture data: small to store,
// but as many pixels as asked for once decoded.
inline QByteArray largePngHex(quint32 width, quint32 height)
{
    const auto chunk = [](const QByteArray& type, const QByteArray& data) -> QByteArray {
        QByteArray out;
        QDataStream(&out, QIODevice::WriteOnly) << quint32(data.size());
        const QByteArray body = type + data;
        quint32 crc = 0xFFFFFFFF;  // the CRC-32 every PNG chunk ends with
        for (unsigned char b : body) {
            crc ^= b;
            for (int k = 0; k < 8; ++k)
                crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
        }
        QByteArray tail;
        QDataStream(&tail, QIODevice::WriteOnly) << ~crc;
        return out + body + tail;
    };
    QByteArray header;
    QDataStream(&header, QIODevice::WriteOnly) << width << height << quint8(1) << quint8(0) << quint8(0) << quint8(0) << quint8(0);
    // Each row: filter byte 0 and its bits, all 0.
    const QByteArray rows(qsizetype(height) * (1 + (width + 7) / 8), '\0');
    const QByteArray packed = qCompress(rows, 9).mid(4);  // zlib stream without Qt's length prefix
    const QByteArray png = QByteArray("\x89PNG\r\n\x1a\n") + chunk("IHDR", header) + chunk("IDAT", packed) + chunk("IEND", {});
    return png.toHex();
}

