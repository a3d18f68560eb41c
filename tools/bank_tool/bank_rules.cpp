#include "tools/bank_tool/bank_rules.h"

#include "exam/question_picture.h"

#include <QFileInfo>
#include <QHash>

#include <algorithm>
#include <exception>
#include <map>

namespace {

const char* const kColumnNames[kBankColumnCount] = {
    "ID",   "TP",     "STNR", "DA1",  "DA2", "DA3", "DA4", "ANSWER", "MARK",
    "STLB", "STZLB1", "STLX", "STBH", "JX",  "ZT",  "ZSD", "BS",     "YD"};

// The picture formats the program's question panel can read; it chooses by file suffix.
const char* const kPictureSuffixes[] = {"jpg", "jpeg", "bmp", "png", "gif", "ico"};

bool hasControlCharacter(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar character) {
        const char16_t code = character.unicode();
        return code < 0x20 && code != u'\t' && code != u'\r' && code != u'\n';
    });
}

// Marks that reorder what follows them on screen (right-to-left override and its kin): a stem
// could show one text and hold another.
char16_t bidiControlIn(const QString& text) {
    for (const QChar character : text) {
        const char16_t code = character.unicode();
        if ((code >= 0x202A && code <= 0x202E) || (code >= 0x2066 && code <= 0x2069) ||
            code == 0x200E || code == 0x200F || code == 0x061C)
            return code;
    }
    return 0;
}

// Read from the header alone: a picture that claims 30000 × 30000 pixels is refused without
// decoding gigabytes.
QString pictureFileProblem(const QString& tp, const QString& programDir) {
    const QString file = programDir + tp;
    try {
        questionPicturePath(QDir(programDir), tp);
    } catch (const std::exception&) {
        return QStringLiteral("picture path '%1' leads out of the program folder through a link")
            .arg(tp);
    }
    const QSize size = pictureHeaderSize(file);
    if (!size.isValid())
        return QStringLiteral("picture file %1 cannot be read as a picture").arg(file);
    if (size.width() > kMaxPictureSide || size.height() > kMaxPictureSide)
        return QStringLiteral("picture file %1 is %2 x %3 pixels, more than the %4 on a side the "
                              "program shows")
            .arg(file)
            .arg(size.width())
            .arg(size.height())
            .arg(kMaxPictureSide);
    return QString();
}

QString pictureProblem(const QString& tp, const QString& programDir) {
    if (!tp.startsWith(QLatin1Char('/')))
        return QStringLiteral("picture path '%1' must start with / (the program appends it to "
                              "its folder)")
            .arg(tp);
    if (tp.contains(QLatin1Char('\\')))
        return QStringLiteral("picture path '%1' must separate folders with /").arg(tp);
    if (tp.split(QLatin1Char('/')).contains(QLatin1String("..")))
        return QStringLiteral("picture path '%1' leaves the program folder").arg(tp);
    const QString suffix = QFileInfo(tp).suffix().toLower();
    if (std::none_of(std::begin(kPictureSuffixes), std::end(kPictureSuffixes),
                     [&](const char* known) { return suffix == QLatin1String(known); }))
        return QStringLiteral("picture '%1' is not a JPEG, BMP, PNG, GIF or ICO file").arg(tp);
    if (programDir.isEmpty())
        return QString();
    if (!QFileInfo(programDir + tp).isFile())
        return QStringLiteral("picture file %1 does not exist").arg(programDir + tp);
    return pictureFileProblem(tp, programDir);
}

