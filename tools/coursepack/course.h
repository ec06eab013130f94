#pragma once

#include "marking/marking.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The course as read from its sources: what the descriptor, the tables and the question
// documents are made from. Loading checks everything; nothing is written while a fault remains.
namespace coursepack {

// One fault in a source file, shown as "file:line: message".
struct Fault
{
    QString file;
    int line = 0;
    QString message;
    QString text() const;
};

struct Blank
{
    QString type; // answer type code
    QString key;  // the expected answer exactly as stored in the answer key
    int mark = 1;
    int line = 0;
    // The author's marking flags; they go into the answer flags table, never into the key. A
    // group head written with sets ("light|sunlight;water") lists every form in its key.
    marking::BlankFlags flags;
};

struct Picture
{
    QString name; // as referenced by the question (relative to the question source)
    QString url;  // where the page finds it inside the document
    QString mimeType;
    QByteArray bytes;
};

struct Question
{
    int id = 0;
    QString source; // path relative to the course folder, for messages
    QString body;   // the HTML fragment with every blank replaced by its labelled gap
    QList<Blank> blanks;
    QList<Picture> pictures;
};

struct Paper
{
    int number = 0; // 101..
    QString source;
    QList<Question> questions;
    int blankCount() const;
    int totalMarks() const;
};

struct Topic
{
    QString name;
    QList<Paper> papers;
};

struct Subject
{
    QString name; // empty: the subject does not exist
    QString folder;
    int firstId = 0;
    QList<Topic> topics;
    bool exists() const { return !name.isEmpty(); }
    int paperCount() const;
    QList<const Paper *> papers() const;
    QList<const Question *> questions() const; // ascending id
};

struct Course
{
    QString name;
    QString code;
    QList<Subject> subjects; // in subject order, at most three
};

struct LoadResult
{
    Course course;
    QList<Fault> faults;
    QStringList warnings;
    bool ok() const { return faults.isEmpty(); }
};

// Reads and checks the course in `sourceDir` (the folder holding course.json).
LoadResult loadCourse(const QString &sourceDir);

// Limits of the formats the program reads.
inline constexpr int kMaxSubjects = 3;
inline constexpr int kMaxTopics = 10;
inline constexpr int kPapersPerTopic = 5;
inline constexpr int kMaxBlanksPerQuestion = 20;
inline constexpr int kMaxBlanksPerPaper = 80;
inline constexpr int kMaxGroupBlanks = 20;
inline constexpr int kFirstQuestionId = 10000;
inline constexpr int kFirstTableItem = 30000;

} // namespace coursepack
