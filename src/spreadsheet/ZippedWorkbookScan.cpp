#include "spreadsheet/ZippedWorkbookScan.h"

#include "storage/ZipArchive.h"

#include "spreadsheet/WorkbookLimits.h"
#include "spreadsheet/WorkbookReader.h"

#include <QDir>
#include <QFile>
#include <QXmlStreamReader>
#include <algorithm>
#include <functional>
#include <memory>

namespace velkor {

namespace {

using Sink = std::function<void(const char*, qint64)>;

// The part of an element or attribute name after its prefix. Names are matched without
// their namespaces: a file that binds the prefixes oddly is counted rather than let through.
QStringView localName(QStringView qualified) {
    const qsizetype colon = qualified.lastIndexOf(QLatin1Char(':'));
    return colon < 0 ? qualified : qualified.mid(colon + 1);
}

QStringView attribute(const QXmlStreamReader& xml, QLatin1StringView local) {
    for (const QXmlStreamAttribute& a : xml.attributes())
        if (localName(a.qualifiedName()) == local)
            return a.value();
    return {};
}

// A repeat or span count: at least 1, and never so large that adding two of them overflows.
qint64 countOf(QStringView text) {
    bool ok = false;
    const qint64 n = text.toLongLong(&ok);
    return ok ? std::clamp<qint64>(n, 1, qint64(1) << 40) : 1;
}

// The workbook's zip archive, read with the limits of an import: a damaged archive or entry
// is a damaged workbook.
class Archive {
public:
    explicit Archive(const QString& path) : m_path(path), m_zip(open(path)) {}

    int count() const { return m_zip->entryCount(); }
    QString name(int index) const { return m_zip->entryName(index); }
    int find(const QString& name) const { return m_zip->find(name); }

    // The sizes the directory declares, added up before anything is inflated.
    void checkDeclaredSizes() const {
        qint64 total = 0;
        for (int i = 0; i < count(); ++i) {
            const qint64 size = m_zip->entrySize(i);
            if (size < 0)
                continue;
            if (size > kMaxWorkbookBytes - total)
                throw WorkbookError(tooLargeMessage(m_path));
            total += size;
        }
    }

    // Inflates an entry in pieces, counting what really comes out against the limit for
    // the whole workbook.
    void inflate(int index, const Sink& sink) {
        const qint64 declared = m_zip->entrySize(index);
        qint64 entryBytes = 0;
        try {
            m_zip->readInPieces(index, [&](const char* buffer, qint64 n) {
                entryBytes += n;
                m_inflated += n;
                // The parser sizes its buffers by the declared size: an entry that turns out
                // larger is no workbook the program reads, and is not inflated to its end.
                if (declared >= 0 && entryBytes > declared)
                    throw WorkbookError(damagedWorkbookMessage(m_path));
                if (m_inflated > kMaxWorkbookBytes)
                    throw WorkbookError(tooLargeMessage(m_path));
                sink(buffer, n);
            });
        } catch (const ZipError&) {
            throw WorkbookError(damagedWorkbookMessage(m_path));
        }
        if (declared >= 0 && entryBytes != declared)
            throw WorkbookError(damagedWorkbookMessage(m_path));
    }

    const QString& path() const { return m_path; }

private:
    static std::unique_ptr<ZipArchive> open(const QString& path) {
        try {
            return std::make_unique<ZipArchive>(path, ZipArchive::Mode::Read);
        } catch (const ZipError&) {
            throw WorkbookError(damagedWorkbookMessage(path));
        }
    }

    QString m_path;
    std::unique_ptr<ZipArchive> m_zip;
    qint64 m_inflated = 0;
};

// What the scan lets through of an entry's XML bytes: the parser of the scan holds a token
// whole until it ends, so a text of a hundred megabytes of spaces would take several times
// that. A text run, or a quoted attribute value, is cut after kMaxRun bytes (a cell holds
// at most 32.767 characters, so no text the import reads is that long); the cut falls
// after a whole character and outside an entity, so the XML stays well formed. A tag
// longer than kMaxTag (counting what is cut) is no office file's.
class RunCutter {
public:
    static constexpr qint64 kMaxRun = 128 * 1024;
    static constexpr qint64 kMaxTag = 1024 * 1024;

