#pragma once

#include "data/wrong_list_rows.h"

#include <QString>
#include <QStringList>

// "A", "B", "C", "D" for the stored codes 1, 2, 3, 0; "未选" for 5; empty for anything else.
QString AnswerCodeToLetter(AnswerCode code);

// Each entry is added to the list as a line of its own, so it ends up followed by one more
// line break than it carries.
QString wrongListHeader(int wrongCount);
QStringList wrongQuestionEntries(const WrongQuestion& question);
