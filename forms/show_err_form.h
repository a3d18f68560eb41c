#pragma once

#include <QWidget>

// The list of the questions of the last paper that were answered wrongly or not at all.
class TShowErrFrm : public QWidget {
    Q_OBJECT
public:
    explicit TShowErrFrm(QWidget* parent = nullptr);
    ~TShowErrFrm() override;
};

extern TShowErrFrm* ShowErrFrm;
