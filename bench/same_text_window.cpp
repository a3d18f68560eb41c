#include "bench/same_text_window.h"

#include <QFont>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTextEdit>

namespace {

enum class Kind { Label, Button, Box };

struct Text {
    Kind kind;
    int x, y, width, height;
    const char* face;
    int pixels;
    bool bold;
    const char* text;
};

// The start screen as the program draws it, control by control.
const Text kStartScreen[] = {
    {Kind::Label, 73, 29, 260, 13, "宋体", 13, false, "当前时间：2026年12月07日   18时23分42 秒"},
    {Kind::Label, 437, 29, 195, 15, "宋体", 15, true, "当前考试类型为：大型货车B2"},
    {Kind::Button, 32, 64, 101, 25, "宋体", 12, false, "考试类型&A"},
    {Kind::Button, 31, 96, 102, 25, "宋体", 12, false, "顺序出题&S"},
    {Kind::Button, 31, 128, 102, 25, "宋体", 12, false, "模拟练习&L"},
    {Kind::Button, 31, 161, 102, 25, "宋体", 12, false, "模拟考试&C"},
    {Kind::Button, 31, 194, 102, 25, "宋体", 12, false, "系统设置&S"},
    {Kind::Button, 32, 226, 101, 25, "宋体", 12, false, "系统帮助&H"},
    {Kind::Button, 32, 259, 102, 25, "宋体", 12, false, "退出系统&Q"},
    {Kind::Label, 13, 294, 65, 13, "宋体", 13, true, "按键提示："},
    {Kind::Box, 5, 320, 156, 226, "宋体", 13, true,
     "系统提示：\n先点：考试类型,选\n一下车型然后点模拟\n考试即可进行考试。\n选择答案\"1\"请按 "
     "\"1\"\n选择答案\"2\"请按 \"2\"\n选择答案\"3\"请按 \"3\" \n选择答案\"4\"请按 "
     "\"0\"\n******************\n上一题 请按数字键\"4\"\n下一题 请按数字键\"6\"\n交 卷  "
     "请按数字键\"*\""},
    {Kind::Label, 277, 99, 399, 56, "楷体_GB2312", 56, true, "Xundral"},
    {Kind::Label, 472, 175, 297, 29, "楷体_GB2312", 29, true, "科目一 2026版"},
    {Kind::Label, 343, 511, 318, 24, "楷体_GB2312", 24, true, "购买请联系当地驾驶培训学校"},
};

void installFaces() {
    QFont::insertSubstitutions(QStringLiteral("宋体"), {QStringLiteral("AR PL SungtiL GB"),
                                                        QStringLiteral("AR PL UMing CN"),
                                                        QStringLiteral("Noto Serif CJK SC")});
    QFont::insertSubstitutions(QStringLiteral("楷体_GB2312"),
                               {QStringLiteral("AR PL KaitiM GB"), QStringLiteral("AR PL UKai CN"),
                                QStringLiteral("Noto Serif CJK SC")});
}

} // namespace

SameTextWindow::SameTextWindow(const QString& programFolder) {
    installFaces();
    setWindowTitle(QStringLiteral("vivozazirideri"));
    setFixedSize(800, 578);
    auto* picture = new QLabel(this);
    picture->setGeometry(169, 90, 622, 456);
    picture->setPixmap(QPixmap(programFolder + QStringLiteral("/resources/start.jpg")));
    for (const Text& text : kStartScreen) {
        QWidget* control = nullptr;
        const QString caption = QString::fromUtf8(text.text);
        if (text.kind == Kind::Label)
            control = new QLabel(caption, this);
        else if (text.kind == Kind::Button)
            control = new QPushButton(caption, this);
        else
            control = new QTextEdit(caption, this);
        QFont font(QString::fromUtf8(text.face));
        font.setPixelSize(text.pixels);
        font.setBold(text.bold);
        control->setFont(font);
        control->setGeometry(text.x, text.y, text.width, text.height);
    }
}
