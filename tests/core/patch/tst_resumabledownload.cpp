// SPDX-License-Identifier: GPL-3.0-or-later
#include "LoopbackHttpServer.h"
#include "TestFiles.h"
#include "TestHome.h"
#include "patch/ResumableDownload.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>

using Outcome = ResumableDownload::Outcome;
using namespace std::chrono_literals;

// A download that breaks off and is continued by the next one, against a
// loopback server that does ranges, breaks bodies off, changes validators
// and ignores ranges.
class TestResumableDownload : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void resume_data();
    void resume();
    void heldToTheLimit_data();
    void heldToTheLimit();
    void stallKeepsThePart();
    void abortKeepsThePart();
    void errorPageIsABody();
    void linkedPartIsNotWrittenThrough();
    void resumingText();

private:
    // Runs one download to its end; false on time-out.
    bool run(ResumableDownload &download)
    {
        QSignalSpy finished(&download, &ResumableDownload::finished);
        download.start();
        if (!finished.wait(20000))
            return false;
        QTest::qWait(20); // a second finished() would show here
        return finished.size() == 1;
    }
    QString target() const { return m_home->filePath("install/temp_patch.zip"); }

    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<LoopbackHttpServer> m_server;
    QNetworkAccessManager m_network;
    const QString m_path = QStringLiteral("/patch.zip");
};

namespace {
QByteArray noise(qsizetype size, quint32 seed)
{
    QByteArray bytes(size, '\0');
    QRandomGenerator(seed).fillRange(reinterpret_cast<quint32 *>(bytes.data()), size / 4);
    return bytes;
}
} // namespace

void TestResumableDownload::init()
{
    m_home = std::make_unique<TestHome>();
    QVERIFY(QDir().mkpath(m_home->filePath("install")));
    m_server = std::make_unique<LoopbackHttpServer>();
    QVERIFY(m_server->listen());
}

void TestResumableDownload::cleanup()
{
    m_server.reset();
    m_home.reset();
}

void TestResumableDownload::resume_data()
{
    QTest::addColumn<QByteArray>("etag1");
    QTest::addColumn<QByteArray>("modified1");
    QTest::addColumn<qint64>("breakAt");
    QTest::addColumn<QByteArray>("etag2");
    QTest::addColumn<QByteArray>("modified2");
    QTest::addColumn<bool>("ignoreRange2");
    QTest::addColumn<qsizetype>("size2");    // bytes of the second answer's whole body
    QTest::addColumn<bool>("sameFile");      // the second body is the first one
    QTest::addColumn<QByteArray>("ifRange"); // sent on the second request, empty: no range
    QTest::addColumn<bool>("resumed");

    const QByteArray date = "Tue, 01 Dec 2026 10:00:00 GMT";
    QTest::newRow("ETag: resumes")
        << QByteArray("\"v1\"") << QByteArray() << qint64(100000) << QByteArray("\"v1\"")
        << QByteArray() << false << qsizetype(300000) << true << QByteArray("\"v1\"") << true;
    QTest::newRow("Last-Modified only: resumes")
        << QByteArray() << date << qint64(123457) << QByteArray() << date << false
        << qsizetype(300000) << true << date << true;
    QTest::newRow("validator changed: starts over")
        << QByteArray("\"v1\"") << QByteArray() << qint64(100000) << QByteArray("\"v2\"")
        << QByteArray() << false << qsizetype(300000) << false << QByteArray("\"v1\"") << false;
    QTest::newRow("range ignored: 200 starts over")
        << QByteArray("\"v1\"") << QByteArray() << qint64(100000) << QByteArray("\"v1\"")
        << QByteArray() << true << qsizetype(300000) << true << QByteArray("\"v1\"") << false;
    QTest::newRow("part longer than the file: 416 starts over")
        << QByteArray("\"v1\"") << QByteArray() << qint64(250000) << QByteArray("\"v1\"")
        << QByteArray() << false << qsizetype(50000) << false << QByteArray("\"v1\"") << false;
    QTest::newRow("no validator: nothing kept")
        << QByteArray() << QByteArray() << qint64(100000) << QByteArray() << QByteArray() << false
        << qsizetype(300000) << true << QByteArray() << false;
    QTest::newRow("weak ETag: nothing kept")
        << QByteArray("W/\"v1\"") << QByteArray() << qint64(100000) << QByteArray("W/\"v1\"")
        << QByteArray() << false << qsizetype(300000) << true << QByteArray() << false;
}

