// SPDX-License-Identifier: GPL-3.0-or-later
#include "TranslationFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QXmlStreamReader>

namespace TranslationFiles {

QList<TranslationFile> all()
{
    QList<TranslationFile> files;
    const QDir dir(QStringLiteral(VANTOR_TRANSLATIONS_DIR));
    for (const QFileInfo &info :
         dir.entryInfoList({QStringLiteral("vantor-launcher_*.ts")}, QDir::Files, QDir::Name))
        files.append(read(info.filePath()));
    return files;
}

TranslationFile read(const QString &path)
{
    TranslationFile file;
    file.path = path;
    file.language = QFileInfo(path).completeBaseName().section(QLatin1Char('_'), 1);
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly)) {
        file.error = in.errorString();
        return file;
    }
    QXmlStreamReader xml(&in);
    QString context;
    TranslationMessage message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const QStringView name = xml.name();
        if (name == u"name") {
            context = xml.readElementText();
        } else if (name == u"message") {
            message = TranslationMessage{};
            message.context = context;
            message.numerus = xml.attributes().value(QStringLiteral("numerus")) == u"yes";
        } else if (name == u"source") {
            message.source = xml.readElementText();
        } else if (name == u"comment") {
            message.comment = xml.readElementText();
        } else if (name == u"translation") {
            message.type = xml.attributes().value(QStringLiteral("type")).toString();
            // A plural message's forms follow as numerusform elements.
            if (!message.numerus)
                message.translations.append(xml.readElementText());
            file.messages.append(message);
        } else if (name == u"numerusform") {
            file.messages.last().translations.append(xml.readElementText());
        }
    }
    if (xml.hasError())
        file.error = xml.errorString();
    return file;
}

} // namespace TranslationFiles
