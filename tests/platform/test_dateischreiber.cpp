// Writing a file never destroys what stands at its name before the new content is complete,
// never reports a failed write as done, and never puts a regular file where a special file,
// a further hard link or a symbolic link stood.
#include "platform/dateischreiber.h"
#include "tests/support/dateigrenze.h"
#include "tests/support/fifowaechter.h"
#include "tests/support/germanlocale.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray inhalt(const QString& pfad)
{
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray("<fehlt>");
}

void anlegen(const QString& pfad, const QByteArray& bytes)
{
    QFile datei(pfad);
    QVERIFY(datei.open(QIODevice::WriteOnly));
    datei.write(bytes);
}

struct stat status(const QString& pfad)
{
    struct stat st {};
    ::lstat(QFile::encodeName(pfad).constData(), &st);
    return st;
}

} // namespace

class TestDateiSchreiber : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { useGermanLocale(); }

    // What stands at the name, and what writing "neu" there leaves.
    void ziele_data()
    {
        QTest::addColumn<QString>("art");
        QTest::addColumn<bool>("gelingt");
        QTest::addColumn<QString>("meldung");  // the end of the failure's description
        QTest::newRow("nothing") << "nichts" << true << QString();
        QTest::newRow("older file") << "datei" << true << QString();
        QTest::newRow("file with a second name") << "hardlink" << true << QString();
        QTest::newRow("link to a file") << "symlink" << true << QString();
        QTest::newRow("dangling link") << "verwaist" << true << QString();
        QTest::newRow("file of another owner") << "fremd" << true << QString();
        QTest::newRow("directory") << "ordner" << false << "\r\nIst ein Verzeichnis";
        QTest::newRow("FIFO") << "fifo" << false << "\r\nDort steht eine benannte Pipe (FIFO), keine gewöhnliche Datei; sie wird nicht ersetzt.";
        QTest::newRow("missing folder") << "ohneordner" << false << "\r\nDatei oder Verzeichnis nicht gefunden";
        QTest::newRow("name of the longest length a folder takes") << "lang" << true << QString();
    }
    void ziele()
    {
        QFETCH(QString, art);
        QFETCH(bool, gelingt);
        QFETCH(QString, meldung);
        QTemporaryDir dir;
        QString pfad = dir.filePath(QStringLiteral("Zentavik.txt"));
        const QString zweiter = dir.filePath(QStringLiteral("zweiter.txt"));
        if (art == u"datei" || art == u"hardlink" || art == u"symlink" || art == u"fremd") {
            anlegen(art == u"symlink" ? zweiter : pfad, "alter, längerer Inhalt");
            ::chmod(QFile::encodeName(art == u"symlink" ? zweiter : pfad).constData(), 0640);
        }
        if (art == u"hardlink")
            QVERIFY(::link(QFile::encodeName(pfad).constData(), QFile::encodeName(zweiter).constData()) == 0);
        if (art == u"symlink" || art == u"verwaist")
            QVERIFY(QFile::link(QStringLiteral("zweiter.txt"), pfad));
        if (art == u"fremd" && ::chown(QFile::encodeName(pfad).constData(), 4711, 4711) != 0)
            QSKIP("handing a file to another owner needs root");
        if (art == u"ordner")
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Zentavik.txt")));
        // A code that blocked on the pipe would be woken by the watchdog, and the row fail.
        std::optional<FifoWaechter> pipe;
        if (art == u"fifo")
            QVERIFY(pipe.emplace(pfad).ok());
        if (art == u"ohneordner")
            pfad = dir.filePath(QStringLiteral("fehlt/Zentavik.txt"));
        if (art == u"lang")
            pfad = dir.filePath(QString(251, u'l') + QStringLiteral(".txt"));
        const struct stat vorher = status(pfad);
        // A new file gets what the user's mask allows, and never write access for everyone.
        const mode_t maske = art == u"nichts" ? 027 : art == u"verwaist" ? 0 : 022;
        const mode_t vorherigeMaske = ::umask(maske);
        const auto maskeZurueck = qScopeGuard([vorherigeMaske] { ::umask(vorherigeMaske); });

        try {
            schreibeDatei(pfad, "neu");
            QVERIFY(gelingt);
        } catch (const Failure& f) {
            QVERIFY2(!gelingt, qPrintable(f.description));
            QVERIFY2(f.description.startsWith(QStringLiteral("Die Datei \"%1\" kann nicht angelegt werden:").arg(pfad)),
                     qPrintable(f.description));
            QVERIFY2(f.description.endsWith(meldung), qPrintable(f.description));
            QCOMPARE(f.number, 75);
        }
        const struct stat nachher = status(pfad);
        if (gelingt) {
            QCOMPARE(inhalt(pfad), QByteArray("neu"));
            if (art == u"datei" || art == u"fremd")
                QCOMPARE(nachher.st_mode & 07777, vorher.st_mode & 07777);
            if (art == u"fremd")
                QCOMPARE(nachher.st_uid, uid_t(4711));
            if (art == u"nichts" || art == u"lang")
                QCOMPARE(nachher.st_mode & 07777, 0666 & ~maske);
            if (art == u"verwaist")
                QCOMPARE(status(zweiter).st_mode & 07777, mode_t(0664));
            if (art == u"hardlink") {
                QCOMPARE(inhalt(zweiter), QByteArray("neu"));
                QCOMPARE(nachher.st_ino, vorher.st_ino);
            }
            if (art == u"symlink" || art == u"verwaist") {
                QVERIFY(S_ISLNK(nachher.st_mode));
                QCOMPARE(inhalt(zweiter), QByteArray("neu"));
            }
        } else if (art != u"ohneordner") {
            QCOMPARE(nachher.st_mode, vorher.st_mode);
        }
        if (pipe)
            QVERIFY(!pipe->musste());
        // Nothing is left beside the target.
        const QStringList uebrig = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        QVERIFY2(uebrig.filter(QStringLiteral(".Zentavik")).isEmpty(), qPrintable(uebrig.join(u' ')));
    }

    // A write that fails at any point leaves the older file whole, and says why in German.
    void aeltereDateiBleibt_data()
    {
        QTest::addColumn<int>("grenze");  // file-size limit; -1: none, the writer gives up
        QTest::addColumn<bool>("zweiterName");  // a hard link: the file is written in place
        QTest::newRow("nothing fits") << 0 << false;
        QTest::newRow("half of it fits") << 4096 << false;
        QTest::newRow("given up before it was complete") << -1 << false;
        QTest::newRow("in place, nothing fits") << 0 << true;
        QTest::newRow("in place, half of it fits") << 4096 << true;
        QTest::newRow("in place, given up before it was complete") << -1 << true;
    }
    void aeltereDateiBleibt()
    {
        QFETCH(int, grenze);
        QFETCH(bool, zweiterName);
        QTemporaryDir dir;
        const QString pfad = dir.filePath(QStringLiteral("bericht.txt"));
        const QString kopie = dir.filePath(QStringLiteral("kopie.txt"));
        anlegen(pfad, "alter Bericht");
        if (zweiterName)
            QVERIFY(::link(QFile::encodeName(pfad).constData(), QFile::encodeName(kopie).constData()) == 0);
        const QByteArray neu(8192, 'n');
        {
            DateiSchreiber datei(pfad);
            datei.oeffnen();
            if (grenze >= 0) {
                DateiGroessenGrenze begrenzt{rlim_t(grenze)};
                try {
                    datei.schreiben(neu);
                    QFAIL("a write beyond the limit was taken as done");
                } catch (const Failure& f) {
                    QCOMPARE(f.number, 57);
                    QCOMPARE(f.description, QStringLiteral("Fehler beim Schreiben der Datei \"%1\":\r\nDie Datei ist zu groß").arg(pfad));
                }
            } else {
                datei.schreiben(neu);
            }
        }
        QCOMPARE(inhalt(pfad), QByteArray("alter Bericht"));
        if (zweiterName)
            QCOMPARE(inhalt(kopie), QByteArray("alter Bericht"));
        QStringList namen{QStringLiteral("bericht.txt")};
        if (zweiterName)
            namen << QStringLiteral("kopie.txt");
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), namen);
    }

    // Two copies of the program writing the same report at once: the last complete one wins,
    // never a mix of both.
    void zweiZugleich()
    {
        QTemporaryDir dir;
        const QString pfad = dir.filePath(QStringLiteral("Zentavik.txt"));
        DateiSchreiber erster(pfad), zweiter(pfad);
        erster.oeffnen();
        zweiter.oeffnen();
        erster.schreiben("erster Anfang ");
        zweiter.schreiben("zweiter Anfang ");
        erster.schreiben("erstes Ende");
        erster.abschliessen();
        QCOMPARE(inhalt(pfad), QByteArray("erster Anfang erstes Ende"));
        zweiter.schreiben("zweites Ende");
        zweiter.abschliessen();
        QCOMPARE(inhalt(pfad), QByteArray("zweiter Anfang zweites Ende"));
    }

    // A FIFO that the user names on purpose gets the content; it stays a FIFO.
    void fifoAnOrt()
    {
        QTemporaryDir dir;
        const QString pfad = dir.filePath(QStringLiteral("rohr"));
        QVERIFY(::mkfifo(QFile::encodeName(pfad).constData(), 0644) == 0);
        const int leser = ::open(QFile::encodeName(pfad).constData(), O_RDONLY | O_NONBLOCK);
        QVERIFY(leser >= 0);
        schreibeDatei(pfad, "durch die Pipe", DateiSchreiber::Sonderdateien::AnOrtBeschreiben);
        char puffer[64] = {};
        const ssize_t n = ::read(leser, puffer, sizeof puffer);
        ::close(leser);
        QCOMPARE(QByteArray(puffer, int(n)), QByteArray("durch die Pipe"));
        QVERIFY(S_ISFIFO(status(pfad).st_mode));
    }
};

QTEST_GUILESS_MAIN(TestDateiSchreiber)
#include "test_dateischreiber.moc"
