#include "support/XlsxReadBack.h"

#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <stdexcept>
#include <vector>
#include <zip.h>

namespace velkor::test {

namespace {

struct Xf {
    int numFmtId = 0;
    int fontId = 0;
};
struct Font {
    bool bold = false;
    double size = 11;
};

QString builtinFormat(int id) {
    switch (id) {
    case 0:
        return {};
    case 14:
        return QStringLiteral("mm-dd-yy");
    default:
        return QStringLiteral("builtin:%1").arg(id);
    }
}

} // namespace

QByteArray XlsxReadBack::part(const QString& name) const {
    int error = 0;
    zip_t* archive = zip_open(QFile::encodeName(m_path).constData(), ZIP_RDONLY, &error);
    if (archive == nullptr) {
        throw std::runtime_error("not a zip archive: " + m_path.toStdString());
    }
    QByteArray data;
    zip_stat_t stat;
    if (zip_stat(archive, name.toUtf8().constData(), 0, &stat) == 0) {
        zip_file_t* file = zip_fopen(archive, name.toUtf8().constData(), 0);
        data.resize(static_cast<qsizetype>(stat.size));
        zip_fread(file, data.data(), stat.size);
        zip_fclose(file);
    }
    zip_close(archive);
    return data;
}

XlsxReadBack::XlsxReadBack(const QString& path) : m_path(path) {
    std::vector<QString> shared;
    {
        QXmlStreamReader xml(part(QStringLiteral("xl/sharedStrings.xml")));
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("si")) {
                QString text;
                while (
                    !(xml.readNext() == QXmlStreamReader::EndElement && xml.name() == QLatin1String("si"))) {
                    if (xml.isStartElement() && xml.name() == QLatin1String("t")) {
                        text += xml.readElementText();
                    }
                }
                shared.push_back(text);
            }
        }
    }
    std::map<int, QString> numFmts;
    std::vector<Font> fonts;
    std::vector<Xf> xfs;
    {
        QXmlStreamReader xml(part(QStringLiteral("xl/styles.xml")));
        bool inCellXfs = false;
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement()) {
                const auto attrs = xml.attributes();
                if (xml.name() == QLatin1String("numFmt")) {
                    numFmts[attrs.value("numFmtId").toInt()] = attrs.value("formatCode").toString();
                } else if (xml.name() == QLatin1String("font")) {
                    fonts.push_back({});
                } else if (xml.name() == QLatin1String("b") && !fonts.empty()) {
                    fonts.back().bold = true;
                } else if (xml.name() == QLatin1String("sz") && !fonts.empty()) {
                    fonts.back().size = attrs.value("val").toDouble();
                } else if (xml.name() == QLatin1String("cellXfs")) {
                    inCellXfs = true;
                } else if (xml.name() == QLatin1String("xf") && inCellXfs) {
                    xfs.push_back({attrs.value("numFmtId").toInt(), attrs.value("fontId").toInt()});
                }
            } else if (xml.isEndElement() && xml.name() == QLatin1String("cellXfs")) {
                inCellXfs = false;
            }
        }
    }
    const QByteArray sheet = part(QStringLiteral("xl/worksheets/sheet1.xml"));
    if (sheet.isEmpty()) {
        throw std::runtime_error("no first sheet in " + path.toStdString());
    }
    QXmlStreamReader xml(sheet);
    static const QRegularExpression rowOf(QStringLiteral("[0-9]+$"));
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) {
            continue;
        }
        const auto attrs = xml.attributes();
        if (xml.name() == QLatin1String("col")) {
            for (int c = attrs.value("min").toInt(); c <= attrs.value("max").toInt(); ++c) {
                m_widths[c] = attrs.value("width").toDouble();
            }
        } else if (xml.name() == QLatin1String("c")) {
            ReadCell cell;
            const QString address = attrs.value("r").toString();
            cell.type = attrs.hasAttribute("t") ? attrs.value("t").toString() : QStringLiteral("n");
            const int style = attrs.value("s").toInt();
            if (style >= 0 && style < static_cast<int>(xfs.size())) {
                const Xf xf = xfs[static_cast<std::size_t>(style)];
                cell.numberFormat =
                    numFmts.count(xf.numFmtId) ? numFmts[xf.numFmtId] : builtinFormat(xf.numFmtId);
                if (xf.fontId >= 0 && xf.fontId < static_cast<int>(fonts.size())) {
                    cell.bold = fonts[static_cast<std::size_t>(xf.fontId)].bold;
                    cell.fontSize = fonts[static_cast<std::size_t>(xf.fontId)].size;
                }
            }
            while (!(xml.readNext() == QXmlStreamReader::EndElement && xml.name() == QLatin1String("c"))) {
                if (xml.isStartElement() && xml.name() == QLatin1String("f")) {
                    cell.formula = xml.readElementText();
                } else if (xml.isStartElement() && xml.name() == QLatin1String("v")) {
                    cell.value = xml.readElementText();
                }
            }
            if (cell.type == QLatin1String("s")) {
                cell.value = shared.at(cell.value.toULongLong());
            }
            m_lastRow = std::max(m_lastRow, rowOf.match(address).captured(0).toInt());
            m_cells[address] = cell;
        }
    }
    if (xml.hasError()) {
        throw std::runtime_error("bad sheet XML: " + xml.errorString().toStdString());
    }
}

ReadCell XlsxReadBack::cell(const QString& address) const {
    const auto found = m_cells.find(address);
    return found == m_cells.end() ? ReadCell{} : found->second;
}

} // namespace velkor::test
