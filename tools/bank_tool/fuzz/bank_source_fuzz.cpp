// Feeds arbitrary text to the bank-source parser. It must either refuse with a located
// BankSourceError or return questions the builder can store: a text, two or four choices, an
// answer code that fits them, and a line inside the file.
#include "data/bank_source.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const int lines = int(text.count(QLatin1Char('\n'))) + 1;
    std::vector<BankQuestion> questions;
    try {
        questions = parseBankText(text, {QStringLiteral("fuzz.txt"), 3});
    } catch (const BankSourceError& error) {
        if (error.file() != QLatin1String("fuzz.txt") || error.line() < 1 ||
            error.line() > lines + 1)
            std::abort();
        return 0;
    }
    for (const BankQuestion& question : questions) {
        const int choices = int(question.choices.size());
        const int index = choiceIndex(question.answerCode);
        if (question.text.trimmed().isEmpty() || (choices != 2 && choices != 4) || index < 0 ||
            index >= choices || question.chapter != 3 || question.line < 1 || question.line > lines)
            std::abort();
        for (const QString& choice : question.choices) {
            if (choice.trimmed().isEmpty())
                std::abort();
        }
    }
    return 0;
}