void TestResumableDownload::resume()
{
    QFETCH(QByteArray, etag1);
    QFETCH(QByteArray, modified1);
    QFETCH(qint64, breakAt);
    QFETCH(QByteArray, etag2);
    QFETCH(QByteArray, modified2);
    QFETCH(bool, ignoreRange2);
    QFETCH(qsizetype, size2);
    QFETCH(bool, sameFile);
    QFETCH(QByteArray, ifRange);
    QFETCH(bool, resumed);
    const QByteArray first = noise(300000, 1);
    const QByteArray second = sameFile ? first : noise(size2, 2);
    const QUrl url(m_server->url(m_path));
    const bool keeps = !ifRange.isEmpty();

    LoopbackHttpServer::Response response;
    response.body = first;
    response.etag = etag1;
    response.lastModified = modified1;
    response.breakAtByte = breakAt;
    m_server->setRoute(m_path, response);
    {
        ResumableDownload broken(&m_network, url, target());
        QVERIFY(run(broken));
        QCOMPARE(broken.outcome(), Outcome::Failed);
        QCOMPARE(broken.bytesTotal(), qint64(first.size()));
        QVERIFY(!QFileInfo::exists(target()));
        // Kept only when it can be continued.
        QCOMPARE(QFileInfo::exists(broken.partialPath()), keeps);
        if (keeps)
            QCOMPARE(readFile(broken.partialPath()), first.left(breakAt));
    }

    response.body = second;
    response.etag = etag2;
    response.lastModified = modified2;
    response.ignoreRange = ignoreRange2;
    response.breakAtByte = -1;
    m_server->setRoute(m_path, response);
    const qint64 sentBefore = m_server->bodyBytesSent(m_path);
    ResumableDownload download(&m_network, url, target());
    QSignalSpy resuming(&download, &ResumableDownload::resuming);
    QList<QPair<qint64, qint64>> progress;
    connect(&download, &ResumableDownload::progress, this, [&progress](qint64 done, qint64 total) {
        progress.append({done, total});
    });
    QVERIFY(run(download));
    QCOMPARE(download.outcome(), Outcome::Succeeded);
    QCOMPARE(readFile(target()), second);
    QVERIFY(!QFileInfo::exists(download.partialPath()));
    QVERIFY(!QFileInfo::exists(download.validatorPath()));
    QCOMPARE(download.bytesDone(), qint64(second.size()));
    QCOMPARE(download.bytesTotal(), qint64(second.size()));

    // What the second request asked for, what it got.
    const QByteArray headers = m_server->lastRequestHeaders(m_path);
    if (!keeps) {
        QVERIFY2(!headers.contains("Range"), headers.constData());
    } else if (size2 > breakAt || sameFile) {
        QVERIFY2(headers.contains("If-Range: " + ifRange), headers.constData());
    }
    const qint64 sent = m_server->bodyBytesSent(m_path) - sentBefore;
    QCOMPARE(resuming.size(), resumed ? 1 : 0);
    if (resumed) {
        QCOMPARE(resuming.at(0).at(0).toLongLong(), breakAt);
        QCOMPARE(resuming.at(0).at(1).toLongLong(), qint64(second.size()));
        QCOMPARE(sent, qint64(second.size()) - breakAt);
        QCOMPARE(download.bytesTransferred(), sent);
        // Progress counts the kept bytes as done from the first report on.
        QCOMPARE(progress.first(), qMakePair(breakAt, qint64(second.size())));
    } else {
        QCOMPARE(sent, qint64(second.size()));
        QCOMPARE(progress.first(), qMakePair(qint64(0), qint64(second.size())));
    }
    QCOMPARE(progress.last(), qMakePair(qint64(second.size()), qint64(second.size())));
    for (qsizetype i = 1; i < progress.size(); ++i)
        QVERIFY(progress[i].first >= progress[i - 1].first);
}

