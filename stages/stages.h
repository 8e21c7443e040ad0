// The frames of the eight stages (scenes 2 to 9).
#pragma once

void Stage1Frame();
void Stage2Frame();
void Stage3Frame();
void Stage4Frame();
void Stage5Frame();
void Stage6Frame();
void Stage7Frame();
void Stage8Frame();
