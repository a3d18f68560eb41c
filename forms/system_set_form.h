#pragma once

#include <QDialog>

// The settings dialog for the one sysparam row.
class TSystemSetFrm : public QDialog {
    Q_OBJECT
public:
    explicit TSystemSetFrm(QWidget* parent = nullptr);
    ~TSystemSetFrm() override;
};

extern TSystemSetFrm* SystemSetFrm;
