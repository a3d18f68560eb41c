// Loading the settings row into the dialog and saving it back.
#include "data/ado_connection.h"
#include "data/settings_rows.h"
#include "data/whole_number.h"
#include "forms/error_report.h"
#include "forms/message_box.h"
#include "forms/radio_group.h"
#include "forms/system_set_form.h"
#include "forms/up_down.h"

#include <QLineEdit>

#include <exception>
#include <optional>

namespace {

// Any positive value means yes; a negative one selects neither item.
int choiceIndex(int value) {
    if (value < 0)
        return -1;
    return value > 1 ? 1 : value;
}

void notify(QWidget* parent, const QString& text) {
    MessageBox::show(parent, {QString::fromLatin1(kApplicationTitle), text, MessageBox::Buttons::Ok,
                              MessageBox::Icon::None});
}

} // namespace

void TSystemSetFrm::FormShow() {
    const SettingsForDialog settings = readSettingsForDialog(connection_.database());
    timer1->setText(settings.timer1);
    timer2->setText(settings.timer2);
    ifjump->setItemIndex(choiceIndex(settings.ifJump));
    ifshow->setItemIndex(choiceIndex(settings.ifShow));
}

void TSystemSetFrm::Button1Click() {
    if (!writeParams()) {
        notify(this, QStringLiteral("保存系统设置失败!"));
        return;
    }
    notify(this, QStringLiteral("保存系统设置成功!"));
}

bool TSystemSetFrm::writeParams() const {
    // What was typed is checked here and bound, never spliced into the statement: text such
    // as "8,timer2=0" would otherwise rewrite other columns.
    const std::optional<int> seconds = parseWholeNumber(timer1->text());
    const std::optional<int> minutes = parseWholeNumber(timer2->text());
    if (!seconds || !minutes)
        return false;
    // The countdown is only meant for what its spinner offers; a typed 2000000 or -5 would
    // give a paper that never ends or ends at once.
    if (*minutes < UpDown2->minimum() || *minutes > UpDown2->maximum())
        return false;
    try {
        const ExerciseSettings settings{*seconds, *minutes, ifjump->itemIndex(),
                                        ifshow->itemIndex()};
        // An update that found no row saved nothing, and must not be reported as saved.
        return writeSettings(connection_.database(), settings) > 0;
    } catch (const std::exception&) {
        return false;
    }
}