    // The bytes to parse of the next piece; false when a tag is too long.
    bool cut(const char* data, qint64 n, QByteArray& out) {
        out.clear();
        out.reserve(static_cast<qsizetype>(std::min<qint64>(n, 65536)));
        for (qint64 i = 0; i < n; ++i) {
            const char c = data[i];
            if (m_inTag) {
                if (++m_tagLength > kMaxTag)
                    return false;
                if (m_quote) {
                    if (c == m_quote) {
                        m_quote = 0;
                        endRun();
                    } else if (!keep(c)) {
                        continue;
                    }
                } else if (c == '"' || c == '\'') {
                    m_quote = c;
                    endRun();
                } else if (c == '>') {
                    m_inTag = false;
                    endRun();
                }
            } else if (c == '<') {
                m_inTag = true;
                m_tagLength = 0;
                endRun();
            } else if (!keep(c)) {
                continue;
            }
            out.append(c);
        }
        return true;
    }

private:
    void endRun() {
        m_run = 0;
        m_entity = false;
        m_dropping = false;
    }

    // Whether a byte of a text run or a quoted value is kept.
    bool keep(char c) {
        if (m_dropping)
            return false;
        const bool continuation = (static_cast<uchar>(c) & 0xC0) == 0x80;
        if (++m_run > kMaxRun && !continuation && !m_entity) {
            m_dropping = true;
            return false;
        }
        if (c == '&')
            m_entity = true;
        else if (c == ';')
            m_entity = false;
        return true;
    }

    bool m_inTag = false;
    char m_quote = 0;
    qint64 m_tagLength = 0;
    qint64 m_run = 0;
    bool m_entity = false;
    bool m_dropping = false;
};

// Hands every token of an entry's XML to the handler as the pieces arrive. Entries that
// are no XML (pictures) are only counted; XML that is not well formed refuses the file,
// since what this scan cannot read it cannot vouch for.
void scanXml(Archive& archive, int index, const std::function<void(const QXmlStreamReader&)>& token) {
    QXmlStreamReader xml;
    xml.setNamespaceProcessing(false);
    bool decided = false;
    bool isXml = false;
    bool ended = false;
    QByteArray head;
    RunCutter cutter;
    QByteArray piece;
    auto drain = [&] {
        while (!ended) {
            const QXmlStreamReader::TokenType type = xml.readNext();
            if (type == QXmlStreamReader::Invalid) {
                if (xml.error() == QXmlStreamReader::PrematureEndOfDocumentError)
                    return;
                throw WorkbookError(damagedWorkbookMessage(archive.path()));
            }
            if (type == QXmlStreamReader::EndDocument)
                ended = true;
            else
                token(xml);
        }
    };
    archive.inflate(index, [&](const char* raw, qint64 rawSize) {
        if (!cutter.cut(raw, rawSize, piece))
            throw WorkbookError(damagedWorkbookMessage(archive.path()));
        const char* data = piece.constData();
        const qint64 n = piece.size();
        if (!decided) {
            head.append(data, static_cast<qsizetype>(n));
            QByteArrayView start(head);
            if (start.startsWith("\xEF\xBB\xBF"))
                start = start.sliced(3);
            const qsizetype first =
                std::find_if(start.begin(), start.end(), [](char c) { return !QChar::isSpace(uchar(c)); }) -
                start.begin();
            if (first == start.size() && head.size() < 4096)
                return;
            decided = true;
            isXml = (first < start.size() && start.at(first) == '<') || head.startsWith("\xFF\xFE") ||
                    head.startsWith("\xFE\xFF");
            if (isXml)
                xml.addData(head);
            head.clear();
        } else if (isXml) {
            xml.addData(QByteArray(data, static_cast<qsizetype>(n)));
        }
        if (isXml)
            drain();
    });
    if (!decided && !head.isEmpty())
        return; // only white space
    if (isXml && !ended)
        throw WorkbookError(damagedWorkbookMessage(archive.path()));
}

// The used range of a sheet as the cells with something in them reach, refused as soon as
// it passes the limit.
class UsedRange {
public:
    void reset() { m_rows = m_columns = 0; }
    void use(qint64 row, qint64 column) {
        m_rows = std::max(m_rows, row);
        m_columns = std::max(m_columns, column);
        if (!withinCellLimit(m_rows, m_columns))
            throw SheetLimitExceeded(SheetLimitExceeded::Limit::Cells);
    }

private:
    qint64 m_rows = 0;
    qint64 m_columns = 0;
};

// A cell address of an xlsx sheet, or nothing when the text is none. Addresses beyond a
// sheet's edge are kept as they stand, so that they count against the limit.
bool readAddress(QStringView text, qint64& row, qint64& column) {
    qsizetype i = 0;
    qint64 c = 0;
    while (i < text.size() && text.at(i).isLetter() && text.at(i).unicode() < 128 && c < (qint64(1) << 40))
        c = c * 26 + (text.at(i++).toUpper().unicode() - 'A' + 1);
    qint64 r = 0;
    const qsizetype digits = i;
    while (i < text.size() && text.at(i).isDigit() && r < (qint64(1) << 40))
        r = r * 10 + (text.at(i++).unicode() - '0');
    if (c == 0 || i == digits || i != text.size())
        return false;
    row = r;
    column = c;
    return true;
}

// The cells of an xlsx worksheet: rows and cells by their addresses or, without one, after
// the one before; a cell counts when it holds a value, a formula or an inline string, an
// array formula with the whole range its result fills. The first sheet's inline strings
// are kept, since the parser leaves them out.
class XlsxCells {
public:
    XlsxCells(bool keepInline, std::vector<InlineCell>& inlineStrings)
        : m_keepInline(keepInline), m_inline(inlineStrings) {}

