#include "editor/shell/QuestionForm.h"

#include "editor/shell/texts/Texts.h"

namespace salon {

void QuestionForm::Form_Activate()
{
    Command3.Caption = ResText(161);
    Command2.Caption = ResText(162);
    Command1.Caption = ResText(163);
    Command3.ToolTipText = ResText(165);
    Command2.ToolTipText = ResText(166);
    Command1.ToolTipText = ResText(167);
    Visible = true;
}

void QuestionForm::Command3_Click()
{
    if (Answer)
        *Answer = 1;
    Visible = false;
}

void QuestionForm::Command2_Click()
{
    if (Answer)
        *Answer = 0;
    Visible = false;
}

void QuestionForm::Command1_Click()
{
    Command1.Caption = ResText(164);
    if (DontAsk)
        *DontAsk = 2;
    focused = 3;
}

void QuestionForm::Form_Unload() { Command2_Click(); }

} // namespace salon
