// The frames of stages 1 to 3.
#pragma once

void Stage1Frame();
void Stage2Frame();
void Stage3Frame();
