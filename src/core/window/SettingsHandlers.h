#pragma once

#include "toolkit/Toolkit.h"

// The settings live as text in six hidden fields of the window; these
// handlers only ever write them. The Start run reads and converts them.
namespace tavrolin::handlers {

void Form_Load(Toolkit& tk);

void op05_Click(Toolkit& tk, int index);
void op1_Click(Toolkit& tk);
void op15_Click(Toolkit& tk);

void opCerna_Click(Toolkit& tk);
void opCervena_Click(Toolkit& tk);
void opzelená_Click(Toolkit& tk);
void opModra_Click(Toolkit& tk);

void op05D_Click(Toolkit& tk, int index);
void op1D_Click(Toolkit& tk);
void op15D_Click(Toolkit& tk);

void op0_Click(Toolkit& tk);
void op50_Click(Toolkit& tk);

void opRychlá_Click(Toolkit& tk);
void opPomalší_Click(Toolkit& tk);
void nPomalá_Click(Toolkit& tk);

void HScroll1_Change(Toolkit& tk);
void cmdKonec_Click(Toolkit& tk);

} // namespace tavrolin::handlers