    void token(const QXmlStreamReader& xml) {
        if (xml.isStartElement())
            start(xml, localName(xml.qualifiedName()));
        else if (xml.isCharacters() && m_inText)
            m_text += xml.text();
        else if (xml.isEndElement())
            end(localName(xml.qualifiedName()));
    }

private:
    void start(const QXmlStreamReader& xml, QStringView name) {
        if (name == u"row") {
            bool ok = false;
            const qint64 r = attribute(xml, QLatin1StringView("r")).toLongLong(&ok);
            m_row = ok && r > 0 ? r : m_row + 1;
            m_column = 0;
        } else if (name == u"c") {
            qint64 row = 0;
            qint64 column = 0;
            if (readAddress(attribute(xml, QLatin1StringView("r")), row, column)) {
                m_row = row;
                m_column = column;
            } else {
                m_row = std::max<qint64>(m_row, 1);
                ++m_column;
            }
            m_inCell = true;
            m_used = false;
            m_inInline = false;
            m_text.clear();
        } else if (m_inCell && (name == u"v" || name == u"f")) {
            m_used = true;
            qint64 row = 0;
            qint64 column = 0;
            const QStringView ref = attribute(xml, QLatin1StringView("ref"));
            const qsizetype colon = ref.indexOf(QLatin1Char(':'));
            if (name == u"f" && colon > 0 && readAddress(ref.mid(colon + 1), row, column))
                m_range.use(row, column);
        } else if (m_inCell && name == u"is") {
            m_used = true;
            m_inInline = true;
        } else if (m_inInline && name == u"rPh") {
            m_inPhonetic = true;
        } else if (m_inInline && !m_inPhonetic && name == u"t") {
            m_inText = true;
        }
    }

    void end(QStringView name) {
        if (name == u"t") {
            m_inText = false;
        } else if (name == u"rPh") {
            m_inPhonetic = false;
        } else if (name == u"c" && m_inCell) {
            m_inCell = false;
            if (!m_used)
                return;
            m_range.use(m_row, m_column);
            if (m_inInline && m_keepInline) {
                // The texts kept are held as the grid holds them, within the same limit.
                m_inlineBytes += m_text.size() * qint64(sizeof(QChar));
                if (m_inlineBytes > kMaxWorkbookBytes)
                    throw SheetLimitExceeded(SheetLimitExceeded::Limit::Bytes);
                m_inline.push_back({static_cast<int>(m_row), static_cast<int>(m_column), m_text});
            }
            m_text.clear();
        }
    }

    bool m_keepInline;
    std::vector<InlineCell>& m_inline;
    UsedRange m_range;
    qint64 m_row = 0;
    qint64 m_column = 0;
    bool m_inCell = false;
    bool m_used = false;
    bool m_inInline = false;
    bool m_inPhonetic = false;
    bool m_inText = false;
    QString m_text;
    qint64 m_inlineBytes = 0;
};

// The cells of the tables of an OpenDocument spreadsheet: rows and cells repeated by
// their counts, a cell counting when it has a value, a formula or any content, a matrix
// formula with the rows and columns it spans.
class OdsCells {
public:
    void token(const QXmlStreamReader& xml) {
        if (xml.isStartElement())
            start(xml, localName(xml.qualifiedName()));
        else if (xml.isEndElement())
            end(localName(xml.qualifiedName()));
    }

private:
    static bool isCell(QStringView name) { return name == u"table-cell" || name == u"covered-table-cell"; }

