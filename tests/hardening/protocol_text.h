#pragma once

// The text of a saved protocol as a reader finds it: one string per paragraph, in document
// order, cells included.
#include "protocol/docx_reader.h"

#include <QFile>
#include <QString>
#include <QStringList>

inline QStringList ProtocolParagraphs(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + path.toStdString());
    const QByteArray bytes = file.readAll();
    const pugi::xml_document xml = protocol::testing::ParsePart(
        std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())),
        "word/document.xml");
    QStringList paragraphs;
    for (const pugi::xpath_node& p : xml.select_nodes("//w:p")) {
        QString text;
        for (const pugi::xpath_node& piece : p.node().select_nodes(".//w:t | .//w:tab")) {
            if (std::string_view(piece.node().name()) == "w:tab")
                text += u'\t';
            else
                text += QString::fromUtf8(piece.node().text().get());
        }
        paragraphs << text;
    }
    return paragraphs;
}
