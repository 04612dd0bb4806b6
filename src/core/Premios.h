// The fixed prize ladder: 23 rungs, each an amount and the label the score board shows.
#pragma once

void MontaPremios();
