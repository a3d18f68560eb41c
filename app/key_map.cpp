// The number keys drive the whole exercise; the window sees every key before its controls.
#include "app/key_codes.h"
#include "app/main_window.h"
#include "exam/answer_visibility.h"

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
    case VirtualKey::Digit1:
    case VirtualKey::Numpad1:
        RadioButton1->setChecked(true);
        A_btnClick();
        break;
    case VirtualKey::Digit2:
    case VirtualKey::Numpad2:
        RadioButton3->setChecked(true);
        B_btnClick();
        break;
    case VirtualKey::Digit3:
    case VirtualKey::Numpad3:
        RadioButton2->setChecked(true);
        C_btnClick();
        break;
    case VirtualKey::Digit0:
    case VirtualKey::Numpad0:
        RadioButton4->setChecked(true);
        D_btnClick();
        break;
    case VirtualKey::Digit4:
    case VirtualKey::Numpad4:
        periorBtnClick();
        break;
    case VirtualKey::Digit5:
    case VirtualKey::Numpad5:
        if (answerKeyActs(exercise_.mode(), true))
            emit answerRequested(exercise_.number(), exercise_.questionId());
        break;
    case VirtualKey::Digit9:
    case VirtualKey::Numpad9:
        emit readAloudRequested();
        break;
    case VirtualKey::Digit6:
    case VirtualKey::Numpad6:
        clearIndicators();
        nextbtnClick();
        break;
    case VirtualKey::Digit7:
    case VirtualKey::Numpad7:
        FavouriteKeyPress();
        break;
    case VirtualKey::Digit8:
    case VirtualKey::Numpad8:
    case VirtualKey::Multiply:
        endbtnClick();
        break;
    default:
        break;
    }
}
