#include "forms/show_err_form.h"

TShowErrFrm* ShowErrFrm = nullptr;

TShowErrFrm::TShowErrFrm(QWidget* parent) : QWidget(parent, Qt::Window) {
    ShowErrFrm = this;
    setObjectName(QStringLiteral("ShowErrFrm"));
    setWindowTitle(QStringLiteral("错误题目显示列表"));
    resize(800, 596);
}

TShowErrFrm::~TShowErrFrm() {
    if (ShowErrFrm == this)
        ShowErrFrm = nullptr;
}