void checkChoicesAndAnswer(const QuestionRow& row, int index, std::vector<RowProblem>& problems) {
    auto add = [&](BankColumn column, const QString& message) {
        problems.push_back({index, column, message});
    };
    if (row.da[0].trimmed().isEmpty())
        add(BankColumn::Da1, QStringLiteral("choice A (DA1) is empty"));
    if (row.da[1].trimmed().isEmpty())
        add(BankColumn::Da2, QStringLiteral("choice B (DA2) is empty"));
    const int choices = choiceCount(row);
    if (choices == 0) {
        add(row.da[2].trimmed().isEmpty() ? BankColumn::Da3 : BankColumn::Da4,
            QStringLiteral("a question has two choices (DA1, DA2) or four (DA1 to DA4)"));
        return;
    }
    const int answerIndex = choiceIndex(row.answer);
    if (answerIndex < 0) {
        add(BankColumn::Answer, QStringLiteral("answer code %1 is not 1 (A), 2 (B), 3 (C) or 0 (D)")
                                    .arg(answerCodeToColumn(row.answer)));
    } else if (answerIndex >= choices) {
        add(BankColumn::Answer, QStringLiteral("answer code %1 (%2) does not fit a question with "
                                               "%3 choices")
                                    .arg(answerCodeToColumn(row.answer))
                                    .arg(letterForAnswerCode(row.answer))
                                    .arg(choices));
    }
    const int type = choices == 2 ? 1 : 2;
    if (row.stlx != type)
        add(BankColumn::Stlx, QStringLiteral("STLX is %1 but a question with %2 choices has "
                                             "type %3")
                                  .arg(row.stlx)
                                  .arg(choices)
                                  .arg(type));
}

} // namespace

QString bankColumnName(BankColumn column) {
    return QLatin1String(kColumnNames[int(column)]);
}

QStringList bankColumnNames() {
    QStringList names;
    for (const char* name : kColumnNames)
        names.append(QLatin1String(name));
    return names;
}

int maxTextLength(BankColumn column) {
    switch (column) {
    case BankColumn::Tp:
        return 260;
    case BankColumn::Stnr:
        return 4000;
    case BankColumn::Da1:
    case BankColumn::Da2:
    case BankColumn::Da3:
    case BankColumn::Da4:
        return 2000;
    case BankColumn::Jx:
        return 8000;
    case BankColumn::Zt:
    case BankColumn::Zsd:
        return 200;
    case BankColumn::Bs:
        return 2000;
    case BankColumn::Yd:
        return 8000;
    default:
        return 0;
    }
}

int choiceCount(const QuestionRow& row) {
    const bool third = !row.da[2].trimmed().isEmpty();
    const bool fourth = !row.da[3].trimmed().isEmpty();
    if (third != fourth)
        return 0;
    return third ? 4 : 2;
}

std::vector<RowProblem> findRowProblems(const std::vector<QuestionRow>& rows,
                                        const QString& programDir) {
    std::vector<RowProblem> problems;
    QHash<QString, int> firstWithText;
    for (int index = 0; index < int(rows.size()); ++index) {
        const QuestionRow& row = rows[std::size_t(index)];
        const std::pair<BankColumn, const QString*> texts[] = {
            {BankColumn::Tp, &row.tp},     {BankColumn::Stnr, &row.stnr},
            {BankColumn::Da1, &row.da[0]}, {BankColumn::Da2, &row.da[1]},
            {BankColumn::Da3, &row.da[2]}, {BankColumn::Da4, &row.da[3]},
            {BankColumn::Jx, &row.jx},     {BankColumn::Zt, &row.zt},
            {BankColumn::Zsd, &row.zsd},   {BankColumn::Bs, &row.bs},
            {BankColumn::Yd, &row.yd}};
        for (const auto& [column, text] : texts) {
            if (hasControlCharacter(*text))
                problems.push_back(
                    {index, column, QStringLiteral("text holds a control character")});
            if (const char16_t bidi = bidiControlIn(*text))
                problems.push_back({index, column,
                                    QStringLiteral("text holds the direction mark U+%1, which "
                                                   "changes the order in which it is shown")
                                        .arg(QString::number(int(bidi), 16)
                                                 .toUpper()
                                                 .rightJustified(4, QLatin1Char('0')))});
            if (text->size() > maxTextLength(column))
                problems.push_back({index, column,
                                    QStringLiteral("%1 holds %2 characters, more than the %3 it "
                                                   "may hold")
                                        .arg(bankColumnName(column))
                                        .arg(text->size())
                                        .arg(maxTextLength(column))});
        }
        const QString key = row.stnr.trimmed();
        if (key.isEmpty()) {
            problems.push_back({index, BankColumn::Stnr, QStringLiteral("question text is empty")});
        } else if (const auto earlier = firstWithText.constFind(key);
                   earlier != firstWithText.constEnd()) {
            problems.push_back({index, BankColumn::Stnr, QStringLiteral("duplicate question text"),
                                earlier.value()});
        } else {
            firstWithText.insert(key, index);
        }
        checkChoicesAndAnswer(row, index, problems);
        if (row.stzlb1 < 1)
            problems.push_back(
                {index, BankColumn::Stzlb1,
                 QStringLiteral("chapter (STZLB1) %1 is not 1 or more").arg(row.stzlb1)});
        if (!row.tp.isEmpty()) {
            const QString picture = pictureProblem(row.tp, programDir);
            if (!picture.isEmpty())
                problems.push_back({index, BankColumn::Tp, picture});
        }
    }
    return problems;
}

