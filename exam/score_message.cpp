#include "exam/score_message.h"

QString scoreMessage(int totalQuestions, int rightAnswers) {
    const QString lineEnd = QStringLiteral("\n\r");
    QString text;
    text += QStringLiteral("总试题数：     ") + QString::number(totalQuestions) + lineEnd;
    text += QStringLiteral("答对题数：     ") + QString::number(rightAnswers) + lineEnd;
    const int score = paperScore(rightAnswers);
    text +=
        QStringLiteral("实际得分：     ") + QString::number(score) + QStringLiteral("分") + lineEnd;
    text += (paperPassed(score) ? QStringLiteral("恭喜你,过关了！")
                                : QStringLiteral("考试成绩不及格,继续努力！")) +
            lineEnd;
    text += lineEnd;
    text += QStringLiteral("您想查看试卷吗？") + lineEnd + lineEnd;
    return text;
}
