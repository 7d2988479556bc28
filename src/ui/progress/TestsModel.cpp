#include "ui/progress/TestsModel.h"

#include "progress/TestFigures.h"

#include <QLocale>

namespace numberlark {

using progress::TestRecord;

TestsModel::TestsModel(QObject* parent) : QAbstractTableModel(parent) {}

void TestsModel::setTests(std::vector<TestRecord> tests)
{
    beginResetModel();
    m_tests = std::move(tests);
    endResetModel();
}

int TestsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_tests.size());
}

int TestsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString TestsModel::cellText(const TestRecord& test, int column)
{
    const QLocale locale;
    switch (column) {
    case Date:
        if (!test.when.isValid()) {
            return test.dateText.isEmpty() ? tr("date unknown") : test.dateText;
        }
        return locale.toString(test.when.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
               test.when.time().toString(QStringLiteral("HH:mm"));
    case Table:
        return progress::tableChoiceText(test.table);
    case Questions: {
        const int answered = progress::questionsAnswered(test);
        return answered == test.questions || test.imported
                   ? QString::number(test.questions)
                   //: Questions answered of the questions set, e.g. "7 of 10".
                   : tr("%1 of %2").arg(answered).arg(test.questions);
    }
    case Seconds:
        return QString::number(test.seconds);
    case SecondsPerQuestion:
        return locale.toString(progress::secondsPerQuestion(test), 'f', 1);
    case WrongAnswers: {
        const std::optional<int> wrong = progress::wrongAnswers(test);
        return wrong ? QString::number(*wrong) : tr("not kept");
    }
    default:
        return {};
    }
}

QVariant TestsModel::sortValue(const TestRecord& test, int column)
{
    switch (column) {
    case Date:
        return test.when;
    case Table:
        return static_cast<int>(test.table.kind) * 100000 + test.table.number;
    case Questions:
        return progress::questionsAnswered(test);
    case Seconds:
        return test.seconds;
    case SecondsPerQuestion:
        return progress::secondsPerQuestion(test);
    case WrongAnswers:
        return progress::wrongAnswers(test).value_or(-1);
    default:
        return {};
    }
}

QVariant TestsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const TestRecord& test = m_tests[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return cellText(test, index.column());
    case SortRole:
        return sortValue(test, index.column());
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(index.column() >= Questions ? Qt::AlignRight | Qt::AlignVCenter
                                                               : Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant TestsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    const QString kTitles[ColumnCount] = {
        tr("Date"),         tr("Table"), tr("Questions"), tr("Seconds"), tr("Seconds per question"),
        tr("Wrong answers")};
    return section >= 0 && section < ColumnCount ? kTitles[section] : QVariant();
}

} // namespace numberlark
