#include "forms/read_aloud_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>

ReadAloudDialog::ReadAloudDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("readAloudDialog"));
    setWindowTitle(QStringLiteral("朗读设置"));
    auto* form = new QFormLayout(this);
    rate_ = new QSpinBox(this);
    rate_->setObjectName(QStringLiteral("readAloudRate"));
    rate_->setRange(80, 260);
    rate_->setSingleStep(10);
    rate_->setSuffix(QStringLiteral(" 字/分钟"));
    form->addRow(QStringLiteral("语速："), rate_);
    autoRead_ = new QCheckBox(QStringLiteral("每道题出现时自动朗读"), this);
    autoRead_->setObjectName(QStringLiteral("readAloudAuto"));
    form->addRow(autoRead_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("readAloudButtons"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
    setSettings(ReadAloudSettings());
}

void ReadAloudDialog::setSettings(const ReadAloudSettings& settings) {
    rate_->setValue(settings.rate);
    autoRead_->setChecked(settings.autoRead);
}

ReadAloudSettings ReadAloudDialog::settings() const {
    return ReadAloudSettings{rate_->value(), autoRead_->isChecked()};
}
