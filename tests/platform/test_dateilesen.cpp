// The viewer reads only regular files, and no more of them than it takes, whatever the
// name stands for; it never waits for a writer.
#include "common/failure.h"
#include "platform/dateilesen.h"
#include "tests/support/fifowaechter.h"
#include "tests/support/germanlocale.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
constexpr qint64 mebibyte = 1024 * 1024;

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}
} // namespace

class TestDateiLesen : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { useGermanLocale(); }

    void readsOnlyRegularFilesWithinTheLimit_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<qint64>("limit");
        QTest::addColumn<int>("number");     // 0: read
        QTest::addColumn<QStringList>("says");  // what the description holds
        QTest::newRow("exactly the limit") << "1048576 bytes" << mebibyte << 0 << QStringList{};
        QTest::newRow("empty file") << "0 bytes" << mebibyte << 0 << QStringList{};
        QTest::newRow("one byte over the limit") << "1048577 bytes" << mebibyte << 7
                                                 << QStringList{"ist 1,0 MB groß.", "Gelesen werden Dateien bis 1,0 MB."};
        QTest::newRow("half again the limit") << "1572864 bytes" << mebibyte << 7 << QStringList{"ist 1,5 MB groß."};
        // The system's own files state 0 bytes and hold more: what is read counts.
        QTest::newRow("more than it states") << "proc" << qint64(16) << 7 << QStringList{"ist mehr als 0,0 MB groß."};
        QTest::newRow("named pipe") << "fifo" << mebibyte << 75
                                    << QStringList{"ist keine gewöhnliche Datei, sondern eine benannte Pipe (FIFO).",
                                                   "Gelesen werden nur gewöhnliche Dateien."};
        QTest::newRow("link to a named pipe") << "link to fifo" << mebibyte << 75 << QStringList{"benannte Pipe (FIFO)"};
        QTest::newRow("directory") << "directory" << mebibyte << 75 << QStringList{"ist ein Verzeichnis, keine Datei."};
        QTest::newRow("socket") << "socket" << mebibyte << 75 << QStringList{"sondern ein Socket"};
        QTest::newRow("device") << "device" << mebibyte << 75 << QStringList{"sondern ein zeichenorientiertes Gerät."};
        QTest::newRow("missing") << "missing" << mebibyte << 53
                                 << QStringList{"Datei nicht gefunden:", "Datei oder Verzeichnis nicht gefunden"};
        QTest::newRow("a file where a folder should be") << "through a file" << mebibyte << 53
                                                         << QStringList{"Ein Teil des Pfades ist kein Verzeichnis"};
    }
    void readsOnlyRegularFilesWithinTheLimit()
    {
        QFETCH(QString, kind);
        QFETCH(qint64, limit);
        QFETCH(int, number);
        QFETCH(QStringList, says);
        QTemporaryDir dir;
        QString name = dir.filePath(QStringLiteral("x.rtf"));
        QByteArray content;
        std::unique_ptr<FifoWaechter> fifo;
        int socketFd = -1;
        const auto closeSocket = qScopeGuard([&] { if (socketFd >= 0) ::close(socketFd); });
        if (kind.endsWith(QLatin1String(" bytes"))) {
            content = QByteArray(kind.section(u' ', 0, 0).toLongLong(), 'x');
            writeFile(name, content);
        } else if (kind == "proc") {
            name = QStringLiteral("/proc/self/status");
            if (!QFile::exists(name) || QFileInfo(name).size() != 0)
                QSKIP("no system file that states 0 bytes");
        } else if (kind == "fifo" || kind == "link to fifo") {
            const QString pipe = dir.filePath(QStringLiteral("Zentavik.txt"));
            fifo = std::make_unique<FifoWaechter>(pipe);
            QVERIFY(fifo->ok());
            if (kind == "fifo")
                name = pipe;
            else
                QVERIFY(QFile::link(pipe, name));
        } else if (kind == "directory") {
            QVERIFY(QDir().mkdir(name));
        } else if (kind == "socket") {
            socketFd = ::socket(AF_UNIX, SOCK_STREAM, 0);
            sockaddr_un address{};
            address.sun_family = AF_UNIX;
            const QByteArray path = QFile::encodeName(name);
            QVERIFY(size_t(path.size()) < sizeof address.sun_path);
            qstrcpy(address.sun_path, path.constData());
            QVERIFY(::bind(socketFd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0);
        } else if (kind == "device") {
            // A node of the null device in the test's own folder; it is only looked at.
            if (::mknod(QFile::encodeName(name).constData(), S_IFCHR | 0600, makedev(1, 3)) != 0)
                QSKIP("device nodes cannot be made here");
        } else if (kind == "through a file") {
            writeFile(dir.filePath(QStringLiteral("datei")), "x");
            name = dir.filePath(QStringLiteral("datei/x.rtf"));
        }

        QElapsedTimer clock;
        clock.start();
        std::optional<Failure> failure;
        QByteArray read;
        try {
            read = dateiLesen(name, limit);
        } catch (const Failure& f) {
            failure = f;
        }
        QVERIFY2(clock.elapsed() < 2000, "the reader waited");
        if (fifo)
            QVERIFY2(!fifo->musste(), "the reader waited for a writer");
        if (number == 0) {
            QVERIFY2(!failure, failure ? qPrintable(failure->description) : "");
            QCOMPARE(read, content);
            return;
        }
        QVERIFY(failure);
        QCOMPARE(failure->number, number);
        QVERIFY2(failure->description.contains(QStringLiteral("\"%1\"").arg(name)), qPrintable(failure->description));
        for (const QString& s : says)
            QVERIFY2(failure->description.contains(s), qPrintable(failure->description));
    }
};

QTEST_GUILESS_MAIN(TestDateiLesen)
#include "test_dateilesen.moc"
