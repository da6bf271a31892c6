// The end of a game: its animation, the caption and, for a new high score, the name dialog.
#pragma once

class Form1;

void Run_Game_Over(Form1& window);