QStringList findIdGaps(const std::vector<QuestionRow>& rows) {
    std::map<int, std::vector<qint64>> idsByChapter;
    for (const QuestionRow& row : rows)
        idsByChapter[row.stzlb1].push_back(row.id);
    QStringList problems;
    for (auto& [chapter, ids] : idsByChapter) {
        std::sort(ids.begin(), ids.end());
        const auto gap = std::adjacent_find(
            ids.begin(), ids.end(), [](qint64 left, qint64 right) { return right != left + 1; });
        if (gap != ids.end())
            problems.append(QStringLiteral("chapter %1: ids %2 to %3 hold %4 questions, so some "
                                           "are missing (the first gap follows ID %5)")
                                .arg(chapter)
                                .arg(ids.front())
                                .arg(ids.back())
                                .arg(ids.size())
                                .arg(*gap));
    }
    return problems;
}

QStringList findSysCfgFitProblems(const std::vector<SysCfgRow>& sysCfg,
                                  const std::vector<NamedBank>& banks) {
    QStringList problems;
    for (const SysCfgRow& row : sysCfg) {
        for (const NamedBank& bank : banks) {
            const int size = chapterSize(*bank.rows, row.chapter);
            if (row.count > size)
                problems.append(QStringLiteral("SYS_CFG row %1 draws %2 questions from chapter "
                                               "%3, but bank %4 holds %5 there")
                                    .arg(row.line)
                                    .arg(row.count)
                                    .arg(row.chapter)
                                    .arg(bank.name)
                                    .arg(size));
        }
    }
    return problems;
}

QStringList findSysCfgShapeProblems(const std::vector<SysCfgRow>& sysCfg) {
    QStringList problems;
    std::map<int, int> drawingRowByChapter;
    for (const SysCfgRow& row : sysCfg) {
        if (row.count <= 0)
            continue;
        const auto [earlier, inserted] = drawingRowByChapter.emplace(row.chapter, row.line);
        if (!inserted)
            problems.append(QStringLiteral("SYS_CFG row %1 draws from chapter %2 again (row %3 "
                                           "already does)")
                                .arg(row.line)
                                .arg(row.chapter)
                                .arg(earlier->second));
    }
    if (drawingRowByChapter.empty())
        problems.append(QStringLiteral("SYS_CFG draws no questions, so no paper can be drawn"));
    return problems;
}

std::vector<ChapterSummary> summarizeChapters(const std::vector<QuestionRow>& rows) {
    std::map<int, ChapterSummary> byChapter;
    for (const QuestionRow& row : rows) {
        ChapterSummary& summary = byChapter[row.stzlb1];
        summary.chapter = row.stzlb1;
        ++summary.questions;
        const int choices = choiceCount(row);
        summary.trueFalse += choices == 2 ? 1 : 0;
        summary.fourChoice += choices == 4 ? 1 : 0;
        summary.pictures += row.tp.isEmpty() ? 0 : 1;
    }
    std::vector<ChapterSummary> summaries;
    summaries.reserve(byChapter.size());
    for (const auto& entry : byChapter)
        summaries.push_back(entry.second);
    return summaries;
}
