// The system's reasons for a failed file operation reach the user in German.
#include "platform/systemfehler.h"
#include "tests/support/germanlocale.h"

#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <cstring>

class TestSystemFehler : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { useGermanLocale(); }

    void knownReasons_data()
    {
        QTest::addColumn<int>("nummer");
        QTest::addColumn<QString>("deutsch");
        QTest::newRow("missing") << ENOENT << "Datei oder Verzeichnis nicht gefunden";
        QTest::newRow("no permission") << EACCES << "Zugriff verweigert (keine Berechtigung)";
        QTest::newRow("a folder") << EISDIR << "Ist ein Verzeichnis";
        QTest::newRow("disk full") << ENOSPC << "Kein Speicherplatz mehr auf dem Datenträger";
        QTest::newRow("read-only") << EROFS << "Das Dateisystem ist nur lesbar";
        QTest::newRow("name too long") << ENAMETOOLONG << "Der Dateiname ist zu lang";
        QTest::newRow("file-size limit") << EFBIG << "Die Datei ist zu groß";
        QTest::newRow("reader gone") << EPIPE << "Der Empfänger hat die Verbindung geschlossen";
    }
    void knownReasons()
    {
        QFETCH(int, nummer);
        QFETCH(QString, deutsch);
        QCOMPARE(systemFehlerText(QString::fromLocal8Bit(std::strerror(nummer))), deutsch);
        QCOMPARE(systemFehlerText(nummer), deutsch);
    }

    void otherTextsStand() { QCOMPARE(systemFehlerText(QStringLiteral("Gerät weg")), QStringLiteral("Gerät weg")); }

    // What a user meets: a report file where a folder of that name stands, a file to open that
    // is gone, a folder that does not exist.
    void fromRealFiles()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Zentavik.txt")));
        QSaveFile report(dir.filePath(QStringLiteral("Zentavik.txt")));
        QVERIFY(!report.open(QIODevice::WriteOnly));
        QCOMPARE(systemFehlerText(report), QStringLiteral("Ist ein Verzeichnis"));

        QFile gone(dir.filePath(QStringLiteral("weg.rtf")));
        QVERIFY(!gone.open(QIODevice::ReadOnly));
        QCOMPARE(systemFehlerText(gone), QStringLiteral("Datei oder Verzeichnis nicht gefunden"));
    }
};

QTEST_GUILESS_MAIN(TestSystemFehler)
#include "test_systemfehler.moc"
