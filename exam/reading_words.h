#pragma once

#include <QString>
#include <QStringList>

// The pinyin voice reads pinyin with tone digits ("hang2") as written, and Han characters by its
// own dictionary, which knows one reading per character and no tone changes. These passes write
// pinyin where that dictionary would be wrong; they leave everything else as it is.

// Latin letters as their Chinese letter names in pinyin: "ABS" → "ei1 bi4 ai2 si1".
QString spellLetters(const QString& text);
// Words whose polyphone the dictionary reads wrongly: 银行 → 银hang2, 重新 → chong2新.
QString spellPolyphones(const QString& text);
// The tone changes of 一 and 不 before the syllable that follows: 一次 → yi2次, 不是 → bu2是.
QString spellToneChanges(const QString& text);

// The words of the polyphone table still written as Han characters in `reading`: the table
// could not reach them there (a pause or a longer word in between), so the voice misreads them.
QStringList unfixedPolyphones(const QString& reading);

// Each 一 or 不 of `text` (already through the passes above) whose following character the
// tone table does not know, as the two characters: the reading of these was not decided.
QStringList undecidedToneChanges(const QString& text);
