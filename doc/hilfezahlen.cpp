#include "doc/hilfezahlen.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace {

QString kapitelEinfuegen(const QString& html, const QString& ordner, QString& fehler, int tiefe)
{
    static const QRegularExpression einfuegen(QStringLiteral("<!--\\s*einfügen:\\s*([^ ]+?)\\s*-->"));
    QString ergebnis;
    qsizetype bis = 0;
    for (auto it = einfuegen.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        ergebnis += html.mid(bis, m.capturedStart() - bis);
        bis = m.capturedEnd();
        QFile datei(QDir(ordner).filePath(m.captured(1)));
        if (tiefe > 4 || !datei.open(QIODevice::ReadOnly)) {
            fehler = QStringLiteral("Kapitel %1 nicht lesbar").arg(m.captured(1));
            return {};
        }
        ergebnis += kapitelEinfuegen(QString::fromUtf8(datei.readAll()), ordner, fehler, tiefe + 1);
        if (!fehler.isEmpty())
            return {};
    }
    return ergebnis + html.mid(bis);
}

} // namespace

QString hilfeMitZahlen(const QString& html, const QString& ordner, const HilfeZahlen& zahlen, QString& fehler)
{
    fehler.clear();
    const QString ganz = kapitelEinfuegen(html, ordner, fehler, 0);
    if (!fehler.isEmpty())
        return {};
    static const QRegularExpression platzhalter(QStringLiteral("\\{\\{([^{}]+)\\}\\}"));
    QString ergebnis;
    qsizetype bis = 0;
    for (auto it = platzhalter.globalMatch(ganz); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const auto wert = zahlen.constFind(m.captured(1).trimmed());
        if (wert == zahlen.cend()) {
            fehler = QStringLiteral("unbekannter Platzhalter {{%1}}").arg(m.captured(1));
            return {};
        }
        ergebnis += ganz.mid(bis, m.capturedStart() - bis) + *wert;
        bis = m.capturedEnd();
    }
    return ergebnis + ganz.mid(bis);
}