    void start(const QXmlStreamReader& xml, QStringView name) {
        if (name == u"table") {
            m_range.reset();
            m_row = 0;
        } else if (name == u"table-row") {
            m_rowsRepeated = countOf(attribute(xml, QLatin1StringView("number-rows-repeated")));
            m_column = 0;
        } else if (isCell(name)) {
            m_inCell = true;
            m_columnsRepeated = countOf(attribute(xml, QLatin1StringView("number-columns-repeated")));
            m_matrixRows = countOf(attribute(xml, QLatin1StringView("number-matrix-rows-spanned")));
            m_matrixColumns = countOf(attribute(xml, QLatin1StringView("number-matrix-columns-spanned")));
            m_used = false;
            for (const QXmlStreamAttribute& a : xml.attributes()) {
                const QStringView local = localName(a.qualifiedName());
                if (local == u"value-type" || local == u"formula" || local.endsWith(u"value"))
                    m_used = true;
            }
        } else if (m_inCell) {
            m_used = true;
        }
    }

    void end(QStringView name) {
        if (isCell(name) && m_inCell) {
            m_inCell = false;
            if (m_used)
                m_range.use(m_row + m_rowsRepeated - 1 + m_matrixRows,
                            m_column + m_columnsRepeated - 1 + m_matrixColumns);
            m_column += m_columnsRepeated;
        } else if (name == u"table-row") {
            m_row += m_rowsRepeated;
            m_rowsRepeated = 1;
        }
    }

    UsedRange m_range;
    qint64 m_row = 0;
    qint64 m_column = 0;
    qint64 m_rowsRepeated = 1;
    qint64 m_columnsRepeated = 1;
    qint64 m_matrixRows = 1;
    qint64 m_matrixColumns = 1;
    bool m_inCell = false;
    bool m_used = false;
};

// The target of the first relationship in a .rels entry that the predicate accepts,
// resolved against the folder of the part the relationships belong to.
QString relationshipTarget(Archive& archive, const QString& partPath,
                           const std::function<bool(const QXmlStreamReader&)>& wanted) {
    const qsizetype slash = partPath.lastIndexOf(QLatin1Char('/'));
    const QString folder = partPath.left(slash + 1);
    const int index =
        archive.find(folder + QStringLiteral("_rels/") + partPath.mid(slash + 1) + QStringLiteral(".rels"));
    if (index < 0)
        return {};
    QString target;
    scanXml(archive, index, [&](const QXmlStreamReader& xml) {
        if (target.isEmpty() && xml.isStartElement() && localName(xml.qualifiedName()) == u"Relationship" &&
            wanted(xml))
            target = attribute(xml, QLatin1StringView("Target")).toString();
    });
    if (target.isEmpty())
        return {};
    return target.startsWith(QLatin1Char('/')) ? QDir::cleanPath(target.mid(1))
                                               : QDir::cleanPath(folder + target);
}

// The entry of an xlsx workbook's first sheet, or empty text when there is none.
QString firstXlsxSheet(Archive& archive) {
    const QString workbook = relationshipTarget(archive, QString(), [](const QXmlStreamReader& xml) {
        return attribute(xml, QLatin1StringView("Type")).endsWith(u"/officeDocument");
    });
    const int index = workbook.isEmpty() ? -1 : archive.find(workbook);
    if (index < 0)
        return {};
    QString id;
    scanXml(archive, index, [&](const QXmlStreamReader& xml) {
        if (!id.isEmpty() || !xml.isStartElement() || localName(xml.qualifiedName()) != u"sheet")
            return;
        for (const QXmlStreamAttribute& a : xml.attributes())
            if (a.qualifiedName().contains(QLatin1Char(':')) && localName(a.qualifiedName()) == u"id")
                id = a.value().toString();
    });
    if (id.isEmpty())
        return {};
    return relationshipTarget(archive, workbook, [&](const QXmlStreamReader& xml) {
        return attribute(xml, QLatin1StringView("Id")) == id;
    });
}

} // namespace

ZippedWorkbookFacts scanZippedWorkbook(const QString& path) {
    Archive archive(path);
    archive.checkDeclaredSizes();
    ZippedWorkbookFacts facts;
    try {
        const QString firstSheet = firstXlsxSheet(archive);
        for (int i = 0; i < archive.count(); ++i) {
            XlsxCells xlsx(!firstSheet.isEmpty() && archive.name(i) == firstSheet, facts.inlineStrings);
            OdsCells ods;
            scanXml(archive, i, [&](const QXmlStreamReader& xml) {
                xlsx.token(xml);
                ods.token(xml);
            });
        }
    } catch (const SheetLimitExceeded& exceeded) {
        throw WorkbookError(exceeded.message(path));
    }
    return facts;
}

} // namespace velkor
