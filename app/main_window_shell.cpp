// The shell of the main window: creation, the connection, the clock, the examination-type
// menu and the help, settings and exit commands.
#include "app/clock_line.h"
#include "app/database_place.h"
#include "app/main_window.h"
#include "data/ado_connection.h"
#include "data/connection_string.h"
#include "data/exercise_rows.h"
#include "data/schema.h"
#include "forms/error_report.h"
#include "forms/message_box.h"
#include "forms/widget_setup.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>

struct TmainFrm::ExamType {
    QString headerText;
    QString bottomBarText;
};

namespace {

const TmainFrm::ExamType kTruck{QStringLiteral("当前考试类型为：大型货车B2"),
                                QStringLiteral("模拟考试100题（大货车B2）")};
const TmainFrm::ExamType kSmallCar{QStringLiteral("当前考试类型为：小型汽车C1，C2"),
                                   QStringLiteral("模拟考试100题（小型汽车C1，C2）")};

} // namespace

TmainFrm::TmainFrm(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("mainFrm"));
    setWindowTitle(QStringLiteral("vivozazirideri"));
    resize(800, 578);
    fillBackground(this, kSkyBlue);
    setFont(QFont(QStringLiteral("MS Sans Serif"), -1));
    QFont base = font();
    base.setPixelSize(11);
    setFont(base);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(1000);

    popmenu = new QMenu(this);
    popmenu->setObjectName(QStringLiteral("popmenu"));
    B2 = popmenu->addAction(QStringLiteral("大型货车B2"));
    B2->setObjectName(QStringLiteral("B2"));
    B2->setCheckable(true);
    B2->setChecked(true);
    C = popmenu->addAction(QStringLiteral("小型汽车C1 "));
    C->setObjectName(QStringLiteral("C"));
    C->setCheckable(true);

    createFrame();
    createStartPanel();
    createHelpText();
    createQuestionPanel();
    arrangeStackingAndTabOrder();
    createAccelerators();
    connectHandlers();
    FormCreate();
    Timer2->start();
}

TmainFrm::~TmainFrm() = default;

void TmainFrm::attachConnection(AdoConnection& connection) {
    exercise_.setConnection(&connection);
}

void TmainFrm::createAccelerators() {
    // Alt+S belongs to the first of the two buttons that carry S.
    const std::pair<Qt::Key, QPushButton*> accelerators[] = {
        {Qt::Key_A, Button1}, {Qt::Key_S, BitBtn1}, {Qt::Key_L, BitBtn3},
        {Qt::Key_C, BitBtn4}, {Qt::Key_H, BitBtn8}, {Qt::Key_Q, BitBtn6}};
    for (const auto& [key, button] : accelerators) {
        auto* shortcut = new QShortcut(QKeySequence(Qt::ALT | key), this);
        QPushButton* target = button;
        connect(shortcut, &QShortcut::activated, target, [target] { target->click(); });
    }
}

void TmainFrm::connectHandlers() {
    const std::pair<QPushButton*, void (TmainFrm::*)()> clicks[] = {
        {Button1, &TmainFrm::Button1Click}, {BitBtn1, &TmainFrm::BitBtn1Click},
        {BitBtn3, &TmainFrm::BitBtn3Click}, {BitBtn4, &TmainFrm::BitBtn4Click},
        {BitBtn5, &TmainFrm::BitBtn5Click}, {BitBtn8, &TmainFrm::BitBtn8Click},
        {BitBtn6, &TmainFrm::BitBtn6Click}, {A_btn, &TmainFrm::A_btnClick},
        {B_btn, &TmainFrm::B_btnClick},     {C_btn, &TmainFrm::C_btnClick},
        {D_btn, &TmainFrm::D_btnClick},     {periorBtn, &TmainFrm::periorBtnClick},
        {nextbtn, &TmainFrm::nextbtnClick}, {endbtn, &TmainFrm::endbtnClick}};
    for (const auto& [button, handler] : clicks) {
        const auto method = handler;
        connect(button, &QPushButton::clicked, this,
                [this, method] { runHandler([&] { (this->*method)(); }); });
    }
    connect(Timer1, &QTimer::timeout, this, [this] { runHandler([&] { Timer1Timer(); }); });
    connect(Timer2, &QTimer::timeout, this, [this] { runHandler([&] { Timer2Timer(); }); });
    connect(B2, &QAction::triggered, this, [this] { runHandler([&] { B2Click(); }); });
    connect(C, &QAction::triggered, this, [this] { runHandler([&] { CClick(); }); });
    Button1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Button1, &QWidget::customContextMenuRequested, this,
            [this] { popmenu->popup(QCursor::pos()); });
}

void TmainFrm::FormCreate() {
    softtitle->setText(QStringLiteral("Xundral"));
    Timer2Timer();
    exercise_.setBank(QStringLiteral("B2"));
}

void TmainFrm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous())
        runHandler([&] { FormShow(); });
}

void TmainFrm::FormShow() {
    Timer1->stop();
    AdoConnection& connection = exercise_.connection();
    if (connection.connected())
        connection.close();
    connection.setConnectionString(examConnectionString(examDatabaseFolder()));
    // The open refuses a damaged or foreign file before anything writes to it; with the
    // connection closed, every later command says so instead of working on half a database.
    connection.open();
    // A file of an earlier version gains the columns and tables added since, keeping its rows.
    migrateExamSchema(connection.database());
    clearDrawPool(connection.database());
}

void TmainFrm::Timer2Timer() {
    datelabel->setText(formatClockLine(QDateTime::currentDateTime()));
    datelabel->adjustSize();
}

void TmainFrm::Button1Click() {
    popmenu->popup(QCursor::pos());
}

void TmainFrm::B2Click() {
    switchExamType(kTruck, B2, C, QStringLiteral("B2"));
}

void TmainFrm::CClick() {
    switchExamType(kSmallCar, C, B2, QStringLiteral("C"));
}

void TmainFrm::switchExamType(const ExamType& type, QAction* chosen, QAction* other,
                              const QString& bank) {
    setAutoCaption(EXAMTYPE, type.headerText);
    chosen->setChecked(true);
    if (other->isChecked())
        other->setChecked(false);
    exercise_.setBank(bank);
    setAutoCaption(Label10, type.bottomBarText);
    emit examTypeChanged(bank);
}

void TmainFrm::BitBtn5Click() {
    emit settingsRequested();
}

void TmainFrm::BitBtn8Click() {
    GroupBox1->hide();
    GroupBox2->hide();
    Memo1->show();
}

void TmainFrm::BitBtn6Click() {
    if (MessageBox::confirm(this, QStringLiteral("确认退出此系统吗？")))
        QCoreApplication::quit();
}

void TmainFrm::closeEvent(QCloseEvent* event) {
    // The main window's close box ends the program at once, whatever else is open.
    event->accept();
    QCoreApplication::quit();
}

void TmainFrm::ReturnToStartPanel() {
    GroupBox1->show();
    GroupBox2->hide();
    Timer1->stop();
    exercise_.end();
    emit exerciseEnded();
}
