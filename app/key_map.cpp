// The number keys drive the whole exercise; the window sees every key before its controls.
#include "app/key_codes.h"
#include "app/main_window.h"

#include <QGroupBox>
#include <QRadioButton>

void TmainFrm::previewKeyPress(const QKeyEvent& event) {
    FormKeyDown(translateKey(event.key(), event.modifiers()), event.modifiers());
}

bool TmainFrm::exerciseShown() const {
    return !GroupBox2->isHidden();
}

void TmainFrm::FormKeyDown(int key, Qt::KeyboardModifiers /*shift*/) {
    // With the start panel or the help text in front there is no question to act on.
    if (!exerciseShown())
        return;
    switch (key) {
    case 49:
    case 97:
        RadioButton1->setChecked(true);
        A_btnClick();
        break;
    case 50:
    case 98:
        RadioButton3->setChecked(true);
        B_btnClick();
        break;
    case 51:
    case 99:
        RadioButton2->setChecked(true);
        C_btnClick();
        break;
    case 48:
    case 96:
        RadioButton4->setChecked(true);
        D_btnClick();
        break;
    case 52:
    case 100:
        periorBtnClick();
        break;
    case 54:
    case 102:
        clearIndicators();
        nextbtnClick();
        break;
    case 56:
    case 104:
    case 106:
        endbtnClick();
        break;
    default:
        break;
    }
}
