#pragma once

#include "data/read_aloud_settings.h"

#include <QDialog>

class QCheckBox;
class QSpinBox;

// The read-aloud settings: the voice's speed and automatic reading. Ours, beside the original
// settings dialog, which stays as it was.
class ReadAloudDialog : public QDialog {
    Q_OBJECT
public:
    explicit ReadAloudDialog(QWidget* parent = nullptr);

    void setSettings(const ReadAloudSettings& settings);
    ReadAloudSettings settings() const;

private:
    QSpinBox* rate_ = nullptr;
    QCheckBox* autoRead_ = nullptr;
};
