// speak-check: what the read-aloud voice would say for every question, and where it is at risk
// of saying it wrong.
#include "data/question_rows.h"
#include "data/sqlite_database.h"
#include "exam/reading_text.h"
#include "exam/reading_words.h"
#include "speech/speech_voice.h"
#include "tools/bank_tool/bank_tool.h"
#include "tools/bank_tool/commands.h"
#include "tools/bank_tool/exam_file.h"

#include <QRegularExpression>

namespace {

// Anything the voice has no Mandarin reading for: digits that are not a pinyin tone, Latin
// letters outside a pinyin syllable, and marks that are neither a pause nor a blank.
QStringList unspokenMarks(const QString& reading) {
    static const QRegularExpression pinyin(QStringLiteral("\\b[a-z]+[1-5]?\\b"));
    QString rest = reading;
    rest.remove(pinyin);
    QStringList marks;
    for (const QChar c : rest) {
        const bool han = c.unicode() >= 0x4e00 && c.unicode() <= 0x9fff;
        if (!han && !c.isSpace() && !QStringLiteral("，。？！；").contains(c) &&
            !marks.contains(QString(c)))
            marks.append(QString(c));
    }
    return marks;
}

// A question as the voice takes it: the text it is given and the phonemes it makes of it.
struct Spoken {
    QString reading;
    QString phonemes;
};

QStringList risksOf(const Spoken& spoken) {
    const QString& reading = spoken.reading;
    QStringList risks;
    for (const QString& word : unfixedPolyphones(reading))
        risks.append(QStringLiteral("polyphone %1 read by the dictionary").arg(word));
    for (const QString& pair : undecidedToneChanges(reading))
        risks.append(QStringLiteral("tone of %1 not in the tone table").arg(pair));
    for (const QString& mark : unspokenMarks(reading))
        risks.append(QStringLiteral("'%1' has no Mandarin reading").arg(mark));
    if (spoken.phonemes.contains(QStringLiteral("(en)")))
        risks.append(QStringLiteral("the voice switches to English"));
    return risks;
}

} // namespace

int speakCheckCommand(const QString& databasePath, bool verbose, ToolStreams streams) {
    SpeechVoice& voice = SpeechVoice::instance();
    if (!voice.available()) {
        streams.err << "speak-check: " << voice.unavailableReason() << '\n';
        return kExitRefused;
    }
    const auto database = openExamDatabase(databasePath);
    int questions = 0;
    int atRisk = 0;
    for (const char* table : kBankTables) {
        const QString bank = QLatin1String(table);
        for (const QuestionRow& row : readQuestions(*database, bank)) {
            ++questions;
            const QString reading =
                questionReadingText(row.stnr, {row.da[0], row.da[1], row.da[2], row.da[3]});
            const QString phonemes = voice.phonemes(reading);
            const QStringList risks = risksOf({reading, phonemes});
            if (!risks.isEmpty())
                ++atRisk;
            if (verbose || !risks.isEmpty()) {
                streams.out << bank << ' ' << row.id << ": " << reading << '\n';
                if (verbose)
                    streams.out << "  "
                                << QString(phonemes).replace(QLatin1Char('\n'),
                                                             QStringLiteral(" | "))
                                << '\n';
                for (const QString& risk : risks)
                    streams.out << "  risk: " << risk << '\n';
            }
        }
    }
    streams.out << "speak-check: " << questions << " questions, " << atRisk << " at risk\n";
    return atRisk == 0 ? kExitOk : kExitRefused;
}
