#pragma once

#include <QWidget>

class AdoConnection;
class QPlainTextEdit;
class QPushButton;

// The list of the questions of the last paper that were answered wrongly or not at all.
class TShowErrFrm : public QWidget {
    Q_OBJECT
public:
    // Reads the paper from `connection`'s database.
    explicit TShowErrFrm(AdoConnection& connection, QWidget* parent = nullptr);
    ~TShowErrFrm() override;

    // The bank the papers are drawn from, "B2" or "C".
    void setBank(const QString& bank) { bank_ = bank; }

    // Handlers, named after their control and event.
    void Button1Click();
    void Button2Click();
    void FormClose();

signals:
    // The list was closed, by its button or its close box; the exercise it showed is over.
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    AdoConnection& connection_;
    QString bank_ = QStringLiteral("B2");
    QWidget* Panel1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* Button2 = nullptr;
};
