// The front-end scenes' frames: the title, the ship and level choices and the ending.
#pragma once

void TitleFrame();
void ShipSelectFrame();
void LevelSelectFrame();
void EndingFrame();