void TestResumableDownload::heldToTheLimit_data()
{
    QTest::addColumn<qint64>("limit"); // bytes per second, 0: none
    QTest::addColumn<int>("minMs");    // for 600 kB: at the limit within 15 %
    QTest::addColumn<int>("maxMs");
    QTest::newRow("no limit") << qint64(0) << 0 << 1000;
    QTest::newRow("200 kB/s") << qint64(200'000) << 2609 << 3529;
}

void TestResumableDownload::heldToTheLimit()
{
    QFETCH(qint64, limit);
    QFETCH(int, minMs);
    QFETCH(int, maxMs);
    LoopbackHttpServer::Response response;
    response.body = noise(600'000, 4);
    m_server->setRoute(m_path, response);
    ResumableDownload download(&m_network, QUrl(m_server->url(m_path)), target());
    download.setRateLimit(limit);
    QElapsedTimer clock;
    clock.start();
    QVERIFY(run(download));
    const qint64 ms = clock.elapsed();
    QCOMPARE(readFile(target()), response.body);
    QVERIFY2(ms >= minMs && ms <= maxMs, qPrintable(QString::number(ms)));
}

void TestResumableDownload::stallKeepsThePart()
{
    LoopbackHttpServer::Response response;
    response.body = noise(100000, 3);
    response.etag = "\"s\"";
    response.stallAfter = 40000;
    m_server->setRoute(m_path, response);
    ResumableDownload download(&m_network, QUrl(m_server->url(m_path)), target());
    download.setTransferTimeout(500ms);
    QVERIFY(run(download));
    QCOMPARE(download.outcome(), Outcome::Failed);
    QCOMPARE(download.errorString(), QStringLiteral("no data received for 0.5 seconds"));
    QCOMPARE(QFileInfo(download.partialPath()).size(), qint64(40000));
}

void TestResumableDownload::abortKeepsThePart()
{
    LoopbackHttpServer::Response response;
    response.body = noise(100000, 4);
    response.etag = "\"a\"";
    response.stallAfter = 30000;
    m_server->setRoute(m_path, response);
    ResumableDownload download(&m_network, QUrl(m_server->url(m_path)), target());
    QSignalSpy finished(&download, &ResumableDownload::finished);
    download.start();
    QTRY_COMPARE_WITH_TIMEOUT(download.bytesDone(), qint64(30000), 10000);
    download.abort();
    download.abort();
    QCOMPARE(finished.size(), 1);
    QCOMPARE(download.outcome(), Outcome::Aborted);
    QCOMPARE(QFileInfo(download.partialPath()).size(), qint64(30000));
    // The next download asks for the rest.
    response.stallAfter = -1;
    m_server->setRoute(m_path, response);
    ResumableDownload next(&m_network, QUrl(m_server->url(m_path)), target());
    QVERIFY(run(next));
    QCOMPARE(next.outcome(), Outcome::Succeeded);
    QCOMPARE(next.bytesTransferred(), qint64(70000));
    QCOMPARE(readFile(target()), response.body);
}

void TestResumableDownload::errorPageIsABody()
{
    // The body is handed on as it came (unzip then says it is no archive);
    // nothing of an error page is kept for a resume.
    ResumableDownload download(&m_network, QUrl(m_server->url("/missing")), target());
    QVERIFY(run(download));
    QCOMPARE(download.outcome(), Outcome::Succeeded);
    QCOMPARE(readFile(target()), QByteArray("<html><body>404 Not Found</body></html>"));
    QVERIFY(!QFileInfo::exists(download.validatorPath()));
}

void TestResumableDownload::resumingText()
{
    QCOMPARE(ResumableDownload::resumingText(12500000, 536870912),
             QStringLiteral("resuming at 12 MB of 536 MB"));
    QCOMPARE(ResumableDownload::resumingText(999999, 1000000),
             QStringLiteral("resuming at 0 MB of 1 MB"));
}

void TestResumableDownload::linkedPartIsNotWrittenThrough()
{
    // A link where the part belongs, with a validator that would have it
    // continued: the file it points at must not grow.
    const QString victim = m_home->filePath("outside/victim.txt");
    QVERIFY(writeFile(victim, "the user's own file\n"));
    QVERIFY(QFile::link(victim, target() + ".part"));
    const QUrl url(m_server->url(m_path));
    QVERIFY(writeFile(target() + ".part.validator", url.toEncoded() + "\n\"v\"\n"));
    LoopbackHttpServer::Response response;
    response.body = noise(64 * 1024, 3);
    response.etag = "\"v\"";
    m_server->setRoute(m_path, response);
    ResumableDownload download(&m_network, url, target());
    QSignalSpy resuming(&download, &ResumableDownload::resuming);
    QVERIFY(run(download));
    QCOMPARE(download.outcome(), Outcome::Succeeded);
    QCOMPARE(resuming.size(), 0);
    QCOMPARE(readFile(victim), QByteArray("the user's own file\n"));
    QCOMPARE(readFile(target()), response.body);
    QVERIFY(!m_server->lastRequestHeaders(m_path).contains("Range"));
}

QTEST_GUILESS_MAIN(TestResumableDownload)
#include "tst_resumabledownload.moc"
