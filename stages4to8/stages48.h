// The frames of stages 4 to 8 (scenes 5 to 9).
#pragma once

void Stage4Frame();
void Stage5Frame();
void Stage6Frame();
void Stage7Frame();
void Stage8Frame();
