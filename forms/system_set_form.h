#pragma once

#include <QDialog>

class AdoConnection;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class RadioGroup;
class UpDown;

// The settings dialog for the one sysparam row. It keeps nothing between showings: every
// showing loads the row afresh, and only "确定" writes it.
class TSystemSetFrm : public QDialog {
    Q_OBJECT
public:
    // Reads and writes the settings row of `connection`'s database.
    explicit TSystemSetFrm(AdoConnection& connection, QWidget* parent = nullptr);
    ~TSystemSetFrm() override;

    // Handlers, named after their control and event.
    void FormShow();
    void Button1Click();
    void Button2Click();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createControls();
    // Writes the four settings in one bound statement; false, with the row untouched, when
    // an edit holds no whole number or the database refuses.
    bool writeParams() const;

    AdoConnection& connection_;
    QGroupBox* groupbox1 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* timer1 = nullptr;
    UpDown* UpDown1 = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* timer2 = nullptr;
    UpDown* UpDown2 = nullptr;
    QLabel* Label3 = nullptr;
    RadioGroup* ifjump = nullptr;
    QLabel* Label6 = nullptr;
    RadioGroup* ifshow = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
};
