#pragma once
// What a player reports of itself. The numbers are the ones its state query has always
// answered, and other code and tests compare against them.

enum PlayState : int { kPlayStateClosed = 0, kPlayStatePlaying = 2, kPlayStatePaused = 3 };
