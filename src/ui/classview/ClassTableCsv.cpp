#include "ui/classview/ClassTableCsv.h"

#include "ui/progress/FactGradeStyle.h"
#include "ui/progress/ProgressTexts.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>

namespace numberlark {

QString spreadsheetSafe(const QString& text)
{
    static const QString kFormulaStarts = QStringLiteral("=+-@\t\r");
    if (!text.isEmpty() && kFormulaStarts.contains(text.front())) {
        return QLatin1Char('\'') + text;
    }
    return text;
}

namespace {

// What spreadsheets hold in one cell; a longer name is cut with an ellipsis
// that shows it was cut, never between the halves of a surrogate pair.
constexpr qsizetype kMostInACell = 32767;

QString fitInACell(QString text)
{
    if (text.size() <= kMostInACell) {
        return text;
    }
    qsizetype keep = kMostInACell - 1;
    if (text.at(keep - 1).isHighSurrogate()) {
        --keep;
    }
    text.truncate(keep);
    return text + QChar(0x2026);
}

} // namespace

QByteArray csvDocument(const std::vector<QStringList>& rows)
{
    QByteArray bytes("\xEF\xBB\xBF");
    for (const QStringList& row : rows) {
        QStringList fields;
        fields.reserve(row.size());
        for (const QString& field : row) {
            QString quoted = fitInACell(spreadsheetSafe(field));
            quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
            fields << QLatin1Char('"') + quoted + QLatin1Char('"');
        }
        bytes += fields.join(QLatin1Char(',')).toUtf8() + "\r\n";
    }
    return bytes;
}

std::vector<QStringList> classTableRows(const ClassOverview& overview)
{
    QStringList heading{QCoreApplication::translate("ClassTableCsv", "Child"),
                        QCoreApplication::translate("ClassTableCsv", "Tests"),
                        QCoreApplication::translate("ClassTableCsv", "Facts known")};
    for (int first = 1; first <= kMapSide; ++first) {
        for (int second = 1; second <= kMapSide; ++second) {
            heading << QStringLiteral("%1 × %2").arg(first).arg(second);
        }
    }
    std::vector<QStringList> rows{heading};
    const std::vector<ChildFactRow> facts = factRows(overview);
    for (std::size_t i = 0; i < overview.children.size(); ++i) {
        const classroom::ChildSummary& child = overview.children[i];
        QStringList row{shownChildName(child.child), QString::number(child.tests),
                        QString::number(child.knownFacts)};
        for (const classroom::ChildFactCounts* counts : facts[i]) {
            row << gradeName(counts ? gradeOf(*counts) : practice::Fluency::NotAskedYet);
        }
        rows.push_back(row);
    }
    return rows;
}

Outcome writeWholeFile(const QString& path, const QByteArray& bytes, const QString& cannotSave)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        const QString reason = file.errorString();
        return Outcome::failure(cannotSave.arg(QDir::toNativeSeparators(path), reason), path,
                                reason);
    }
    return Outcome::success();
}

} // namespace numberlark
