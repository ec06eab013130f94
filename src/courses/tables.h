#pragma once

// Keyed record items read strictly and in memory, for the checks and the layouts; and the
// checks' way of quoting what they found.

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>
#include <utility>

namespace courses {

// Every line a filler ("...", "-----", empty) or a record "#key#" with its fields, every key once.
struct Table
{
    QList<std::pair<QString, QStringList>> records;
    QHash<QString, qsizetype> index;

    const QStringList *fields(const QString &key) const
    {
        const auto it = index.constFind(key);
        return it == index.constEnd() ? nullptr : &records.at(*it).second;
    }
    QString value(const QString &key) const
    {
        const QStringList *f = fields(key);
        return f && f->size() == 1 ? f->first() : QString();
    }
};

bool isFillerLine(QStringView line);

// A text quoted in a problem, cut to what a message line can hold.
inline QString shortened(const QString &text)
{
    return text.size() > 60 ? text.left(57) + QStringLiteral("...") : text;
}

// nullopt, and `problem` naming `what` and the line, when a line is neither.
std::optional<Table> parseTable(const QByteArray &bytes, const QString &what, QString &problem);

} // namespace courses
