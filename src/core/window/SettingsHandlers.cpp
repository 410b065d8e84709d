#include "window/SettingsHandlers.h"

#include "layout/SettingsTexts.h"

namespace tavrolin::handlers {

using enum ControlId;

void Form_Load(Toolkit& tk)
{
    tk.selectOption(op1D);
    tk.selectOption(opzelená);
    tk.selectOption(opzelená);
    tk.selectOption(op1);
    tk.setText(nBarva, texts::zelená);
    tk.setText(nStartuje, texts::firstRun);
    tk.setText(nFrekvence, tk.textFromInteger(1));
    tk.setText(nNasob, tk.textFromInteger(1));
    tk.setText(nPosunZdroje, tk.textFromInteger(0));
    tk.selectOption(op0);
    tk.selectOption(opRychlá);
    tk.setText(nSpomaleni, tk.textFromInteger(1));
}

// A frequency button also picks the graph colour of its light, through the
// colour button, whose own handler writes the colour word once more.
void op05_Click(Toolkit& tk, int /*index*/)
{
    tk.setText(nFrekvence, tk.textFromReal(0.5));
    tk.setText(nBarva, texts::červená);
    tk.selectOption(opCervena);
}

void op1_Click(Toolkit& tk)
{
    tk.setText(nFrekvence, tk.textFromInteger(1));
    tk.setText(nBarva, texts::zelená);
    tk.selectOption(opzelená);
}

void op15_Click(Toolkit& tk)
{
    tk.setText(nFrekvence, tk.textFromReal(1.5));
    tk.setText(nBarva, texts::modrá);
    tk.selectOption(opModra);
}

// The caption of opCerna is "černa"; the colour word ends in "á".
void opCerna_Click(Toolkit& tk) { tk.setText(nBarva, texts::černá); }
void opCervena_Click(Toolkit& tk) { tk.setText(nBarva, texts::červená); }
void opzelená_Click(Toolkit& tk) { tk.setText(nBarva, texts::zelená); }
void opModra_Click(Toolkit& tk) { tk.setText(nBarva, texts::modrá); }

void op05D_Click(Toolkit& tk, int /*index*/) { tk.setText(nNasob, tk.textFromReal(0.5)); }
void op1D_Click(Toolkit& tk) { tk.setText(nNasob, tk.textFromInteger(1)); }
void op15D_Click(Toolkit& tk) { tk.setText(nNasob, tk.textFromReal(1.5)); }

void op0_Click(Toolkit& tk) { tk.setText(nPosunZdroje, tk.textFromInteger(0)); }
void op50_Click(Toolkit& tk) { tk.setText(nPosunZdroje, tk.textFromInteger(50)); }

void opRychlá_Click(Toolkit& tk) { tk.setText(nSpomaleni, tk.textFromInteger(1)); }
void opPomalší_Click(Toolkit& tk) { tk.setText(nSpomaleni, tk.textFromInteger(15)); }
void nPomalá_Click(Toolkit& tk) { tk.setText(nSpomaleni, tk.textFromInteger(30)); }

void HScroll1_Change(Toolkit& tk) { tk.setText(nSpomaleni, tk.textFromInteger(tk.getScrollValue(HScroll1))); }

void cmdKonec_Click(Toolkit& tk) { tk.closeWindow(); }

} // namespace tavrolin::handlers
