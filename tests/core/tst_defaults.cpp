// SPDX-License-Identifier: GPL-3.0-or-later
#include "Endpoints.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

#include <functional>

namespace {

QString readSource(const QString &relative)
{
    QFile file(QStringLiteral(VANTOR_SOURCE_DIR "/") + relative);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The "Default" cell of the variable's row in the README's table.
QString readmeDefault(const QString &variable)
{
    const QRegularExpression row(QStringLiteral("^\\| `%1` \\|[^|]*\\| `([^`]*)` \\|$")
                                     .arg(QRegularExpression::escape(variable)),
                                 QRegularExpression::MultilineOption);
    return row.match(readSource(QStringLiteral("README.md"))).captured(1);
}

// What the manual page's ENVIRONMENT entry for the variable gives as its default.
QString manualDefault(const QString &variable)
{
    const QRegularExpression entry(
        QStringLiteral("^\\.B %1\\n[^\\n]*; default: ([^\\n]*)$").arg(variable),
        QRegularExpression::MultilineOption);
    QString text =
        entry.match(readSource(QStringLiteral("packaging/vantor-launcher.6.in"))).captured(1);
    return text.replace(QStringLiteral("\\-"), QStringLiteral("-"));
}

} // namespace

// The addresses a user gets without setting anything are the ones the README
// and the manual page promise. (A build configured with other addresses, say
// -DVANTOR_UPDATE_URL=<mirror>, fails here on purpose: its documents are wrong.)
class TestDefaults : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void builtInAddressesAreTheDocumentedOnes_data();
    void builtInAddressesAreTheDocumentedOnes();
};

using Address = std::function<QString()>;
Q_DECLARE_METATYPE(Address)

void TestDefaults::builtInAddressesAreTheDocumentedOnes_data()
{
    QTest::addColumn<QString>("variable");
    QTest::addColumn<Address>("address");
    QTest::newRow("SteamCMD") << "VANTOR_STEAMCMD_URL" << Address(&Endpoints::steamCmdTarball);
    QTest::newRow("patch") << "VANTOR_PATCH_URL" << Address(&Endpoints::communityPatch);
    QTest::newRow("update") << "VANTOR_UPDATE_URL" << Address(&Endpoints::updateManifest);
    QTest::newRow("store") << "VANTOR_STORE_URL" << Address(&Endpoints::storePage);
}

void TestDefaults::builtInAddressesAreTheDocumentedOnes()
{
    QFETCH(QString, variable);
    QFETCH(Address, address);
    const QByteArray name = variable.toLatin1();
    const QByteArray saved = qgetenv(name.constData());
    qunsetenv(name.constData());
    const QString builtIn = address();
    // And the variable does replace it.
    qputenv(name.constData(), "http://127.0.0.1:9/elsewhere");
    const QString replaced = address();
    if (saved.isNull())
        qunsetenv(name.constData());
    else
        qputenv(name.constData(), saved);

    QVERIFY(builtIn.startsWith(QLatin1String("https://")));
    QCOMPARE(readmeDefault(variable), builtIn);
    QCOMPARE(manualDefault(variable), builtIn);
    QCOMPARE(replaced, QStringLiteral("http://127.0.0.1:9/elsewhere"));
}

QTEST_GUILESS_MAIN(TestDefaults)
#include "tst_defaults.moc"
