#include "doc/pdfsprungmarken.h"

#include <QHash>
#include <QMap>
#include <QRegularExpression>

namespace {

// The text of object n: what stands between "n 0 obj" and "endobj"; empty when there is none.
QByteArray objekt(const QByteArray& pdf, int n)
{
    const QByteArray kopf = '\n' + QByteArray::number(n) + " 0 obj\n";
    const qsizetype anfang = pdf.lastIndexOf(kopf);
    if (anfang < 0)
        return {};
    const qsizetype inhalt = anfang + kopf.size();
    const qsizetype ende = pdf.indexOf("endobj", inhalt);
    return ende < 0 ? QByteArray() : pdf.mid(inhalt, ende - inhalt);
}

QList<int> verweise(const QByteArray& text)
{
    QList<int> nummern;
    static const QRegularExpression verweis(QStringLiteral("(\\d+) 0 R"));
    for (auto it = verweis.globalMatch(QString::fromLatin1(text)); it.hasNext();)
        nummern << it.next().captured(1).toInt();
    return nummern;
}

int zahlNach(const QByteArray& text, const char* schluessel)
{
    const QRegularExpressionMatch m =
        QRegularExpression(QRegularExpression::escape(QString::fromLatin1(schluessel)) + QStringLiteral("\\s+(\\d+)"))
            .match(QString::fromLatin1(text));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

QByteArray zahl(qreal wert) { return QByteArray::number(wert, 'f', 2); }

} // namespace

bool pdfSpruengeAnhaengen(QByteArray& pdf, const QList<PdfSprung>& spruenge)
{
    // The last trailer: the number of objects, the catalogue, the document information, and
    // where the cross-reference table stands.
    const qsizetype trailer = pdf.lastIndexOf("\ntrailer");
    if (trailer < 0)
        return false;
    const QByteArray schluss = pdf.mid(trailer);
    const int anzahl = zahlNach(schluss, "/Size");
    const int vorherXref = zahlNach(schluss, "startxref");
    const QRegularExpressionMatch wurzel = QRegularExpression(QStringLiteral("/Root\\s+(\\d+ 0 R)")).match(QString::fromLatin1(schluss));
    const QRegularExpressionMatch info = QRegularExpression(QStringLiteral("/Info\\s+(\\d+ 0 R)")).match(QString::fromLatin1(schluss));
    if (anzahl <= 0 || vorherXref <= 0 || !wurzel.hasMatch())
        return false;

    // The pages in order, from the page tree's /Kids, and each page's /Annots array.
    const QByteArray katalog = objekt(pdf, wurzel.captured(1).section(u' ', 0, 0).toInt());
    const QByteArray baum = objekt(pdf, zahlNach(katalog, "/Pages"));
    const qsizetype kinder = baum.indexOf("/Kids");
    if (kinder < 0)
        return false;
    const QList<int> seiten = verweise(baum.mid(kinder, baum.indexOf(']', kinder) - kinder));
    QMap<int, QList<int>> anmerkungen;  // /Annots object → its entries, old and new
    QHash<int, int> anmerkungenDerSeite;
    for (const PdfSprung& s : spruenge) {
        if (s.vonSeite < 0 || s.vonSeite >= seiten.size() || s.zuSeite < 0 || s.zuSeite >= seiten.size())
            return false;
        if (anmerkungenDerSeite.contains(s.vonSeite))
            continue;
        const int liste = zahlNach(objekt(pdf, seiten[s.vonSeite]), "/Annots");
        const QByteArray inhalt = objekt(pdf, liste).trimmed();
        if (liste < 0 || !inhalt.startsWith('[') || !inhalt.endsWith(']'))
            return false;
        anmerkungenDerSeite.insert(s.vonSeite, liste);
        anmerkungen.insert(liste, verweise(inhalt));
    }

    QByteArray anhang = pdf.endsWith('\n') ? QByteArray() : QByteArray("\n");
    QMap<int, qsizetype> lage;  // object → where it starts in the whole file
    int naechste = anzahl;
    for (const PdfSprung& s : spruenge) {
        const int n = naechste++;
        lage.insert(n, pdf.size() + anhang.size());
        const QRectF& f = s.feld;
        anhang += QByteArray::number(n) + " 0 obj\n<<\n/Type /Annot\n/Subtype /Link\n/Rect [" + zahl(f.left()) + ' '
                  + zahl(f.top()) + ' ' + zahl(f.right()) + ' ' + zahl(f.bottom()) + "]\n/Border [0 0 0]\n/Dest ["
                  + QByteArray::number(seiten[s.zuSeite]) + " 0 R /XYZ null " + zahl(s.zuHoehe) + " null]\n>>\nendobj\n";
        anmerkungen[anmerkungenDerSeite.value(s.vonSeite)] << n;
    }
    for (auto it = anmerkungen.cbegin(); it != anmerkungen.cend(); ++it) {
        lage.insert(it.key(), pdf.size() + anhang.size());
        anhang += QByteArray::number(it.key()) + " 0 obj\n[";
        for (int eintrag : it.value())
            anhang += ' ' + QByteArray::number(eintrag) + " 0 R";
        anhang += " ]\nendobj\n";
    }

    // The cross-reference section of the update: one subsection per object, each entry 20 bytes.
    const qsizetype xref = pdf.size() + anhang.size();
    anhang += "xref\n";
    for (auto it = lage.cbegin(); it != lage.cend(); ++it)
        anhang += QByteArray::number(it.key()) + " 1\n" + QByteArray::number(it.value()).rightJustified(10, '0') + " 00000 n \n";
    anhang += "trailer\n<<\n/Size " + QByteArray::number(naechste) + "\n/Root " + wurzel.captured(1).toLatin1();
    if (info.hasMatch())
        anhang += "\n/Info " + info.captured(1).toLatin1();
    anhang += "\n/Prev " + QByteArray::number(vorherXref) + "\n>>\nstartxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
    pdf += anhang;
    return true;
}
