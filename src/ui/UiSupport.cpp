// SPDX-License-Identifier: GPL-3.0-or-later
#include "UiSupport.h"

#include "AccessibleProgressBar.h"
#include "IconProvider.h"
#include "LinkOpener.h"
#include "RoundedPictureProvider.h"
#include "steam/RunLog.h"

#include <QColor>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImageReader>
#include <QQmlEngine>
#include <QQuickWindow>
#include <QSysInfo>

namespace {
QStringList &searchPath()
{
    static QStringList folders = UiSupport::defaultPictureSearchPath();
    return folders;
}
} // namespace

UiSupport::UiSupport(QQmlEngine *engine, QObject *parent) : QObject(parent)
{
    AccessibleProgressBar::install();
    if (engine && !engine->imageProvider(QLatin1String(IconProvider::providerId)))
        engine->addImageProvider(QLatin1String(IconProvider::providerId), new IconProvider);
    if (engine && !engine->imageProvider(QLatin1String(RoundedPictureProvider::providerId)))
        engine->addImageProvider(QLatin1String(RoundedPictureProvider::providerId),
                                 new RoundedPictureProvider);
}

UiSupport *UiSupport::create(QQmlEngine *qmlEngine, QJSEngine *)
{
    return new UiSupport(qmlEngine);
}

QString UiSupport::sansFamily()
{
    return QGuiApplication::font().family();
}

QString UiSupport::monoFamily()
{
    return QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
}

QString UiSupport::version()
{
    const QString v = QCoreApplication::applicationVersion();
    return v.isEmpty() ? QStringLiteral("1.0") : v;
}

QString UiSupport::websiteURL()
{
    return QStringLiteral("https://vantor-online.org");
}

QString UiSupport::telegramURL()
{
    return QStringLiteral("https://t.me/vantoronline");
}

QString UiSupport::githubURL()
{
    return QStringLiteral("https://github.com/vantor-online/vantor-engine");
}

bool UiSupport::effectsEnabled()
{
    return QQuickWindow::graphicsApi() != QSGRendererInterface::Software;
}

QString UiSupport::systemName()
{
#if defined(Q_OS_MACOS)
    return QStringLiteral("macOS");
#elif defined(Q_OS_LINUX)
    return QStringLiteral("Linux");
#elif defined(Q_OS_FREEBSD)
    return QStringLiteral("FreeBSD");
#elif defined(Q_OS_WIN)
    return QStringLiteral("Windows");
#else
    return QSysInfo::kernelType();
#endif
}

QString UiSupport::portSubtitle()
{
#if defined(Q_OS_MACOS)
    return tr("COMMUNITY MAC PORT");
#else
    //: %1 is the operating system's name in capitals (LINUX).
    return tr("COMMUNITY %1 PORT").arg(systemName().toUpper());
#endif
}

QString UiSupport::nativePortTitle()
{
    //: %1 is the operating system's name (Linux).
    return tr("%1 Native Port").arg(systemName());
}

QString UiSupport::machineLine()
{
#if defined(Q_OS_MACOS)
    return tr("Metal Renderer \u2022 Apple Silicon");
#else
    // The build knows nothing about the engine's renderer: only what the
    // system says about the machine.
    return QSysInfo::currentCpuArchitecture();
#endif
}

QString UiSupport::logsFolder()
{
    return RunLog::defaultFolder();
}

QStringList UiSupport::defaultPictureSearchPath()
{
    return {QStringLiteral(":/VantorLauncher/images")};
}

QStringList UiSupport::pictureSearchPath()
{
    return searchPath();
}

void UiSupport::setPictureSearchPath(const QStringList &folders)
{
    searchPath() = folders;
}

QUrl UiSupport::picture(const QString &name) const
{
    if (name.isEmpty() || name.contains(QLatin1Char('/')))
        return {};
    for (const QString &folder : searchPath()) {
        const QString path = QDir(folder).filePath(name + QStringLiteral(".png"));
        if (!QFileInfo(path).isFile())
            continue;
        // Present but unreadable counts as missing.
        QImageReader reader(path);
        if (!reader.canRead())
            continue;
        if (path.startsWith(QLatin1String(":/")))
            return QUrl(QStringLiteral("qrc") + path);
        return QUrl::fromLocalFile(path);
    }
    return {};
}

QUrl UiSupport::iconSource(const QString &name, const QColor &color) const
{
    const QColor c = color.isValid() ? color : QColor(Qt::white);
    // HexArgb keeps the opacity; drop the leading '#', which would start a fragment.
    const QString hex = c.name(QColor::HexArgb).mid(1);
    return QUrl(
        QStringLiteral("image://%1/%2/%3").arg(QLatin1String(IconProvider::providerId), name, hex));
}

QUrl UiSupport::roundedPicture(const QUrl &url, qreal radiusFraction) const
{
    return QUrl(QStringLiteral("image://%1/%2/%3")
                    .arg(QLatin1String(RoundedPictureProvider::providerId))
                    .arg(radiusFraction, 0, 'f', 4)
                    .arg(url.toString()));
}

bool UiSupport::openLink(const QString &address) const
{
    return LinkOpener::open(address);
}

QString UiSupport::openFolder(const QString &path) const
{
    if (!LinkOpener::folderUrl(path))
        return tr("%1 does not exist yet.").arg(QDir::toNativeSeparators(path));
    if (!LinkOpener::openFolder(path))
        return tr("No program on this desktop opened %1.").arg(QDir::toNativeSeparators(path));
    return QString();
}

void UiSupport::announceValue(QObject *item) const
{
    AccessibleProgressBar::valueChanged(item);
}
