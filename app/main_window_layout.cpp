// Builds the main window's controls at their fixed places; nothing here has behaviour.
#include "app/main_window.h"
#include "app/program_directory.h"
#include "app/resource_texts.h"
#include "exam/question_picture.h"
#include "forms/font_faces.h"
#include "forms/widget_setup.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>

namespace {

const QString kSong = QStringLiteral("宋体");
const QString kNewSong = QStringLiteral("新宋体");
const QString kKai = QStringLiteral("楷体_GB2312");
const QString kFangsong = QStringLiteral("仿宋_GB2312");
// The colour Windows gives an inactive caption's gradient, behind the help text.
const QColor kInactiveCaptionGradient(215, 228, 242);

QPixmap programPicture(const QString& name) {
    const QString path = programDirectory() + QStringLiteral("/resources/") + name;
    const QString chosen = pictureForRatio(path, qApp->devicePixelRatio());
    QPixmap picture(chosen);
    picture.setDevicePixelRatio(chosen == path ? 1 : 2);
    return picture;
}

QGroupBox* makeFrame(QWidget* parent, const char* name, const QRect& geometry) {
    auto* frame = new QGroupBox(parent);
    frame->setObjectName(QLatin1String(name));
    frame->setGeometry(geometry);
    return frame;
}

QRadioButton* makeIndicator(QWidget* parent, const char* name, const QRect& geometry,
                            const QString& caption) {
    auto* indicator = new QRadioButton(caption, parent);
    indicator->setObjectName(QLatin1String(name));
    indicator->setGeometry(geometry);
    indicator->setShortcut(QKeySequence());
    return indicator;
}

} // namespace

void TmainFrm::createFrame() {
    const QColor windowText = palette().color(QPalette::WindowText);

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setGeometry(33, 9, 758, 48);
    panel->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    fillBackground(panel, kSkyBlue);
    Panel1 = panel;
    datelabel = makeLabel(Panel1, "datelabel", {40, 20}, pixelFont(kSong, 13), windowText);
    EXAMTYPE = makeLabel(Panel1, "EXAMTYPE", {404, 20}, pixelFont(kSong, 15, true), Qt::red,
                         QStringLiteral("当前考试类型为：大型货车B2"));

    const QFont buttonFont = pixelFont(kSong, 12);
    Button1 =
        makeButton(this, "Button1", {32, 64, 101, 25}, QStringLiteral("考试类型&A"), buttonFont);
    Button1->setCursor(Qt::DragMoveCursor);
    BitBtn1 =
        makeButton(this, "BitBtn1", {31, 96, 102, 25}, QStringLiteral("顺序出题&S"), buttonFont);
    BitBtn3 =
        makeButton(this, "BitBtn3", {31, 128, 102, 25}, QStringLiteral("模拟练习&L"), buttonFont);
    BitBtn4 =
        makeButton(this, "BitBtn4", {31, 161, 102, 25}, QStringLiteral("模拟考试&C"), buttonFont);
    BitBtn5 =
        makeButton(this, "BitBtn5", {31, 194, 102, 25}, QStringLiteral("系统设置&S"), buttonFont);
    BitBtn8 =
        makeButton(this, "BitBtn8", {32, 226, 101, 25}, QStringLiteral("系统帮助&H"), buttonFont);
    BitBtn6 =
        makeButton(this, "BitBtn6", {32, 259, 102, 25}, QStringLiteral("退出系统&Q"), buttonFont);

    Label6 = makeLabel(this, "Label6", {13, 294}, pixelFont(kSong, 13, true), Qt::red,
                       QStringLiteral("按键提示："));
    sysHint = makeTextBox(this, "sysHint", {5, 320, 156, 226}, kSkyBlue, pixelFont(kSong, 13, true),
                          Qt::red);
    sysHint->setFrameStyle(QFrame::Panel | QFrame::Raised);
    sysHint->setLineWidth(1);
    setBoxText(sysHint, resourceText(QStringLiteral("key_hints.txt")));
}

