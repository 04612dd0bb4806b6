// The program's entry procedure and the opening of the status screen between questions.
#pragma once

void Main();
void MostraStatus();
