#pragma once

#include <QString>
#include <QStringList>

// Help for a pupil after marking: why a wrong answer is close. The judgement stays the marking
// engine's; a hint only explains a wrong outcome and never changes it.
namespace marking {

// What the question page prints right beside a blank's gap, as plain text: just before it and
// just after it. Empty when unknown.
struct GapSurroundings
{
    QString before;
    QString after;
};

// A short note, in a pupil's words, for blank i (0-based) when its answer is wrong but close:
// the right value in another form ("Write the fraction in its simplest form"), a full stop, "%",
// unit or currency sign that the rule does not accept, or a word one letter away from a text
// key ("Check your spelling"). With the blank's flags (see marking.h) also: capital letters
// where case counts ("Check your capital letters"), the mark at the end of a sentence where
// punctuation counts, and a second form of one idea in a group. A sentence accepted without its
// final mark is right and still gets a note ("Remember the full stop"). Empty otherwise (a
// right answer, an empty one, one not close). A hint never contains the expected answer, so it
// may be shown before the answers are.
QString AnswerHint(const QStringList &answers, const QStringList &keys, const QStringList &types,
                   int i, const GapSurroundings &beside = {}, const QStringList &flags = {});

} // namespace marking
