#pragma once

#include "app/program_directory.h"
#include "app/program_windows.h"
#include "tests/support/test_support.h"

#include <QLabel>
#include <QTextEdit>

// The whole program as start-up builds it, on a temporary database, with every message box
// answered by the script.
class ProgramFixture {
public:
    explicit ProgramFixture(const BankSources& sources) : folder(sources) { start(); }
    explicit ProgramFixture(const QString& databaseToCopy) : folder(databaseToCopy) { start(); }
    ~ProgramFixture() {
        windows.reset();
        setProgramDirectoryForTests(QString());
    }

    void start() {
        setProgramDirectoryForTests(folder.path());
        windows = std::make_unique<ProgramWindows>();
        windows->main.show();
        // Accelerators, like any window shortcut, need the window to be the active one.
        QApplication::setActiveWindow(&windows->main);
        if (!QTest::qWaitForWindowActive(&windows->main))
            qWarning("main window did not become active");
    }

    TmainFrm& main() { return windows->main; }

    template <typename Widget = QWidget> Widget* find(const char* name) {
        auto* widget = windows->main.findChild<Widget*>(QLatin1String(name));
        if (!widget)
            qFatal("no control named %s", name);
        return widget;
    }
    QString label(const char* name) { return find<QLabel>(name)->text(); }
    QString box(const char* name) { return find<QTextEdit>(name)->toPlainText(); }
    bool shown(const char* name) { return !find<QWidget>(name)->isHidden(); }

    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(&windows->main, key, modifiers);
    }
    int mark(int id, const QString& bank = QStringLiteral("B2")) {
        return folder.scalar(QStringLiteral("select MARK from %1 where ID=%2").arg(bank).arg(id));
    }

    TestProgramFolder folder;
    MessageBoxScript boxes;
    std::unique_ptr<ProgramWindows> windows;
};
