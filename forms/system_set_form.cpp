// The settings dialog's controls at their fixed places, and its keys.
#include "forms/system_set_form.h"

#include "forms/error_report.h"
#include "forms/radio_group.h"
#include "forms/up_down.h"
#include "forms/widget_setup.h"

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>

namespace {

QLineEdit* makeEdit(QWidget* parent, const char* name, const QRect& geometry, const QString& text) {
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(QLatin1String(name));
    edit->setGeometry(geometry);
    return edit;
}

} // namespace

TSystemSetFrm::TSystemSetFrm(AdoConnection& connection, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      connection_(connection) {
    setObjectName(QStringLiteral("SystemSetFrm"));
    setWindowTitle(QStringLiteral("系统设置"));
    setFixedSize(327, 273);
    fillBackground(this, kSkyBlue);
    QFont base(QStringLiteral("MS Sans Serif"));
    base.setPixelSize(11);
    setFont(base);
    createControls();
    move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(),
                             QGuiApplication::primaryScreen()->availableGeometry())
             .topLeft());
}

TSystemSetFrm::~TSystemSetFrm() = default;

void TSystemSetFrm::createControls() {
    const QColor menuText = QApplication::palette("QMenu").color(QPalette::WindowText);
    const QFont base = font();

    groupbox1 = new QGroupBox(this);
    groupbox1->setObjectName(QStringLiteral("groupbox1"));
    groupbox1->setGeometry(0, 0, 327, 233);
    fillBackground(groupbox1, kSkyBlue);
    QPalette groupPalette = groupbox1->palette();
    groupPalette.setColor(QPalette::WindowText, menuText);
    groupbox1->setPalette(groupPalette);

    Label2 = makeLabel(groupbox1, "Label2", {29, 32}, base, menuText,
                       QStringLiteral("熟知题时间规定为(秒)："));
    timer1 = makeEdit(groupbox1, "timer1", {212, 29, 30, 21}, QStringLiteral("8"));
    UpDown1 = new UpDown(groupbox1, "UpDown1", {242, 29, 14, 21}, timer1, 8);
    Label4 = makeLabel(groupbox1, "Label4", {29, 94}, base, menuText,
                       QStringLiteral("模拟考试时间为(分钟)："));
    timer2 = makeEdit(groupbox1, "timer2", {213, 89, 29, 21}, QStringLiteral("0"));
    UpDown2 = new UpDown(groupbox1, "UpDown2", {242, 89, 15, 21}, timer2, 0);

    const QStringList noYes{QStringLiteral("否"), QStringLiteral("是")};
    Label3 = makeLabel(groupbox1, "Label3", {29, 153}, base, menuText,
                       QStringLiteral("答题后是否自动跳至下一题："));
    ifjump = new RadioGroup(groupbox1, "ifjump", {207, 136, 81, 39}, noYes, 2);
    ifjump->setItemIndex(0);
    Label6 = makeLabel(groupbox1, "Label6", {27, 205}, base, menuText,
                       QStringLiteral("是否显示答案提示："));
    ifshow = new RadioGroup(groupbox1, "ifshow", {207, 184, 81, 39}, noYes, 2);
    ifshow->setItemIndex(1);

    Button1 = makeButton(this, "Button1", {48, 240, 75, 25}, QStringLiteral("确定"), base);
    Button2 = makeButton(this, "Button2", {161, 240, 75, 25}, QStringLiteral("退出"), base);
    for (QPushButton* button : {Button1, Button2}) {
        button->setDefault(false);
        QPalette palette = button->palette();
        palette.setColor(QPalette::ButtonText, menuText);
        button->setPalette(palette);
    }
    connect(Button1, &QPushButton::clicked, this, [this] { runHandler([&] { Button1Click(); }); });
    connect(Button2, &QPushButton::clicked, this, [this] { runHandler([&] { Button2Click(); }); });

    QWidget* const order[] = {timer1,          ifjump->item(0), ifjump->item(1), ifshow->item(0),
                              ifshow->item(1), timer2,          Button1,         Button2};
    for (std::size_t index = 1; index < std::size(order); ++index)
        setTabOrder(order[index - 1], order[index]);
}

void TSystemSetFrm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        runHandler([&] { FormShow(); });
}

void TSystemSetFrm::keyPressEvent(QKeyEvent* event) {
    // Neither button is the default or the cancel button, so Enter and Esc do nothing here.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void TSystemSetFrm::Button2Click() {
    reject();
}