void TmainFrm::createStartPanel() {
    GroupBox1 = makeFrame(this, "GroupBox1", {167, 59, 626, 489});
    Image2 = new QLabel(GroupBox1);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(2, 31, 622, 456);
    Image2->setScaledContents(true);
    Image2->setPixmap(programPicture(QStringLiteral("start.jpg")));

    const QFont titleFont = pixelFont(kKai, 56, true);
    softtitle = makeLabel(GroupBox1, "softtitle", {110, 40}, titleFont, Qt::red);
    softtitle->resize(399, 56);
    softtitle->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label3 = makeLabel(GroupBox1, "Label3", {305, 116}, pixelFont(kKai, 29, true), Qt::red,
                       QStringLiteral("科目一 2026版"));
    Label3->resize(297, 29);
    Label4 = makeLabel(GroupBox1, "Label4", {176, 452}, pixelFont(kKai, 24, true), Qt::red,
                       QStringLiteral("购买请联系当地驾驶培训学校"));
    Label4->resize(318, 24);
    Label4->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
}

void TmainFrm::createHelpText() {
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(169, 61, 624, 480);
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setFont(pixelFont(kKai, 20));
    QPalette palette = Memo1->palette();
    palette.setColor(QPalette::Base, kInactiveCaptionGradient);
    Memo1->setPalette(palette);
    Memo1->setPlainText(resourceText(QStringLiteral("help.txt")));
    Memo1->hide();
}

