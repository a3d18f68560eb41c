#include "forms/system_set_form.h"

TSystemSetFrm* SystemSetFrm = nullptr;

TSystemSetFrm::TSystemSetFrm(QWidget* parent) : QDialog(parent) {
    SystemSetFrm = this;
    setObjectName(QStringLiteral("SystemSetFrm"));
    setWindowTitle(QStringLiteral("系统设置"));
    setFixedSize(327, 273);
}

TSystemSetFrm::~TSystemSetFrm() {
    if (SystemSetFrm == this)
        SystemSetFrm = nullptr;
}