void TmainFrm::createQuestionPanel() {
    GroupBox2 = makeFrame(this, "GroupBox2", {-10, -10, 823, 591});
    fillBackground(GroupBox2, kSkyBlue);
    GroupBox2->setFont(pixelFont(kSong, 16));
    GroupBox2->setFocusPolicy(Qt::StrongFocus);
    QWidget* panel = GroupBox2;
    const QFont text16 = pixelFont(kSong, 16);

    Image1 = new QLabel(panel);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(11, 7, 828, 65);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setPixmap(programPicture(QStringLiteral("banner.jpg")));

    gb_Subject = makeLabel(panel, "gb_Subject", {17, 80}, pixelFont(kSong, 14), Qt::black);
    // Reaches to Label1 rather than the original 152 pixels, which cut "共 1259 题" of a bank
    // of four-digit numbers; nothing moves.
    gb_Subject->resize(190, 21);
    Label1 = makeLabel(panel, "Label1", {208, 80}, pixelFont(kNewSong, 15), Qt::black);
    re_SubJect = makeTextBox(panel, "re_SubJect", {30, 97, 459, 64}, kSkyBlue, text16, Qt::black);
    // A long stem scrolls inside its box instead of being cut off; the layout stays as it is.
    re_SubJect->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    Image_sign = new QLabel(panel);
    Image_sign->setObjectName(QStringLiteral("Image_sign"));
    Image_sign->setGeometry(512, 80, 209, 153);
    Image_sign->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Label7 = makeLabel(panel, "Label7", {40, 169}, text16, Qt::black, QStringLiteral("答案一："));
    RadioButton1 =
        makeIndicator(panel, "RadioButton1", {109, 165, 135, 23}, QStringLiteral("请按数字键‘1’"));
    re_sel1 = makeTextBox(panel, "re_sel1", {45, 191, 442, 60}, kSkyBlue, text16, Qt::black);
    Label9 = makeLabel(panel, "Label9", {44, 258}, text16, Qt::black, QStringLiteral("答案二："));
    RadioButton3 =
        makeIndicator(panel, "RadioButton3", {119, 244, 142, 39}, QStringLiteral("请按数字键‘2’"));
    re_sel2 = makeTextBox(panel, "re_sel2", {45, 289, 435, 49}, kSkyBlue, text16, Qt::black);
    Label8 = makeLabel(panel, "Label8", {44, 345}, text16, Qt::black, QStringLiteral("答案三："));
    RadioButton2 =
        makeIndicator(panel, "RadioButton2", {122, 342, 162, 28}, QStringLiteral("请按数字键‘3’"));
    re_sel3 = makeTextBox(panel, "re_sel3", {42, 371, 397, 57}, kSkyBlue, text16, Qt::black);
    Label11 = makeLabel(panel, "Label11", {44, 440}, text16, Qt::black, QStringLiteral("答案四："));
    RadioButton4 =
        makeIndicator(panel, "RadioButton4", {122, 437, 162, 28}, QStringLiteral("请按数字键‘0’"));
    re_sel4 = makeTextBox(panel, "re_sel4", {43, 476, 365, 53}, kSkyBlue, text16, Qt::black);

    answerEdt = makeTextBox(panel, "answerEdt", {529, 245, 176, 76}, kSkyBlue,
                            pixelFont(kNewSong, 20, true), Qt::red, true);
    waitEdt = makeTextBox(panel, "waitEdt", {88, 288, 473, 41}, kSkyBlue,
                          pixelFont(kFangsong, 29, true), Qt::red, true);
    setBoxText(waitEdt, QStringLiteral("正在抽取试题，请稍等......"));
    RichEdit1 = makeTextBox(panel, "RichEdit1", {512, 342, 249, 131}, kSkyBlue,
                            pixelFont(kFangsong, 20), Qt::red);
    setBoxText(RichEdit1, resourceText(QStringLiteral("navigation_hints.txt")));

    const QFont counterFont = pixelFont(kSong, 19, true);
    Label2 = makeLabel(panel, "Label2", {513, 515}, counterFont, Qt::blue);
    examtime = makeLabel(panel, "examtime", {611, 514}, counterFont, Qt::blue);

    GroupBox3 = makeFrame(panel, "GroupBox3", {5, 540, 810, 52});
    // The bar lies over the answer and navigation buttons and hides them even while they are
    // shown; only its own bank line shows on it. The keys do what the buttons would.
    fillBackground(GroupBox3, kSkyBlue);
    Label10 = makeLabel(GroupBox3, "Label10", {83, 20}, pixelFont(kSong, 16, true, true), Qt::red);

    const QFont answerFont = pixelFont(kSong, 16, true);
    const QFont navigationFont = pixelFont(kSong, 12);
    A_btn = makeButton(panel, "A_btn", {23, 554, 48, 20}, QStringLiteral("A"), answerFont);
    B_btn = makeButton(panel, "B_btn", {81, 554, 48, 20}, QStringLiteral("B"), answerFont);
    C_btn = makeButton(panel, "C_btn", {138, 554, 48, 20}, QStringLiteral("C"), answerFont);
    D_btn = makeButton(panel, "D_btn", {200, 560, 57, 17}, QStringLiteral("D"), GroupBox2->font());
    periorBtn = makeButton(panel, "periorBtn", {312, 553, 77, 20}, QStringLiteral("上一题"),
                           navigationFont);
    nextbtn =
        makeButton(panel, "nextbtn", {421, 553, 80, 20}, QStringLiteral("下一题"), navigationFont);
    endbtn =
        makeButton(panel, "endbtn", {531, 553, 80, 20}, QStringLiteral("结束训练"), navigationFont);
    for (QPushButton* button : {A_btn, B_btn, C_btn, D_btn, periorBtn, nextbtn, endbtn})
        button->hide();
    GroupBox2->hide();
}

void TmainFrm::arrangeStackingAndTabOrder() {
    // Bottom to top; labels and pictures lie beneath the windowed controls.
    for (QWidget* control : std::initializer_list<QWidget*>{
             Image1,       gb_Subject,   Label1,    Image_sign, Label7,       Label9,
             Label8,       Label11,      Label2,    examtime,   RichEdit1,    re_sel2,
             re_SubJect,   re_sel1,      waitEdt,   re_sel3,    answerEdt,    A_btn,
             B_btn,        C_btn,        periorBtn, nextbtn,    endbtn,       RadioButton1,
             RadioButton2, RadioButton3, GroupBox3, D_btn,      RadioButton4, re_sel4})
        control->raise();
    Memo1->raise();
    GroupBox1->raise();
    GroupBox2->raise();

    QWidget* const order[] = {BitBtn1, BitBtn3, BitBtn4, BitBtn5,   BitBtn8,  BitBtn6,
                              Memo1,   Button1, sysHint, GroupBox1, GroupBox2};
    for (std::size_t index = 1; index < std::size(order); ++index)
        setTabOrder(order[index - 1], order[index]);
}
